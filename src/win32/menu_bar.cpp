#include "win32/menu_bar.h"

#include "win32/win32_text.h"

namespace qv {

HMENU BuildMenuBar(const MenuBarSpec& spec) {
    HMENU bar = CreateMenu();
    for (const MenuSpec& menu : spec) {
        HMENU popup = CreatePopupMenu();
        for (const MenuEntrySpec& entry : menu.entries) {
            AppendMenuW(popup, MF_STRING | (entry.checked ? MF_CHECKED : MF_UNCHECKED),
                        static_cast<UINT_PTR>(entry.id), Widen(entry.caption).c_str());
        }
        AppendMenuW(bar, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(popup),
                    Widen(menu.caption).c_str());
    }
    return bar;
}

MenuBarBinding::~MenuBarBinding() {
    if (state_) state_->SetViewListener(nullptr);
}

void MenuBarBinding::Bind(HWND window, MenuState& state) {
    window_ = window;
    state_ = &state;
    state.SetViewListener([this](const MenuEntrySpec& entry, bool checked) {
        CheckMenuItem(GetMenu(window_), static_cast<UINT>(entry.id),
                      MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
    });
    // The state may have changed a mark before the window was bound.
    for (const MenuSpec& menu : state.Spec()) {
        for (const MenuEntrySpec& entry : menu.entries) {
            CheckMenuItem(GetMenu(window_), static_cast<UINT>(entry.id),
                          MF_BYCOMMAND | (state.Checked(entry.name) ? MF_CHECKED : MF_UNCHECKED));
        }
    }
}

bool MenuBarBinding::OnCommand(WPARAM wp, LPARAM lp) {
    // A menu entry: no control window, notification code 0.
    if (!state_ || lp != 0 || HIWORD(wp) != 0) return false;
    return state_->ClickId(LOWORD(wp));
}

}  // namespace qv
