// The channel window `FormChannel` "Join a Channel" (Part 5.104): fourteen fixed Battle.net
// channels plus the one the player is in, joined by typing "/join " and the name into the
// game through the main window's `time2` and `send2_Click`. It is made anew on each opening
// and unloaded on each close; it stays open after a join.
#pragma once

#include <functional>
#include <string>

#include "core/form_state.h"
#include "gamelink/send_paths.h"

namespace qv {

constexpr int kFixedChannelCount = 14;
extern const char* const kFixedChannels[kFixedChannelCount];

FormSpec FormChannelLayout();

class FormChannel {
  public:
    explicit FormChannel(SendPaths& send);
    FormChannel(const FormChannel&) = delete;
    FormChannel& operator=(const FormChannel&) = delete;

    // The load step of each opening; `label1` is the caption of the main window's `Label1`.
    void Form_Load(const std::string& label1);

    void List4_Click();
    void List4_DblClick();
    void Command2_Click();  // join
    void Command1_Click();  // close: unloads the window

    // Told when the window unloads (its close button or close box); the owner lets it go.
    std::function<void()> on_unload;

    FormState form;

  private:
    void Join();
    void Unload();

    SendPaths& send_;
};

}  // namespace qv
