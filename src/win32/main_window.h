// The main window `Form1` on screen: its table of controls through a FormWindow, plus the
// chat view and the two user lists that it makes itself. It forwards input to the portable
// Form1 and shows what it says.
#pragma once

#include <windows.h>

#include <memory>

#include "app/form1.h"
#include "app/form1_layout.h"
#include "core/form_state.h"
#include "win32/form_window.h"
#include "win32/listboxfx_main_lists.h"
#include "win32/resource_pictures.h"
#include "win32/rich_chat_view.h"
#include "win32/tool_windows.h"
#include "win32/user_popup_window.h"
#include "win32/win32_platform.h"

namespace qv {

// The common controls that the program's windows are made of (the chat view loads the
// rich-text control itself).
void LoadControlLibraries();
// The message loop of the program's one thread, until the main window is closed; its result
// is the program's exit code.
int RunMessageLoop();

class MainWindow {
  public:
    MainWindow();
    ~MainWindow();

    // Creates the window and its controls, runs the Load steps, then shows the window.
    bool Create(int show_command);
    HWND Handle() const { return window_.Handle(); }
    // The window's logic; valid once Create has succeeded.
    Form1& form() { return *form_; }

  private:
    bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result);
    // User lists and user commands: the lists, the pop-up, the window's handle.
    void WireUserLists();
    void CreateToolWindows();  // tool windows and menu bar

    // ---- Message history and handle capture, main_window.cpp's last block ----
    void WireHistoryAndCapture();
    bool OnHistoryMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result);

    Win32Platform platform_;
    FormState layout_{Form1Layout()};
    // The skins' picture numbers are the program's bitmap resources.
    FormWindow window_{layout_, ResourcePicture};
    std::unique_ptr<RichChatView> view_;
    // The user pop-up's window outlives Form1, which takes the window down before its controls.
    std::unique_ptr<UserPopupWindow> popup_window_;
    std::unique_ptr<Form1> form_;
    MainWindowLists lists_;
    // Tool windows and menu bar: their windows go before Form1, whose states they show.
    std::unique_ptr<ToolWindowsScreen> tools_;
};

}  // namespace qv
