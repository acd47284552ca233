// Any menu bar table (app/menu_spec.h) on screen: builds the Win32 menu and keeps its check
// marks in step with the state; a chosen entry goes back to the state.
#pragma once

#include <windows.h>

#include "app/menu_spec.h"

namespace qv {

// A menu bar with the table's menus and entries, check marks as at load. The window that
// gets it (FormWindow::Create) owns it.
HMENU BuildMenuBar(const MenuBarSpec& spec);

class MenuBarBinding {
  public:
    MenuBarBinding() = default;
    ~MenuBarBinding();
    MenuBarBinding(const MenuBarBinding&) = delete;
    MenuBarBinding& operator=(const MenuBarBinding&) = delete;

    // Shows the state's check marks on the window's menu bar from now on.
    void Bind(HWND window, MenuState& state);
    // A WM_COMMAND of the window: true when it was a menu entry of the state.
    bool OnCommand(WPARAM wp, LPARAM lp);

  private:
    HWND window_ = nullptr;
    MenuState* state_ = nullptr;
};

}  // namespace qv
