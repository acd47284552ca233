#include "userlists/friend_list.h"

#include "gamelink/list_read.h"
#include "userlists/user_rows.h"

namespace qv {

FriendList::FriendList(Platform& platform, HandleBoxes& boxes, FormControl& Check1,
                       FormControl& Label9, UserListBox& ListBoxFX2, const std::string& Text3)
    : platform_(platform),
      boxes_(boxes),
      Check1_(Check1),
      Label9_(Label9),
      ListBoxFX2_(ListBoxFX2),
      Text3_(Text3) {}

void FriendList::CopyFriendRows() {
    List4.clear();
    const int n = platform_.windows.ListGetCount(HandleOf(boxes_.Text13));
    for (int i = 0; i < n; ++i) {
        List4.push_back(ReadListBoxItem(platform_.windows, HandleOf(boxes_.Text13), i));
    }
}

void FriendList::RenderFriendList() {
    UserListBox::Rebuild painting_once(ListBoxFX2_);
    // Rows without a code are added only while the box is not ticked (value 0).
    RenderUserRows(List4, Text3_, ListBoxFX2_.Control(),
                   UserRowRules{false, Check1_.Value() == 0});
}

void FriendList::Check1_Click() {
    if (Check1_.Value() == 0) Label9_.SetVisible(false);
    if (Check1_.Value() == 1) {
        Label9_.SetVisible(true);
        CopyFriendRows();
    }
    RenderFriendList();
}

}  // namespace qv
