// Reading one row of another program's list box.
#pragma once

#include <string>

#include "platform/window_system.h"

namespace qv {

// The row's text, or empty text when the row cannot be read (no such row, handle 0, no
// window). A row that grows between the length query and the read is read again with
// room for its new length, so it comes back whole and never cut.
std::string ReadListBoxItem(WindowSystem& windows, WindowHandle list, int row);

}  // namespace qv
