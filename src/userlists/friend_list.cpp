#include "userlists/friend_list.h"

#include "userlists/game_user_rows.h"
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

bool FriendList::CopyFriendRows() {
    return CopyGameUserRows(platform_.windows, HandleOf(boxes_.Text13), List4);
}

void FriendList::RenderFriendList() {
    UserListBox::Rebuild painting_once(ListBoxFX2_);
    // Rows without a code are added only while the box is not ticked (value 0).
    RenderUserRows(List4, Text3_, ListBoxFX2_.Control(), UserRowRules{false, Check1_.Value() == 0});
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
