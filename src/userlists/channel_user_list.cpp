#include "userlists/channel_user_list.h"

#include "core/number_text.h"
#include "userlists/game_user_rows.h"
#include "userlists/user_rows.h"

namespace qv {

ChannelUserList::ChannelUserList(Platform& platform, HandleBoxes& boxes,
                                 std::vector<std::string>& List1, FormControl& Label1,
                                 UserListBox& ListBoxFX1)
    : Timer6(platform.timers, "Timer6", kChannelCopyPeriodMs),
      Timer1(platform.timers, "Timer1", kCountPublishPeriodMs),
      Timer8(platform.timers, "Timer8", kChannelNamePeriodMs),
      Timer10(platform.timers, "Timer10", kUserIconRefreshDelayMs, true),
      platform_(platform),
      boxes_(boxes),
      List1_(List1),
      Label1_(Label1),
      ListBoxFX1_(ListBoxFX1) {
    Timer6.SetHandler([this] { Timer6_Timer(); });
    Timer1.SetHandler([this] { Timer1_Timer(); });
    Timer8.SetHandler([this] { Timer8_Timer(); });
    Timer10.SetHandler([this] { Timer10_Timer(); });
    Text5.OnChange([this] { Text5_Change(); });
}

void ChannelUserList::Start() {
    Timer6.SetEnabled(true);
    Timer1.SetEnabled(true);
    Timer8.SetEnabled(true);
}

void ChannelUserList::Timer6_Timer() {
    // The whole copy runs within one tick: no other handler sees List1 half filled. A game
    // that does not answer leaves List1 as it was, so the count, the shown list and the
    // greeting do not take its users for gone.
    CopyGameUserRows(platform_.windows, HandleOf(boxes_.channel), List1_);
    if (DecimalText(static_cast<int64_t>(List1_.size())) != Text5.Get()) Timer1.Wake();
}

void ChannelUserList::Timer1_Timer() {
    Text5.Set(DecimalText(static_cast<int64_t>(List1_.size())));
    // Until the copier changes the count, the next ticks would publish the same one.
    Timer1.Rest();
}

void ChannelUserList::Timer8_Timer() {
    // No answer keeps the name shown; the next tick asks again.
    if (auto name = platform_.windows.GetText(HandleOf(boxes_.channeln))) Label1_.SetText(*name);
}

void ChannelUserList::Timer10_Timer() {
    RenderChannelUserList();
    Timer10.SetEnabled(false);
}

void ChannelUserList::RenderChannelUserList() {
    UserListBox::Rebuild painting_once(ListBoxFX1_);
    RenderUserRows(List1_, Text3, ListBoxFX1_.Control(), UserRowRules{true, false});
}

}  // namespace qv
