#include "gamelink/list_read.h"

namespace qv {
namespace {
constexpr int kReadAttempts = 3;
}

std::optional<std::string> ReadListBoxItem(WindowSystem& windows, WindowHandle list, int row) {
    // Lengths here are the list box's own count (UTF-16 units); they size the buffer and
    // tell whether the row fit, and never cut the UTF-8 text that comes back.
    int length = windows.ListGetTextLen(list, row);
    if (length == kNoAnswer) return std::nullopt;
    if (length < 0) return "";
    for (int attempt = 0; attempt < kReadAttempts; ++attempt) {
        ListRowRead read = windows.ListGetText(list, row, length + 1);
        if (read.length == kNoAnswer) return std::nullopt;
        if (read.length < 0) return "";
        if (read.length <= length) return std::move(read.text);
        length = read.length;
    }
    // A row that keeps growing faster than it can be read gives up rather than guess.
    return "";
}

}  // namespace qv
