// The Channel, Friends and Both views of the user lists: the option buttons
// `Option1` to `Option3` place and show the two lists, and `Timer4` gives each list its own
// scroll bar above a number of rows that depends on the view. Between a tick and the next
// rebuild, change of view or switching off of the scroll bars `Timer4` rests: its ticks would
// set what they set before.
#pragma once

#include "core/form_state.h"
#include "core/timer.h"
#include "platform/platform.h"
#include "userlists/friend_list.h"
#include "userlists/user_list_box.h"

namespace qv {

constexpr int kUserListScrollBarPeriodMs = 100;  // Timer4

// Places of the lists in the Both view; the single views use kUserListTop and
// kUserListHeight.
constexpr int kBothChannelTop = 55;
constexpr int kBothChannelHeight = 227;
constexpr int kBothFriendsTop = 314;
constexpr int kBothFriendsHeight = 170;

// A list gets its scroll bar when it holds more rows than this.
constexpr int kSingleViewRowsShown = 25;
constexpr int kBothChannelRowsShown = 14;
constexpr int kBothFriendsRowsShown = 10;

class UserListViews {
  public:
    UserListViews(Platform& platform, FormState& form, UserListBox& ListBoxFX1,
                  UserListBox& ListBoxFX2, FriendList& friends);

    void Option1_Click();
    void Option2_Click();
    void Option3_Click();
    // The upkeep's refresh of the friends list in the Friends or Both view: the steps of
    // Option2_Click or Option3_Click, save that a copy the game did not answer changes nothing.
    void RefreshFromGame();
    void Timer4_Timer();

    bool ChannelView() const { return form_["Option1"].Value() != 0; }
    bool FriendsView() const { return form_["Option2"].Value() != 0; }
    bool BothView() const { return form_["Option3"].Value() != 0; }

    Timer Timer4;

  private:
    // What a friends copy that the game did not answer leaves: the player's choice of a view
    // shows the rows copied last, rebuilt in the game's order; the upkeep keeps everything.
    enum class OnNoAnswer { kRebuild, kKeep };
    void FriendsViewSteps(OnNoAnswer no_answer);
    void BothViewSteps(OnNoAnswer no_answer);

    FormState& form_;
    UserListBox& ListBoxFX1_;
    UserListBox& ListBoxFX2_;
    FriendList& friends_;
};

}  // namespace qv
