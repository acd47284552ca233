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
    // drawn into the list's picture, and one paint shows the whole list when the rebuild ends,
    // or none when the rebuilt list looks as it did. A hidden list is left alone: turning
    // redrawing on would show it.
    struct Hold {
        bool held = false;
        bool paint_due = false;
    };
    auto state = std::make_shared<Hold>();
    GdiListCanvas* canvas = &window->Canvas();
    list.OnHoldPainting([hwnd, state, canvas](bool hold) {
        if (hold && !state->held && IsWindowVisible(hwnd)) {
            // Turning redrawing off drops a paint that was due; it is asked for again after.
            state->paint_due = GetUpdateRect(hwnd, nullptr, FALSE) != FALSE;
            canvas->Hold();
            SendMessageW(hwnd, WM_SETREDRAW, FALSE, 0);
            state->held = true;
        } else if (!hold && state->held) {
            SendMessageW(hwnd, WM_SETREDRAW, TRUE, 0);
            if (!canvas->Release() && state->paint_due) InvalidateRect(hwnd, nullptr, FALSE);
            state->held = false;
        }
    });
}

}  // namespace qv
