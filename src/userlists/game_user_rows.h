// Copying one of the game's user list boxes (channel users, friends) into a hidden list: the
// list emptied, the count asked once, every row appended in order, an unreadable row as empty
// text.
#pragma once

#include <string>
#include <vector>

#include "platform/window_system.h"

namespace qv {

// Replaces `rows` with the rows of the game's list box `list`. Each row is read as
// ReadListBoxItem reads it: its length first, then a buffer of that size, so a row of any
// length comes back whole and nothing is written past the buffer.
void CopyGameUserRows(WindowSystem& windows, WindowHandle list, std::vector<std::string>& rows);

}  // namespace qv
