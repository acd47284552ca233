// The screen in memory: windows placed at rectangles, and message boxes that close at once.
// The messages shown are kept for the tests; the pointer is the world's SimCursor.
#pragma once

#include <string>
#include <vector>

#include "platform/cursor.h"
#include "platform/dialogs.h"
#include "sim/sim_window_system.h"

namespace qv {

struct ScreenRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t width = 0;
    int32_t height = 0;
    bool Contains(CursorPoint p) const {
        return p.x >= left && p.y >= top && p.x < left + width && p.y < top + height;
    }
};

class SimScreen : public PointWindows {
  public:
    // Windows that are gone from `windows` or hidden there are not found under a point.
    explicit SimScreen(SimWindowSystem& windows) : windows_(windows) {}

    WindowHandle WindowFromPoint(CursorPoint point) override;
    CursorPoint ClientToScreen(WindowHandle window, CursorPoint client) override;

    // Puts a window's rectangle on the screen, above every window placed before it; its
    // client area starts at the rectangle's corner.
    void Place(WindowHandle window, ScreenRect rect);

    std::vector<std::pair<WindowHandle, ScreenRect>> placed;  // bottom first

  private:
    SimWindowSystem& windows_;
};

class SimDialogs : public Dialogs {
  public:
    void ShowMessage(WindowHandle owner, const std::string& title,
                     const std::string& text) override {
        shown.push_back({owner, title, text});
    }
    struct Message {
        WindowHandle owner;
        std::string title;
        std::string text;
    };
    std::vector<Message> shown;
};

}  // namespace qv
