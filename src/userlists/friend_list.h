// The friends list: the game's friends list box copied into `List4` and shown in
// `ListBoxFX2` with product icons; "Hide offline friends" (`Check1`) leaves out the rows
// without a product code, and `Label9` "Online" shows while it is ticked.
#pragma once

#include <string>
#include <vector>

#include "core/form_state.h"
#include "gamelink/game_control_map.h"
#include "platform/platform.h"
#include "userlists/user_list_box.h"

namespace qv {

class FriendList {
  public:
    // `Check1` and `Label9` are controls of the main window's table; `Text3` is the column
    // separator the channel list keeps.
    FriendList(Platform& platform, HandleBoxes& boxes, FormControl& Check1, FormControl& Label9,
               UserListBox& ListBoxFX2, const std::string& Text3);

    // Replaces `List4` with the rows of the game's friends list box; false, with `List4` as it
    // was, when the game did not answer.
    bool CopyFriendRows();
    void RenderFriendList();
    void Check1_Click();

    std::vector<std::string> List4;

  private:
    Platform& platform_;
    HandleBoxes& boxes_;
    FormControl& Check1_;
    FormControl& Label9_;
    UserListBox& ListBoxFX2_;
    const std::string& Text3_;
};

}  // namespace qv
