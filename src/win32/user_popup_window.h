// The user pop-up `Form7` on screen: one FormWindow built from the pop-up's table each time it
// opens, placed at the cursor, and taken down when the pop-up is unloaded. The portable Form7
// decides; this only shows.
#pragma once

#include <windows.h>

#include <map>
#include <memory>

#include "userlists/user_popup.h"
#include "win32/form_window.h"

namespace qv {

class UserPopupWindow {
  public:
    // `owner` is the main window: the pop-up stays above it.
    explicit UserPopupWindow(HWND owner);
    ~UserPopupWindow();
    UserPopupWindow(const UserPopupWindow&) = delete;
    UserPopupWindow& operator=(const UserPopupWindow&) = delete;

    // What the portable pop-up calls to show itself.
    PopupScreen Screen();

    HWND Handle() const { return window_ ? window_->Handle() : nullptr; }

  private:
    static LRESULT CALLBACK MessageProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    WindowHandle Open(FormState& form, int x, int y);
    void Close();
    void Release();
    HBITMAP Picture(int number);

    HWND owner_;
    HWND messages_ = nullptr;  // receives the deferred destroy of a closed pop-up
    std::unique_ptr<FormWindow> window_;
    FormState* shown_ = nullptr;  // the controls the open window shows
    std::unique_ptr<FormWindow> closing_;
    std::map<int, HBITMAP> pictures_;
};

}  // namespace qv
