// The handle capture window Form2 on screen: its table through a FormWindow, borderless and
// hidden at the screen's top-left corner. It is never shown; the capture maps its spots from
// its client area to the screen with it.
#pragma once

#include <windows.h>

#include "gamelink/capture_window.h"
#include "win32/form_window.h"

namespace qv {

class CaptureWindow : public CaptureScreen {
  public:
    explicit CaptureWindow(FormState& state) : window_(state) {}
    bool Create() { return window_.Create(nullptr, 0, 0); }
    HWND Window() const { return window_.Handle(); }
    WindowHandle Handle() const override {
        return static_cast<WindowHandle>(reinterpret_cast<intptr_t>(window_.Handle()));
    }

  private:
    FormWindow window_;
};

}  // namespace qv
