// Reading one row of another program's list box.
#pragma once

#include <optional>
#include <string>

#include "platform/window_system.h"

namespace qv {

// The row's text, or empty text when the row cannot be read (no such row, handle 0, no
// window); nothing when the list's program did not answer, so the caller can ask again
// later instead of taking the row as empty. A row that grows between the length query and
// the read is read again with room for its new length, so it comes back whole, never cut.
std::optional<std::string> ReadListBoxItem(WindowSystem& windows, WindowHandle list, int row);

}  // namespace qv
