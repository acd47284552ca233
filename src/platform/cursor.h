// The mouse cursor and what lies under a point of the screen, as the handle capture window
// uses them (GetCursorPos, SetCursorPos, WindowFromPoint, ClientToScreen).
#pragma once

#include <cstdint>

#include "platform/window_system.h"

namespace qv {

// A point in pixels (signed 32-bit, as the POINT record holds it).
struct ScreenPoint {
    int32_t x = 0;
    int32_t y = 0;
    bool operator==(const ScreenPoint& o) const { return x == o.x && y == o.y; }
    bool operator!=(const ScreenPoint& o) const { return !(*this == o); }
};

class Cursor {
  public:
    virtual ~Cursor() = default;
    // Where the cursor is, in screen pixels.
    virtual ScreenPoint GetCursorPos() = 0;
    virtual void SetCursorPos(int32_t x, int32_t y) = 0;
};

class PointWindows {
  public:
    virtual ~PointWindows() = default;
    // The window under a screen point: the deepest visible child there; 0 when none.
    virtual WindowHandle WindowFromPoint(ScreenPoint point) = 0;
    // A point of the window's client area in screen pixels; unchanged for no window.
    virtual ScreenPoint ClientToScreen(WindowHandle window, ScreenPoint client) = 0;
};

}  // namespace qv
