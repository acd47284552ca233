// The messages of the window and of its controls routed to the table's state: commands,
// painting, colours, presses on painted controls and on the surface, the close box.
#include "win32/form_window.h"

#include <commctrl.h>

namespace qv {
namespace {

int ButtonOf(UINT msg) {
    switch (msg) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            return kMouseLeft;
        case WM_RBUTTONDOWN:
        case WM_RBUTTONDBLCLK:
            return kMouseRight;
        case WM_MBUTTONDOWN:
        case WM_MBUTTONDBLCLK:
            return kMouseMiddle;
        default:
            return 0;
    }
}

}  // namespace

void FormWindow::OnSurfaceMouseDown(int button, int x, int y) {
    // The topmost painted label under the point takes the press, else the window.
    for (auto it = entries_.rbegin(); it != entries_.rend(); ++it) {
        FormControl& control = *it->control;
        if (it->hwnd || control.Spec().kind != ControlKind::kLabel || !control.Visible()) continue;
        const RECT r = ToRect(control.Bounds());
        const POINT p{x, y};
        if (PtInRect(&r, p)) {
            control.MouseDown(button);
            return;
        }
    }
    state_.MouseDown(button);
}

LRESULT CALLBACK FormWindow::WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto* self = reinterpret_cast<FormWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self) return DefWindowProcW(hwnd, msg, wp, lp);
    return self->Handle(msg, wp, lp);
}

LRESULT FormWindow::Handle(UINT msg, WPARAM wp, LPARAM lp) {
    LRESULT result = 0;
    if (message_hook_ && message_hook_(msg, wp, lp, &result)) return result;
    switch (msg) {
        case WM_COMMAND:
            if (lp != 0) OnCommand(reinterpret_cast<HWND>(lp), HIWORD(wp));
            return 0;
        case WM_ERASEBKGND:
            return 1;  // WM_PAINT paints everything
        case WM_PAINT:
            OnPaint();
            return 0;
        case WM_DRAWITEM:
            OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lp));
            return TRUE;
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
            return OnControlColour(reinterpret_cast<HDC>(wp), reinterpret_cast<HWND>(lp));
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDBLCLK:
        case WM_MBUTTONDBLCLK:
            OnSurfaceMouseDown(ButtonOf(msg), static_cast<short>(LOWORD(lp)),
                               static_cast<short>(HIWORD(lp)));
            return 0;
        case WM_CLOSE:
            state_.RequestClose();
            return 0;
        default:
            break;
    }
    return DefWindowProcW(hwnd_, msg, wp, lp);
}

LRESULT CALLBACK FormWindow::ChildProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR,
                                       DWORD_PTR data) {
    auto* self = reinterpret_cast<FormWindow*>(data);
    Entry* entry = self->EntryOf(hwnd);
    if (entry) {
        LRESULT result = 0;
        if (entry->hook && entry->hook(msg, wp, lp, &result)) return result;
        if (const int button = ButtonOf(msg)) entry->control->MouseDown(button);
    }
    if (msg == WM_NCDESTROY) {
        RemoveWindowSubclass(hwnd, ChildProc, static_cast<UINT_PTR>(GetDlgCtrlID(hwnd)));
    }
    return DefSubclassProc(hwnd, msg, wp, lp);
}

}  // namespace qv
