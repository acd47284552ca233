// What the list control reports to its host: the nine events, numbered in this order, and the
// change notice of a property write. Arguments are passed by reference, as the control's
// interface does: the control goes on with what the handler leaves in them (a KeyDown handler
// that sets KeyCode to 0 cancels the key's move).
#pragma once

#include <cstdint>
#include <string>

namespace qv {

// Mouse buttons and shift states of the events.
constexpr int16_t kButtonLeft = 1;
constexpr int16_t kButtonRight = 2;
constexpr int16_t kButtonMiddle = 4;
constexpr int16_t kShiftMask = 1;
constexpr int16_t kCtrlMask = 2;
constexpr int16_t kAltMask = 4;

// Key codes the control acts on.
constexpr int16_t kKeyEnd = 35;
constexpr int16_t kKeyHome = 36;
constexpr int16_t kKeyLeft = 37;
constexpr int16_t kKeyUp = 38;
constexpr int16_t kKeyRight = 39;
constexpr int16_t kKeyDown = 40;

class ListBoxFXEvents {
  public:
    virtual ~ListBoxFXEvents() = default;
    virtual void Click() {}
    virtual void dblClick() {}
    virtual void KeyDown(int16_t& /*KeyCode*/, int16_t& /*Shift*/) {}
    virtual void KeyPress(int16_t& /*KeyAscii*/) {}
    virtual void KeyUp(int16_t& /*KeyCode*/, int16_t& /*Shift*/) {}
    virtual void MouseDown(int16_t& /*button*/, int16_t& /*Shift*/, float& /*X*/, float& /*Y*/) {}
    virtual void MouseMove(int16_t& /*button*/, int16_t& /*Shift*/, float& /*X*/, float& /*Y*/) {}
    virtual void MouseUp(int16_t& /*button*/, int16_t& /*Shift*/, float& /*X*/, float& /*Y*/) {}
    virtual void Change() {}
    // The change notice: the property of that name has a new value.
    virtual void PropertyChanged(const std::string& /*name*/) {}
};

}  // namespace qv
