// The channel user list (Part 4.101): `Timer6` copies the game's channel user list box into
// `List1`, `Timer1` publishes the count into `Text5`, `Timer8` reads the channel name into
// `Label1`, and the list `ListBoxFX1` is rebuilt with product icons when the count or the name
// changes, and 700 ms after a squelch or unsquelch (`Timer10`).
#pragma once

#include <string>
#include <vector>

#include "core/change_field.h"
#include "core/form_state.h"
#include "core/timer.h"
#include "gamelink/game_control_map.h"
#include "platform/platform.h"
#include "userlists/user_list_box.h"

namespace qv {

constexpr int kChannelCopyPeriodMs = 175;     // Timer6
constexpr int kCountPublishPeriodMs = 60;     // Timer1
constexpr int kChannelNamePeriodMs = 1000;    // Timer8
constexpr int kUserIconRefreshDelayMs = 700;  // Timer10, once

// The column separator of the game's rows, held by the hidden box `Text3`.
constexpr const char* kUserRowSeparator = "\t";

class ChannelUserList {
  public:
    // `List1` is the main window's hidden list (read by the greet window too); `Label1` its
    // channel-name label; `ListBoxFX1` the shown channel list.
    ChannelUserList(Platform& platform, HandleBoxes& boxes, std::vector<std::string>& List1,
                    FormControl& Label1, UserListBox& ListBoxFX1);

    // Switches on the timers that run from load.
    void Start();

    void Timer6_Timer();
    void Timer1_Timer();
    void Timer8_Timer();
    void Timer10_Timer();
    void Text5_Change() { RenderChannelUserList(); }
    void Label1_Change() { RenderChannelUserList(); }
    void RenderChannelUserList();

    TextField Text5;                       // List1's count as decimal text
    std::string Text3{kUserRowSeparator};  // one TAB; written by nothing
    Timer Timer6;
    Timer Timer1;
    Timer Timer8;
    Timer Timer10;

  private:
    Platform& platform_;
    HandleBoxes& boxes_;
    std::vector<std::string>& List1_;
    FormControl& Label1_;
    UserListBox& ListBoxFX1_;
};

}  // namespace qv
