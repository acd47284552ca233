// The user commands that go through the main window's typing box `Text4` and
// Send button `Command1`: the pop-up's five commands (SendUserCommand), the Whisper button
// `Command4`, and the double click that appends a user's name to the typing box.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/form_state.h"
#include "core/timer.h"
#include "userlists/user_list_box.h"

namespace qv {

constexpr const char* kStatsCommand = "/stats ";
constexpr const char* kIgnoreCommand = "/ignore ";
constexpr const char* kUnignoreCommand = "/unignore ";
constexpr const char* kFriendAddCommand = "/f a ";
constexpr const char* kFriendRemoveCommand = "/f r ";
constexpr const char* kWhisperCommand = "/whisper ";

// The user name of a shown row: the characters before its first blank (empty for a row that
// begins with one); none for a row without a blank, the empty row included, and none for a
// name that holds a line break, which no real user's name does.
std::optional<std::string> UserNameOf(std::string_view row);
// The user name and the blank after it; empty when the row gives no name.
std::string NameWithBlankOf(std::string_view row);

class UserCommands {
  public:
    // `form` is the main window's table (Text4, Command1); `Timer10` the channel list's
    // one-shot refresh.
    UserCommands(FormState& form, UserListBox& ListBoxFX1, Timer& Timer10);

    // The selected user's name, read anew from ListBoxFX1 at each use.
    std::optional<std::string> SelectedUser() const;

    // Puts the prefix and the selected user's name into Text4 and presses Send; squelch and
    // unsquelch then arm Timer10. Mended (an obvious fault): without a name
    // nothing is sent and the typing box keeps what the player typed.
    void SendUserCommand(const std::string& prefix, bool refresh_after);
    // The main window's Whisper button: "/whisper ", the name, a blank and the typed text,
    // sent. Mended like the commands: without a name, or with an empty one, it sends nothing.
    void Command4_Click();
    // Appends the selected row's name and its blank to Text4; sends nothing.
    void ListBoxFX1_dblClick();

  private:
    FormState& form_;
    UserListBox& ListBoxFX1_;
    Timer& Timer10_;
};

}  // namespace qv
