// The timed-messages window `Form3` "Time messages": three messages sent one
// after another at an interval the player sets, with "%date" and "%time" filled in. Closing
// it only hides it, so the messages go on while it is out of sight.
#pragma once

#include <functional>

#include "core/form_state.h"
#include "core/timer.h"
#include "gamelink/send_paths.h"
#include "platform/platform.h"
#include "tools/status_words.h"
#include "tools/tool_window.h"

namespace qv {

constexpr int kTimeMessagesIntervalMs = 40000;  // at load; "Set new time" changes it
constexpr int kTimeMessagesSendDelayMs = 40;    // the one-shot that sends the three lines

FormSpec Form3Layout();

class Form3 : public ToolWindow {
  public:
    // `label6` shows the feature's status on the main window.
    Form3(Platform& platform, SendPaths& send, MainStatusLabel label6);

    void Form_Load() override;  // restores the three messages
    void Command1_Click();      // "Set new time"
    void Command2_Click();      // "Start"
    void Command3_Click();      // "Stop"
    void Form_QueryUnload();
    void Timer1_Timer();
    void Timer2_Timer();

    Timer Timer1;
    Timer Timer2;

  private:
    Platform& platform_;
    SendPaths& send_;
    MainStatusLabel label6_;
};

}  // namespace qv
