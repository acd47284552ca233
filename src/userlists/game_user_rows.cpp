#include "userlists/game_user_rows.h"

#include "gamelink/list_read.h"

namespace qv {

std::string ReadUserRow(WindowSystem& windows, WindowHandle list, int row) {
    ListRowRead read = windows.ListGetText(list, row, kUserRowCapacity);
    // No such row, no window, or no answer: empty, as ReadListBoxItem reads them.
    if (read.length < 0) return "";
    if (read.length <= kUserRowCapacity - 1) return std::move(read.text);
    return ReadListBoxItem(windows, list, row);
}

void CopyGameUserRows(WindowSystem& windows, WindowHandle list, std::vector<std::string>& rows) {
    rows.clear();
    const int n = windows.ListGetCount(list);
    for (int i = 0; i < n; ++i) rows.push_back(ReadUserRow(windows, list, i));
}

}  // namespace qv
