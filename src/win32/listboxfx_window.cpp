#include "win32/listboxfx_window.h"

#include <windowsx.h>

namespace qv {

namespace {

constexpr wchar_t kClassName[] = L"QvListBoxFX";
// The scroll bar moves one row per arrow and per page (its small and large change).
constexpr int kRowsPerScrollStep = 1;

int16_t ShiftState() {
    int16_t shift = 0;
    if (GetKeyState(VK_SHIFT) < 0) shift |= kShiftMask;
    if (GetKeyState(VK_CONTROL) < 0) shift |= kCtrlMask;
    if (GetKeyState(VK_MENU) < 0) shift |= kAltMask;
    return shift;
}

int16_t ButtonsHeld(WPARAM wp) {
    int16_t buttons = 0;
    if (wp & MK_LBUTTON) buttons |= kButtonLeft;
    if (wp & MK_RBUTTON) buttons |= kButtonRight;
    if (wp & MK_MBUTTON) buttons |= kButtonMiddle;
    return buttons;
}

bool RegisterOnce() {
    static const bool registered = [] {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.lpszClassName = kClassName;
        return RegisterClassExW(&wc) != 0;
    }();
    return registered;
}

}  // namespace

ListBoxFXWindow::ListBoxFXWindow(HWND hwnd)
    : hwnd_(hwnd),
      canvas_(std::make_unique<GdiListCanvas>(hwnd)),
      control_(std::make_unique<ListBoxFX>(*canvas_)) {
    vbar_ = CreateWindowExW(0, L"SCROLLBAR", L"", WS_CHILD | SBS_VERT, 0, 0, 0, 0, hwnd_, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
    control_->SetFrameListener([this] { ApplyFrame(); });
}

ListBoxFXWindow* ListBoxFXWindow::Create(HWND parent, int control_id, int x, int y, int width,
                                         int height, bool visible, const PropertyBag* stored) {
    if (!RegisterOnce()) return nullptr;
    HWND hwnd =
        CreateWindowExW(0, kClassName, L"", WS_CHILD | WS_CLIPCHILDREN | WS_TABSTOP, x, y, width,
                        height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(control_id)),
                        GetModuleHandleW(nullptr), nullptr);
    if (!hwnd) return nullptr;
    auto* self = new ListBoxFXWindow(hwnd);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WndProc));
    if (stored) {
        self->control_->UserControl_ReadProperties(*stored);
    } else {
        self->control_->UserControl_InitProperties();
    }
    self->ApplyFrame();
    RECT client{};
    GetClientRect(hwnd, &client);
    self->OnSize(client.right, client.bottom);
    if (visible) ShowWindow(hwnd, SW_SHOWNA);
    return self;
}

ListBoxFXWindow* ListBoxFXWindow::FromHandle(HWND window) {
    wchar_t name[32] = {};
    GetClassNameW(window, name, 32);
    if (lstrcmpW(name, kClassName) != 0) return nullptr;
    return reinterpret_cast<ListBoxFXWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

LRESULT CALLBACK ListBoxFXWindow::WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto* self = reinterpret_cast<ListBoxFXWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self) return DefWindowProcW(hwnd, msg, wp, lp);
    if (msg == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        delete self;
        return DefWindowProcW(hwnd, msg, wp, lp);
    }
    return self->Handle(msg, wp, lp);
}

LRESULT ListBoxFXWindow::Handle(UINT msg, WPARAM wp, LPARAM lp) {
    const auto x = static_cast<float>(GET_X_LPARAM(lp));
    const auto y = static_cast<float>(GET_Y_LPARAM(lp));
    switch (msg) {
        case WM_ERASEBKGND:
            return 1;  // the back buffer covers everything
        case WM_PAINT:
            OnPaint();
            return 0;
        case WM_SIZE:
            OnSize(LOWORD(lp), HIWORD(lp));
            return 0;
        case WM_WINDOWPOSCHANGED: {
            const auto* pos = reinterpret_cast<const WINDOWPOS*>(lp);
            if (pos->flags & SWP_SHOWWINDOW) {
                // The show sorts the rows and sets the row height; what was drawn while hidden
                // shows neither, so the list is drawn again before it is seen.
                control_->Show();
                control_->RedrawList();
            }
            break;
        }
        case WM_GETDLGCODE:
            return DLGC_WANTARROWS | DLGC_WANTCHARS;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_MBUTTONUP:
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDBLCLK:
        case WM_MBUTTONDBLCLK:
            OnButton(msg, lp);
            return 0;
        case WM_MOUSEMOVE:
            control_->SurfaceMouseMove(ButtonsHeld(wp), ShiftState(), x, y);
            return 0;
        case WM_KEYDOWN:
            control_->SurfaceKeyDown(static_cast<int16_t>(wp), ShiftState());
            return 0;
        case WM_KEYUP:
            control_->SurfaceKeyUp(static_cast<int16_t>(wp), ShiftState());
            return 0;
        case WM_SYSKEYDOWN:
        case WM_SYSKEYUP: {
            // Alt combinations and F10 come as system keys; the list sees them like any key,
            // and the default handling still gets them (Alt+F4, the menu keys).
            int16_t shift = ShiftState();
            if (HIWORD(lp) & KF_ALTDOWN) shift |= kAltMask;
            if (msg == WM_SYSKEYDOWN) {
                control_->SurfaceKeyDown(static_cast<int16_t>(wp), shift);
            } else {
                control_->SurfaceKeyUp(static_cast<int16_t>(wp), shift);
            }
            break;
        }
        case WM_CHAR: {
            const wchar_t wide = static_cast<wchar_t>(wp);
            char ansi = '?';
            WideCharToMultiByte(CP_ACP, 0, &wide, 1, &ansi, 1, nullptr, nullptr);
            control_->SurfaceKeyPress(static_cast<int16_t>(static_cast<unsigned char>(ansi)));
            return 0;
        }
        case WM_VSCROLL:
            if (reinterpret_cast<HWND>(lp) == vbar_) OnScroll(LOWORD(wp));
            return 0;
        case WM_SETCURSOR:
            if (reinterpret_cast<HWND>(wp) == hwnd_ && LOWORD(lp) == HTCLIENT && OnSetCursor()) {
                return TRUE;
            }
            break;
        case WM_DESTROY:
            if (tooltip_) DestroyWindow(tooltip_);
            tooltip_ = nullptr;
            break;
        default:
            break;
    }
    return DefWindowProcW(hwnd_, msg, wp, lp);
}

