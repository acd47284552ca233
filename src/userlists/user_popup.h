// The user pop-up `Form7`: a small tool window at the cursor that shows the
// selected user's name and sends the user commands through the main window. It is loaded
// afresh at each opening (name and skin read anew) and unloaded by every close.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "core/form_state.h"
#include "core/timer.h"
#include "platform/platform.h"

namespace qv {

constexpr int kPopupCloseCheckMs = 44;  // Form7's Timer1

// The pop-up's window on screen.
struct PopupScreen {
    // Makes the window of the loaded pop-up with its top-left corner at (x, y) in screen
    // pixels, shows it in front, and gives its handle.
    std::function<WindowHandle(FormState& form, int x, int y)> open;
    // The pop-up was unloaded: its window goes out of sight now and is destroyed at the next
    // safe moment (the close may come from inside one of the window's own messages).
    std::function<void()> close;
    // The window goes now, whatever is pending (the pop-up itself is going).
    std::function<void()> release;
};

// What the pop-up's buttons do on the main window.
struct PopupActions {
    std::function<void(const std::string& prefix, bool refresh_after)> send_user_command;
    std::function<void()> press_whisper;  // the main window's Whisper button Command4
    std::function<void()> press_send;     // the main window's Send button Command1
};

class Form7 {
  public:
    // `selected_row` reads the channel list's selected row (ItemSelectedText) anew.
    Form7(Platform& platform, std::function<std::string()> selected_row, PopupActions actions);
    ~Form7();
    Form7(const Form7&) = delete;
    Form7& operator=(const Form7&) = delete;

    void SetScreen(PopupScreen screen) { screen_ = std::move(screen); }

    // Loads the pop-up (Form_Load), places its top-left corner at (x, y) and shows it.
    void Show(int x, int y);
    // Unloads it; nothing happens when it is not loaded (CloseUserPopup).
    void Unload();
    bool Loaded() const { return form_ != nullptr; }
    // The loaded pop-up's controls; null while it is not loaded.
    FormState* Form() { return form_.get(); }
    WindowHandle hWnd() const { return hwnd_; }
    int Left() const { return left_; }
    int Top() const { return top_; }

    void Form_Load();
    void Timer1_Timer();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Command7_Click();

    Timer Timer1;

  private:
    void Wire(FormState& form);

    Platform& platform_;
    std::function<std::string()> selected_row_;
    PopupActions actions_;
    PopupScreen screen_;
    std::unique_ptr<FormState> form_;
    // The last unloaded pop-up's controls, kept until its window is surely gone.
    std::unique_ptr<FormState> retired_;
    WindowHandle hwnd_ = 0;
    int left_ = 0;
    int top_ = 0;
};

}  // namespace qv
