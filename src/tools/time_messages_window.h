// The timed-messages window `Form3` "Time messages" (Part 5.101): three messages sent one
// after another at an interval the player sets, with "%date" and "%time" filled in. Closing
// it only hides it, so the messages go on while it is out of sight.
#pragma once

#include <functional>

#include "core/form_state.h"
#include "core/timer.h"
#include "gamelink/send_paths.h"
#include "platform/platform.h"
#include "tools/status_words.h"

namespace qv {

constexpr int kTimeMessagesIntervalMs = 40000;  // at load; "Set new time" changes it
constexpr int kTimeMessagesSendDelayMs = 40;    // the one-shot that sends the three lines
constexpr const char* kTimeMessagesKey = "SaveTimeMessage\\";

FormSpec Form3Layout();

class Form3 {
  public:
    // `label6` shows the feature's status on the main window.
    Form3(Platform& platform, SendPaths& send, MainStatusLabel label6);
    Form3(const Form3&) = delete;
    Form3& operator=(const Form3&) = delete;

    // The first use loads the window (restores the three messages); later uses do nothing.
    void Load();
    bool Loaded() const { return loaded_; }
    // The menu entry: loads on first use, then shows the window with what it holds.
    void Show();
    // Told once, when the window loads (the screen makes its window then).
    std::function<void()> on_load;

    void Form_Load();
    void Command1_Click();  // "Set new time"
    void Command2_Click();  // "Start"
    void Command3_Click();  // "Stop"
    void Form_QueryUnload();
    void Timer1_Timer();
    void Timer2_Timer();

    FormState form;
    Timer Timer1;
    Timer Timer2;

  private:
    Platform& platform_;
    SendPaths& send_;
    MainStatusLabel label6_;
    bool loaded_ = false;
};

}  // namespace qv
