// The window and its state kept in step: what the state changes shows on screen, and what the
// player types, clicks and chooses goes back to the state.
#include "win32/form_window.h"

#include <utility>

#include "win32/win32_text.h"

namespace qv {

void FormWindow::InvalidateControl(const FormControl& control) {
    RECT r = ToRect(control.Bounds());
    if (control.Spec().kind == ControlKind::kLine) {
        // A line's box may be empty in one direction; give it a pixel each way.
        if (r.left > r.right) std::swap(r.left, r.right);
        if (r.top > r.bottom) std::swap(r.top, r.bottom);
        InflateRect(&r, 1, 1);
    }
    InvalidateRect(hwnd_, &r, FALSE);
}

void FormWindow::Mirror(Entry& entry, ControlProperty property) {
    FormControl& control = *entry.control;
    if (!hwnd_) return;
    if (!entry.hwnd) {
        InvalidateControl(control);
        return;
    }
    switch (property) {
        case ControlProperty::kText:
            if (!entry.syncing) {
                entry.syncing = true;
                SetWindowTextW(entry.hwnd, Widen(control.Text()).c_str());
                entry.syncing = false;
            }
            break;
        case ControlProperty::kForeColour:
        case ControlProperty::kPicture:
            InvalidateRect(entry.hwnd, nullptr, TRUE);
            break;
        case ControlProperty::kVisible:
            ShowWindow(entry.hwnd, control.Visible() ? SW_SHOWNA : SW_HIDE);
            break;
        case ControlProperty::kEnabled:
            EnableWindow(entry.hwnd, control.Enabled());
            break;
        case ControlProperty::kValue:
            if (control.Spec().kind == ControlKind::kCheckBox ||
                control.Spec().kind == ControlKind::kOptionButton) {
                SendMessageW(entry.hwnd, BM_SETCHECK, static_cast<WPARAM>(control.Value()), 0);
            }
            break;
        case ControlProperty::kBounds: {
            const ControlRect r = control.Bounds();
            MoveWindow(entry.hwnd, r.left, r.top, r.width, r.height, TRUE);
            break;
        }
        case ControlProperty::kRows:
            if (control.Spec().kind != ControlKind::kListBox) break;
            SendMessageW(entry.hwnd, WM_SETREDRAW, FALSE, 0);
            SendMessageW(entry.hwnd, LB_RESETCONTENT, 0, 0);
            for (const std::string& row : control.Rows()) {
                SendMessageW(entry.hwnd, LB_ADDSTRING, 0,
                             reinterpret_cast<LPARAM>(Widen(row).c_str()));
            }
            SendMessageW(entry.hwnd, LB_SETCURSEL, static_cast<WPARAM>(control.Selected()), 0);
            SendMessageW(entry.hwnd, WM_SETREDRAW, TRUE, 0);
            InvalidateRect(entry.hwnd, nullptr, TRUE);
            break;
        case ControlProperty::kSelection:
            if (!entry.syncing) {
                SendMessageW(entry.hwnd, LB_SETCURSEL, static_cast<WPARAM>(control.Selected()), 0);
            }
            break;
    }
}

void FormWindow::MirrorForm(FormProperty property) {
    switch (property) {
        case FormProperty::kVisible:
            if (state_.Visible()) {
                ShowWindow(hwnd_, SW_SHOW);
                SetForegroundWindow(hwnd_);
            } else {
                ShowWindow(hwnd_, SW_HIDE);
            }
            break;
        case FormProperty::kPicture:
            // The controls that show the background through them repaint too.
            RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
            break;
    }
}

void FormWindow::OnCommand(HWND from, int code) {
    Entry* found = EntryOf(from);
    if (!found) return;
    Entry& entry = *found;
    FormControl& control = *entry.control;
    switch (control.Spec().kind) {
        case ControlKind::kTextBox:
            if (code == EN_CHANGE && !entry.syncing) {
                const int n = GetWindowTextLengthW(entry.hwnd);
                std::wstring text(static_cast<size_t>(n) + 1, L'\0');
                const int got = GetWindowTextW(entry.hwnd, text.data(), n + 1);
                text.resize(got > 0 ? static_cast<size_t>(got) : 0);
                const std::string typed = Narrow(text);
                entry.syncing = true;
                control.SetText(typed);
                entry.syncing = false;
                // A change handler that rewrote this very box: the box shows what it holds.
                if (control.Text() != typed) Mirror(entry, ControlProperty::kText);
            }
            break;
        case ControlKind::kListBox:
            if (code == LBN_SELCHANGE) {
                const int row = static_cast<int>(SendMessageW(entry.hwnd, LB_GETCURSEL, 0, 0));
                entry.syncing = true;
                control.ClickRow(row);
                entry.syncing = false;
                if (control.Selected() != row) Mirror(entry, ControlProperty::kSelection);
            } else if (code == LBN_DBLCLK) {
                control.DoubleClick();
            }
            break;
        default:
            if (code == BN_CLICKED) control.Click();
            break;
    }
}

}  // namespace qv
