#include "userlists/game_user_rows.h"

#include "gamelink/list_read.h"

namespace qv {

bool CopyGameUserRows(WindowSystem& windows, WindowHandle list, std::vector<std::string>& rows) {
    const int n = windows.ListGetCount(list);
    if (n == kNoAnswer) return false;
    std::vector<std::string> copy;
    if (n > 0) copy.reserve(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
        std::optional<std::string> row = ReadListBoxItem(windows, list, i);
        if (!row) return false;
        copy.push_back(std::move(*row));
    }
    rows.swap(copy);
    return true;
}

}  // namespace qv
