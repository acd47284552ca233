#include "win32/user_list_windows.h"

#include <memory>

namespace qv {

void AttachUserListWindow(UserListBox& list, ListBoxFXWindow* window) {
    if (!window) return;
    list.Attach(window->Control());
    HWND hwnd = window->Handle();
    // A list made visible on a main window that is not shown yet gets no show message under
    // Wine, so it never learnt its row height and would draw every row on the first. Its
    // showing steps run here instead (on Windows they have run, and the height is set).
    ListBoxFX& control = window->Control();
    if ((GetWindowLongW(hwnd, GWL_STYLE) & WS_VISIBLE) && control.ItemHeight() == 0) {
        control.Show();
        control.RedrawList();
    }
    list.OnPlaceChange([&list, hwnd] {
        SetWindowPos(hwnd, nullptr, kUserListLeft, list.Top(), kUserListWidth, list.Height(),
                     SWP_NOZORDER | SWP_NOACTIVATE);
        const bool shown = (GetWindowLongW(hwnd, GWL_STYLE) & WS_VISIBLE) != 0;
        if (shown != list.Visible()) ShowWindow(hwnd, list.Visible() ? SW_SHOWNA : SW_HIDE);
    });
    // Each added row asks the list to paint at once; with redrawing off the rows are only
    // drawn into the list's picture, and one paint shows the whole list when the rebuild ends.
    // A hidden list is left alone: turning redrawing on would show it.
    auto held = std::make_shared<bool>(false);
    list.OnHoldPainting([hwnd, held](bool hold) {
        if (hold && !*held && IsWindowVisible(hwnd)) {
            SendMessageW(hwnd, WM_SETREDRAW, FALSE, 0);
            *held = true;
        } else if (!hold && *held) {
            SendMessageW(hwnd, WM_SETREDRAW, TRUE, 0);
            InvalidateRect(hwnd, nullptr, FALSE);
            *held = false;
        }
    });
}

}  // namespace qv
