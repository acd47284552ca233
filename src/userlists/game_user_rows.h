// Copying one of the game's user list boxes (channel users, friends) into a hidden list: the
// count asked once, every row read in order, an unreadable row as empty text. A game that
// does not answer leaves the hidden list as it was.
#pragma once

#include <string>
#include <vector>

#include "platform/window_system.h"

namespace qv {

// Replaces `rows` with the rows of the game's list box `list` and gives true. Each row is read
// as ReadListBoxItem reads it: its length first, then a buffer of that size, so a row of any
// length comes back whole and nothing is written past the buffer. When the count or any row
// gets no answer, `rows` keeps the last whole copy and the result is false: no half copy and
// no empty list stands for rows the game still has.
bool CopyGameUserRows(WindowSystem& windows, WindowHandle list, std::vector<std::string>& rows);

}  // namespace qv
