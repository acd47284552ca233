// The real screen: the cursor, the window under a point, and message boxes.
#pragma once

#include "platform/cursor.h"
#include "platform/dialogs.h"

namespace qv {

class Win32Cursor : public Cursor, public PointWindows {
  public:
    ScreenPoint GetCursorPos() override;
    void SetCursorPos(int32_t x, int32_t y) override;
    WindowHandle WindowFromPoint(ScreenPoint point) override;
    ScreenPoint ClientToScreen(WindowHandle window, ScreenPoint client) override;
};

class Win32Dialogs : public Dialogs {
  public:
    void ShowMessage(WindowHandle owner, const std::string& title,
                     const std::string& text) override;
};

}  // namespace qv
