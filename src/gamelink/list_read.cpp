#include "gamelink/list_read.h"

namespace qv {
namespace {
constexpr int kReadAttempts = 3;
}

std::string ReadListBoxItem(WindowSystem& windows, WindowHandle list, int row) {
    int length = windows.ListGetTextLen(list, row);
    if (length < 0) return "";
    for (int attempt = 0; attempt < kReadAttempts; ++attempt) {
        const ListRowRead read = windows.ListGetText(list, row, length + 1);
        if (read.length < 0) return "";
        if (read.length <= length) return read.text.substr(0, static_cast<size_t>(read.length));
        length = read.length;
    }
    // A row that keeps growing faster than it can be read gives up rather than guess.
    return "";
}

}  // namespace qv
