// Copying one of the game's user list boxes (channel users, friends) into a hidden list, as
// `Timer6_Timer` (Part 4.101) and the friends copy (Part 4.102) do: the list emptied, the
// count asked once, every row appended in order, an unreadable row as empty text.
#pragma once

#include <string>
#include <vector>

#include "platform/window_system.h"

namespace qv {

// Room for a user row read in one message; the game's user rows are far shorter. A longer row
// is read the long way (ReadListBoxItem), so every row comes back whole.
constexpr int kUserRowCapacity = 512;

// One row as ReadListBoxItem gives it, but with one list message instead of two for a row that
// fits: the copy runs every 175 ms, and under Wine each message to the game costs the
// companion a round trip through the Wine server.
std::string ReadUserRow(WindowSystem& windows, WindowHandle list, int row);

// Replaces `rows` with the rows of the game's list box `list`.
void CopyGameUserRows(WindowSystem& windows, WindowHandle list, std::vector<std::string>& rows);

}  // namespace qv
