#include "userlists/game_user_rows.h"

#include "gamelink/list_read.h"

namespace qv {

void CopyGameUserRows(WindowSystem& windows, WindowHandle list, std::vector<std::string>& rows) {
    rows.clear();
    const int n = windows.ListGetCount(list);
    for (int i = 0; i < n; ++i) rows.push_back(ReadListBoxItem(windows, list, i));
}

}  // namespace qv
