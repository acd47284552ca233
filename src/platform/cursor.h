// The mouse pointer: where it is (GetCursorPos), a synthetic button press or release at its
// place (mouse_event, as the user lists use it), moving it (SetCursorPos), and what lies under
// a point of the screen (WindowFromPoint, ClientToScreen), as the handle capture uses them.
#pragma once

#include <cstdint>

#include "platform/window_system.h"

namespace qv {

// A point in screen pixels (signed 32-bit, as the POINT record holds it).
struct CursorPoint {
    int32_t x = 0;
    int32_t y = 0;
    bool operator==(const CursorPoint& o) const { return x == o.x && y == o.y; }
    bool operator!=(const CursorPoint& o) const { return !(*this == o); }
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
    // Puts the pointer at a screen point.
    virtual void SetCursorPos(int32_t x, int32_t y) = 0;
};

class PointWindows {
  public:
    virtual ~PointWindows() = default;
    // The window under a screen point: the deepest visible child there; 0 when none.
    virtual WindowHandle WindowFromPoint(CursorPoint point) = 0;
    // A point of the window's client area in screen pixels; unchanged for no window.
    virtual CursorPoint ClientToScreen(WindowHandle window, CursorPoint client) = 0;
};

}  // namespace qv
