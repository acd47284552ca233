// The real screen: the window under a point, client points on the screen, and message boxes.
#pragma once

#include "platform/cursor.h"
#include "platform/dialogs.h"

namespace qv {

class Win32PointWindows : public PointWindows {
  public:
    WindowHandle WindowFromPoint(CursorPoint point) override;
    CursorPoint ClientToScreen(WindowHandle window, CursorPoint client) override;
};

class Win32Dialogs : public Dialogs {
  public:
    void ShowMessage(WindowHandle owner, const std::string& title,
                     const std::string& text) override;
};

}  // namespace qv
