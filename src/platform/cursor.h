// The mouse pointer as the user lists use it: where it is (GetCursorPos) and a synthetic
// button press or release at its place (mouse_event).
#pragma once

#include <cstdint>

namespace qv {

struct CursorPoint {
    int32_t x = 0;  // screen pixels
    int32_t y = 0;
};

// mouse_event flags.
constexpr uint32_t kMouseEventLeftDown = 0x0002;
constexpr uint32_t kMouseEventLeftUp = 0x0004;

class CursorInput {
  public:
    virtual ~CursorInput() = default;
    // False when the position cannot be read (the point is then left as it was).
    virtual bool GetCursorPos(CursorPoint* point) = 0;
    // Queues a mouse event at the pointer: it reaches the window under the pointer after the
    // current handler has returned, as input from the player does.
    virtual void MouseEvent(uint32_t flags, int32_t dx, int32_t dy, uint32_t data) = 0;
};

}  // namespace qv
