// The main window `Form1` on screen: creates the controls, forwards their input to the
// portable Form1 and shows what it says.
#pragma once

#include <windows.h>

#include <memory>

#include "app/form1.h"
#include "win32/listboxfx_main_lists.h"
#include "win32/rich_chat_view.h"
#include "win32/win32_platform.h"

namespace qv {

// Control ids, also used by the tests that drive the window from another process.
enum MainControlId : int {
    kIdCommand1 = 1001,  // Send
    kIdText4 = 1004,     // typing box
    kIdCommand5 = 1005,  // game's Quit, then end
    kIdCommand7 = 1007,  // game's Create
    kIdCommand8 = 1008,  // game's Join
    kIdText9 = 1009,     // loading note, below the visible client area
    kIdRichTextBox2 = 1102,
    kIdListBoxFX1 = 1201,  // channel users
    kIdListBoxFX2 = 1202,  // friends, hidden in the same place
};

constexpr int kMainClientWidth = 765;
constexpr int kMainClientHeight = 540;

class MainWindow {
  public:
    MainWindow();
    ~MainWindow();

    // Creates the window and its controls, runs the Load steps, then shows the window.
    bool Create(int show_command);
    HWND Handle() const { return hwnd_; }

  private:
    static LRESULT CALLBACK WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    static LRESULT CALLBACK TypingBoxProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id,
                                          DWORD_PTR data);
    LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp);
    void CreateControls();
    HWND AddControl(const wchar_t* cls, const wchar_t* text, DWORD style, int id, int x, int y,
                    int w, int h);
    void OnCommand(int id, int code, HWND control);

    Win32Platform platform_;
    std::unique_ptr<RichChatView> view_;
    std::unique_ptr<Form1> form_;
    MainWindowLists lists_;
    HWND hwnd_ = nullptr;
    HWND text4_ = nullptr;
    HWND text9_ = nullptr;
    HFONT font_ = nullptr;
    HBRUSH background_ = nullptr;
    HBRUSH typing_background_ = nullptr;
    bool syncing_text4_ = false;
};

}  // namespace qv
