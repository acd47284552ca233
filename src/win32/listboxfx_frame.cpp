// What the list window shows around its surface: the scroll bar, the border, the pointer and
// the tool tip, each taken from the control's current state.
#include <windows.h>
// commctrl.h needs the types of windows.h first.
#include <commctrl.h>

#include "win32/listboxfx_window.h"
#include "win32/win32_text.h"

namespace qv {

namespace {

// The container's look: a sunken 3D frame, a flat single line, or nothing.
void FrameStyles(int32_t appearance, int32_t border_style, LONG_PTR* style, LONG_PTR* ex_style) {
    *style &= ~static_cast<LONG_PTR>(WS_BORDER);
    *ex_style &= ~static_cast<LONG_PTR>(WS_EX_CLIENTEDGE);
    if (border_style != 1) return;
    if (appearance == 1) {
        *ex_style |= WS_EX_CLIENTEDGE;
    } else {
        *style |= WS_BORDER;
    }
}

// The system cursor of each of the surface's pointer numbers 1 to 15 (0 is the class's).
const wchar_t* CursorOfPointer(int32_t pointer) {
    switch (pointer) {
        case 2:
            return IDC_CROSS;
        case 3:
            return IDC_IBEAM;
        case 5:
        case 15:
            return IDC_SIZEALL;
        case 6:
            return IDC_SIZENESW;
        case 7:
            return IDC_SIZENS;
        case 8:
            return IDC_SIZENWSE;
        case 9:
            return IDC_SIZEWE;
        case 10:
            return IDC_UPARROW;
        case 11:
            return IDC_WAIT;
        case 12:
            return IDC_NO;
        case 13:
            return IDC_APPSTARTING;
        case 14:
            return IDC_HELP;
        default:
            return IDC_ARROW;
    }
}

}  // namespace

void ListBoxFXWindow::ApplyFrame() {
    // A change made while applying (the resize that a new border causes lays the list out
    // again) is applied by another pass once this one is done.
    if (applying_frame_) {
        frame_pending_ = true;
        return;
    }
    applying_frame_ = true;
    do {
        frame_pending_ = false;
        ApplyFrameOnce();
    } while (frame_pending_);
    applying_frame_ = false;
}

void ListBoxFXWindow::ApplyFrameOnce() {
    const ListBoxFX& control = *control_;
    // The border first: it changes the client area, and the scroll bar is placed in the new one.
    LONG_PTR style = GetWindowLongPtrW(hwnd_, GWL_STYLE);
    LONG_PTR ex_style = GetWindowLongPtrW(hwnd_, GWL_EXSTYLE);
    const LONG_PTR old_style = style;
    const LONG_PTR old_ex_style = ex_style;
    FrameStyles(control.Appearance(), control.BorderStyle(), &style, &ex_style);
    if (style != old_style || ex_style != old_ex_style) {
        SetWindowLongPtrW(hwnd_, GWL_STYLE, style);
        SetWindowLongPtrW(hwnd_, GWL_EXSTYLE, ex_style);
        SetWindowPos(hwnd_, nullptr, 0, 0, 0, 0,
                     SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }

    const ScrollBarState& bar = control.vBar();
    // The bar is set (and repainted) only when its range or position changed: a rebuild lays
    // the frame out once per added row.
    SCROLLINFO held{sizeof held, SIF_RANGE | SIF_POS | SIF_PAGE, 0, 0, 0, 0, 0};
    if (!GetScrollInfo(vbar_, SB_CTL, &held) || held.nMin != 0 || held.nMax != bar.max ||
        held.nPage != 0 || held.nPos != bar.value) {
        SCROLLINFO info{sizeof info, SIF_RANGE | SIF_POS | SIF_PAGE, 0, bar.max, 0, bar.value, 0};
        SetScrollInfo(vbar_, SB_CTL, &info, TRUE);
    }
    // The bar is moved only here, so the place it was given last is where it is: asking the
    // window for it would cost a trip to the window server each time a row is added.
    const ListRect& b = bar.bounds;
    const RECT& now = bar_place_;
    if (now.left != b.left || now.top != b.top || now.right != b.right || now.bottom != b.bottom) {
        MoveWindow(vbar_, b.left, b.top, b.right - b.left, b.bottom - b.top, TRUE);
        bar_place_ = RECT{b.left, b.top, b.right, b.bottom};
    }
    const bool shown = (GetWindowLongW(vbar_, GWL_STYLE) & WS_VISIBLE) != 0;
    if (shown != bar.visible) ShowWindow(vbar_, bar.visible ? SW_SHOWNA : SW_HIDE);

    // A list disabled during a press lets the mouse go at once.
    if (!control.Enabled() && GetCapture() == hwnd_) ReleaseCapture();
    ApplyHint();
}

void ListBoxFXWindow::ApplyHint() {
    const std::string& hint = control_->Hint();
    if (hint == shown_hint_) return;
    shown_hint_ = hint;
    if (!tooltip_) {
        tooltip_ =
            CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                            CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_,
                            nullptr, GetModuleHandleW(nullptr), nullptr);
        if (!tooltip_) return;
        TOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = hwnd_;
        tool.uId = reinterpret_cast<UINT_PTR>(hwnd_);
        tool.lpszText = const_cast<wchar_t*>(L"");
        SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    std::wstring text = Widen(hint);
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = hwnd_;
    tool.uId = reinterpret_cast<UINT_PTR>(hwnd_);
    tool.lpszText = text.data();
    SendMessageW(tooltip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    SendMessageW(tooltip_, TTM_ACTIVATE, hint.empty() ? FALSE : TRUE, 0);
}

bool ListBoxFXWindow::OnSetCursor() {
    const int32_t pointer = control_->MousePointer();
    if (pointer == 0) return false;
    HCURSOR cursor = nullptr;
    if (pointer == 99 && control_->MouseIcon()) {
        cursor =
            static_cast<HCURSOR>(LoadImageW(nullptr, Widen(control_->MouseIcon()->source).c_str(),
                                            IMAGE_CURSOR, 0, 0, LR_LOADFROMFILE | LR_SHARED));
    }
    if (!cursor) cursor = LoadCursorW(nullptr, CursorOfPointer(pointer));
    SetCursor(cursor);
    return true;
}

}  // namespace qv
