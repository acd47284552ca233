#include "userlists/user_list_views.h"

namespace qv {
namespace {

// Appearance 0: flat; 1: sunken 3D frame.
constexpr int kFlat = 0;
constexpr int kSunken = 1;

void SetScrollBar(ListBoxFX& list, bool shown) {
    // Writing the value the list holds changes nothing it shows; it is left out so the list
    // does not lay out its frame ten times a second.
    if (list.scrollbar() != shown) list.SetScrollbar(shown);
}

void SetAppearance(UserListBox& list, int appearance) {
    // Likewise: the Both view sets its frames again on every upkeep tick.
    if (list.Control().Appearance() != appearance) list.Control().SetAppearance(appearance);
}

}  // namespace

UserListViews::UserListViews(Platform& platform, FormState& form, UserListBox& ListBoxFX1,
                             UserListBox& ListBoxFX2, FriendList& friends)
    : Timer4(platform.timers, "Timer4", kUserListScrollBarPeriodMs),
      form_(form),
      ListBoxFX1_(ListBoxFX1),
      ListBoxFX2_(ListBoxFX2),
      friends_(friends) {
    Timer4.SetHandler([this] { Timer4_Timer(); });
    ListBoxFX1_.OnRebuilt([this] { Timer4.Wake(); });
    ListBoxFX2_.OnRebuilt([this] { Timer4.Wake(); });
}

void UserListViews::Option1_Click() {
    Timer4.Wake();
    if (!ChannelView()) return;
    ListBoxFX1_.SetTop(kUserListTop);
    SetAppearance(ListBoxFX1_, kFlat);
    ListBoxFX1_.SetHeight(kUserListHeight);
    ListBoxFX1_.SetVisible(true);
    ListBoxFX2_.SetVisible(false);
}

void UserListViews::Option2_Click() { FriendsViewSteps(OnNoAnswer::kRebuild); }

void UserListViews::Option3_Click() { BothViewSteps(OnNoAnswer::kRebuild); }

void UserListViews::RefreshFromGame() {
    if (FriendsView()) FriendsViewSteps(OnNoAnswer::kKeep);
    if (BothView()) BothViewSteps(OnNoAnswer::kKeep);
}

void UserListViews::FriendsViewSteps(OnNoAnswer no_answer) {
    Timer4.Wake();
    if (FriendsView()) {
        SetAppearance(ListBoxFX2_, kFlat);
        ListBoxFX2_.SetHeight(kUserListHeight);
        ListBoxFX2_.SetTop(kUserListTop);
        ListBoxFX2_.SetVisible(true);
        ListBoxFX1_.SetVisible(false);
        if (!friends_.CopyFriendRows() && no_answer == OnNoAnswer::kKeep) return;
    }
    friends_.RenderFriendList();
}

void UserListViews::BothViewSteps(OnNoAnswer no_answer) {
    Timer4.Wake();
    if (BothView()) {
        SetAppearance(ListBoxFX1_, kSunken);
        SetAppearance(ListBoxFX2_, kSunken);
        ListBoxFX1_.SetHeight(kBothChannelHeight);
        ListBoxFX2_.SetTop(kBothFriendsTop);
        ListBoxFX1_.SetTop(kBothChannelTop);
        ListBoxFX2_.SetHeight(kBothFriendsHeight);
        if (!friends_.CopyFriendRows() && no_answer == OnNoAnswer::kKeep) return;
    }
    friends_.RenderFriendList();
    ListBoxFX1_.SetVisible(true);
    ListBoxFX2_.SetVisible(true);
}

void UserListViews::Timer4_Timer() {
    ListBoxFX& channel = ListBoxFX1_.Control();
    ListBoxFX& friends = ListBoxFX2_.Control();
    if (BothView()) {
        SetScrollBar(channel, channel.ListCount() > kBothChannelRowsShown);
        SetScrollBar(friends, friends.ListCount() > kBothFriendsRowsShown);
    } else {
        SetScrollBar(channel, channel.ListCount() > kSingleViewRowsShown);
        SetScrollBar(friends, friends.ListCount() > kSingleViewRowsShown);
    }
    // The next ticks would set the same: the timer rests until a list is rebuilt, the view
    // changes or the Load steps switch the scroll bars off.
    Timer4.Rest();
}

}  // namespace qv
