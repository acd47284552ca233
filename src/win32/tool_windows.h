// The tool windows and the menu bar of the main window on screen (issue 9): each tool window
// that Form1 loads gets a FormWindow built from its table, and goes with it when it unloads;
// the menu bar's commands reach Form1's menu state.
#pragma once

#include <windows.h>

#include <map>
#include <memory>

#include "app/form1.h"
#include "win32/form_window.h"
#include "win32/menu_bar.h"
#include "win32/win32_shell.h"

namespace qv {

// A tool window's table on screen, hidden until its state shows it, at (x, y) on the screen.
std::unique_ptr<FormWindow> MakeToolWindow(FormState& state, int x, int y);

class ToolWindowsScreen {
  public:
    // `main` is the main window, made with BuildMenuBar(Form1Menu()).
    ToolWindowsScreen(Form1& form, HWND main);
    ~ToolWindowsScreen();
    ToolWindowsScreen(const ToolWindowsScreen&) = delete;
    ToolWindowsScreen& operator=(const ToolWindowsScreen&) = delete;

    // A message of the main window: true with *result when it was a menu command.
    bool OnMainMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result);

  private:
    void Loaded(FormState& state);
    void Unloaded(FormState& state);

    Form1& form_;
    HWND main_;
    MenuBarBinding menu_;
    Win32Shell shell_;
    std::map<FormState*, std::unique_ptr<FormWindow>> windows_;
    int loads_ = 0;
};

}  // namespace qv