void ListBoxFXWindow::OnPaint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd_, &ps);
    // Our own drawing only needs showing; anything else (uncovered, resized) is a paint of
    // the control, which redraws the list.
    if (!canvas_->TakeDirty()) {
        canvas_->SetPainting(true);
        control_->Paint();
        canvas_->SetPainting(false);
    }
    canvas_->Present(dc);
    EndPaint(hwnd_, &ps);
}

void ListBoxFXWindow::OnSize(int width, int height) {
    canvas_->Resize(width, height);
    control_->Resize(width, height, GetSystemMetrics(SM_CXVSCROLL));
    // The new back buffer is blank: the list is drawn into it at once, so a row added before
    // the next paint lands on the whole picture and not on an empty one.
    control_->RedrawList();
    InvalidateRect(hwnd_, nullptr, FALSE);
}

void ListBoxFXWindow::OnButton(UINT msg, LPARAM lp) {
    const auto x = static_cast<float>(GET_X_LPARAM(lp));
    const auto y = static_cast<float>(GET_Y_LPARAM(lp));
    const int16_t shift = ShiftState();
    int16_t button = kButtonLeft;
    if (msg == WM_RBUTTONDOWN || msg == WM_RBUTTONUP || msg == WM_RBUTTONDBLCLK) {
        button = kButtonRight;
    } else if (msg == WM_MBUTTONDOWN || msg == WM_MBUTTONUP || msg == WM_MBUTTONDBLCLK) {
        button = kButtonMiddle;
    }
    // A disabled list takes neither the focus nor the mouse; a release still lets go of a
    // capture taken before the list was disabled.
    const bool press = msg != WM_LBUTTONUP && msg != WM_RBUTTONUP && msg != WM_MBUTTONUP;
    if (press && !control_->Enabled()) return;
    switch (msg) {
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
            SetFocus(hwnd_);
            SetCapture(hwnd_);
            control_->ButtonDown(button, shift, x, y);
            break;
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDBLCLK:
        case WM_MBUTTONDBLCLK:
            SetCapture(hwnd_);
            control_->ButtonDoubleClick(button, shift, x, y);
            break;
        default:
            if (GetCapture() == hwnd_) ReleaseCapture();
            control_->ButtonUp(button, shift, x, y);
            break;
    }
}

void ListBoxFXWindow::OnScroll(int code) {
    const ScrollBarState& bar = control_->vBar();
    int value = bar.value;
    switch (code) {
        case SB_LINEUP:
        case SB_PAGEUP:
            value -= kRowsPerScrollStep;
            break;
        case SB_LINEDOWN:
        case SB_PAGEDOWN:
            value += kRowsPerScrollStep;
            break;
        case SB_TOP:
            value = 0;
            break;
        case SB_BOTTOM:
            value = bar.max;
            break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION: {
            SCROLLINFO info{sizeof info, SIF_TRACKPOS, 0, 0, 0, 0, 0};
            GetScrollInfo(vbar_, SB_CTL, &info);
            if (code == SB_THUMBTRACK) {
                control_->ScrollBarScroll(info.nTrackPos);
            } else {
                control_->ScrollBarChange(info.nTrackPos);
            }
            ApplyFrame();
            return;
        }
        default:
            return;
    }
    value = value < 0 ? 0 : (value > bar.max ? bar.max : value);
    if (value == bar.value) return;
    control_->ScrollBarChange(value);
    ApplyFrame();
}

}  // namespace qv
