#include "win32/form_window.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdio>

#include "win32/win32_text.h"

namespace qv {
namespace {

constexpr int kFirstControlId = 2000;
constexpr double kDefaultPoints = 8.25;
constexpr const char* kDefaultFace = "MS Sans Serif";

bool Painted(ControlKind kind) {
    return kind == ControlKind::kLabel || kind == ControlKind::kFrame ||
           kind == ControlKind::kLine || kind == ControlKind::kPicture ||
           kind == ControlKind::kHost;
}

// Each window has a class of its own, "Quorvane" and its name, so another program (or a
// test) can find it.
std::wstring RegisterFormClass(const char* form_name) {
    const std::wstring name = L"Quorvane" + Widen(form_name);
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof existing;
    if (GetClassInfoExW(GetModuleHandleW(nullptr), name.c_str(), &existing)) return name;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = DefWindowProcW;  // replaced per window by its FormWindow
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
    wc.lpszClassName = name.c_str();
    RegisterClassExW(&wc);
    return name;
}

DWORD StyleOf(FormFrame frame, DWORD* ex_style) {
    *ex_style = 0;
    switch (frame) {
        case FormFrame::kMain:
            return WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
        case FormFrame::kFixed:
            *ex_style = WS_EX_DLGMODALFRAME;
            return WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
        case FormFrame::kToolWindow:
            *ex_style = WS_EX_TOOLWINDOW;
            return WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
        case FormFrame::kSizable:
            return WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
        case FormFrame::kBorderless:
            return WS_POPUP | WS_CLIPCHILDREN;
    }
    return WS_OVERLAPPEDWINDOW;
}

RECT ToRect(const ControlRect& r) { return {r.left, r.top, r.left + r.width, r.top + r.height}; }

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

COLORREF ScreenColour(uint32_t colour, COLORREF fallback) {
    if (colour == kDefaultColour || colour == kTransparent) return fallback;
    if (colour & kSystemColourFlag) return GetSysColor(static_cast<int>(colour & 0xFF));
    return static_cast<COLORREF>(colour);
}

FormWindow::FormWindow(FormState& state, PictureSource pictures)
    : state_(state), pictures_(std::move(pictures)) {
    int id = kFirstControlId;
    for (auto& control : state_.Controls()) {
        Entry entry;
        entry.control = control.get();
        entry.id = control->Spec().id != 0 ? control->Spec().id : id;
        ++id;
        entries_.push_back(std::move(entry));
    }
}

FormWindow::~FormWindow() {
    for (Entry& entry : entries_) entry.control->SetViewListener(nullptr);
    state_.SetViewListener(nullptr);
    if (hwnd_ && IsWindow(hwnd_)) {
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
        DestroyWindow(hwnd_);
    }
    for (auto& [key, font] : fonts_) DeleteObject(font);
    for (auto& [colour, brush] : brushes_) DeleteObject(brush);
    if (background_brush_) DeleteObject(background_brush_);
}

HFONT FormWindow::FontFor(const ControlFont& font) {
    const ControlFont& base = state_.Spec().font;
    const char* face = font.face ? font.face : (base.face ? base.face : kDefaultFace);
    const double points =
        font.face ? font.points : (base.points > 0 ? base.points : kDefaultPoints);
    const bool bold = font.face ? font.bold : base.bold;
    char key[128];
    std::snprintf(key, sizeof key, "%s|%.2f|%d", face, points, bold ? 1 : 0);
    auto found = fonts_.find(key);
    if (found != fonts_.end()) return found->second;
    HDC dc = GetDC(nullptr);
    const int height =
        -MulDiv(static_cast<int>(points * 100 + 0.5), GetDeviceCaps(dc, LOGPIXELSY), 7200);
    ReleaseDC(nullptr, dc);
    HFONT made = CreateFontW(height, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                             DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                             CLEARTYPE_QUALITY, DEFAULT_PITCH | FF_SWISS, Widen(face).c_str());
    fonts_[key] = made;
    return made;
}

HBRUSH FormWindow::BrushFor(COLORREF colour) {
    auto found = brushes_.find(colour);
    if (found != brushes_.end()) return found->second;
    HBRUSH brush = CreateSolidBrush(colour);
    brushes_[colour] = brush;
    return brush;
}

HBITMAP FormWindow::PictureOf(int picture) const {
    if (picture == 0 || !pictures_) return nullptr;
    return pictures_(picture);
}

bool FormWindow::Create(HWND owner, int x, int y, HMENU menu) {
    const FormSpec& spec = state_.Spec();
    const std::wstring window_class = RegisterFormClass(spec.name);
    DWORD ex_style = 0;
    const DWORD style = StyleOf(spec.frame, &ex_style);
    RECT outer{0, 0, spec.client_width, spec.client_height};
    AdjustWindowRectEx(&outer, style, menu != nullptr, ex_style);
    hwnd_ = CreateWindowExW(ex_style, window_class.c_str(), Widen(state_.Caption()).c_str(), style,
                            x, y, outer.right - outer.left, outer.bottom - outer.top, owner, menu,
                            GetModuleHandleW(nullptr), nullptr);
    if (!hwnd_) return false;
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&WndProc));
    default_font_ = FontFor(ControlFont{});
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(default_font_), FALSE);
    for (Entry& entry : entries_) {
        if (!CreateControl(entry)) {
            // A window without one of its controls would lose what that control holds.
            for (Entry& made : entries_) {
                made.control->SetViewListener(nullptr);
                made.hwnd = nullptr;
            }
            SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
            DestroyWindow(hwnd_);
            hwnd_ = nullptr;
            return false;
        }
        Entry* self = &entry;
        entry.control->SetViewListener([this, self](ControlProperty p) { Mirror(*self, p); });
    }
    state_.SetViewListener([this](FormProperty p) { MirrorForm(p); });
    if (state_.Visible()) MirrorForm(FormProperty::kVisible);
    return true;
}

bool FormWindow::CreateControl(Entry& entry) {
    const FormControl& control = *entry.control;
    const ControlSpec& spec = control.Spec();
    entry.font = FontFor(spec.font);
    if (Painted(spec.kind)) return true;
    const wchar_t* cls = L"BUTTON";
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS;
    DWORD ex_style = 0;
    if (!(spec.flags & kNoTabStop)) style |= WS_TABSTOP;
    switch (spec.kind) {
        case ControlKind::kTextBox:
            cls = L"EDIT";
            ex_style = WS_EX_CLIENTEDGE;
            style |= ES_AUTOHSCROLL;
            if (spec.flags & kMultiLine) style |= ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;
            if (spec.flags & kVerticalScroll) style |= WS_VSCROLL;
            if (spec.flags & kReadOnly) style |= ES_READONLY;
            if (spec.flags & kCentred) style |= ES_CENTER;
            break;
        case ControlKind::kButton:
            style |= BS_PUSHBUTTON;
            break;
        case ControlKind::kPictureButton:
            style |= BS_OWNERDRAW;
            break;
        case ControlKind::kCheckBox:
            // Three states: a value of 2 shows grey, as the state holds it.
            style |= BS_3STATE;
            break;
        case ControlKind::kOptionButton:
            style |= BS_RADIOBUTTON;
            break;
        case ControlKind::kListBox:
            cls = L"LISTBOX";
            ex_style = WS_EX_CLIENTEDGE;
            style |= LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL;
            break;
        default:
            return true;
    }
    const ControlRect r = control.Bounds();
    // Made empty and given its text after: a long text at creation makes the control fail
    // under Wine (a stored greeting of a megabyte), while the same text set later is taken.
    entry.hwnd = CreateWindowExW(ex_style, cls, L"", style, r.left, r.top, r.width, r.height, hwnd_,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(entry.id)),
                                 GetModuleHandleW(nullptr), nullptr);
    if (!entry.hwnd || !IsWindow(entry.hwnd)) {
        entry.hwnd = nullptr;
        return false;
    }
    SendMessageW(entry.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(entry.font), FALSE);
    if (spec.kind == ControlKind::kTextBox && spec.max_length > 0) {
        SendMessageW(entry.hwnd, EM_LIMITTEXT, static_cast<WPARAM>(spec.max_length), 0);
    }
    SetWindowSubclass(entry.hwnd, ChildProc, static_cast<UINT_PTR>(entry.id),
                      reinterpret_cast<DWORD_PTR>(this));
    if (!control.Text().empty()) Mirror(entry, ControlProperty::kText);
    Mirror(entry, ControlProperty::kValue);
    Mirror(entry, ControlProperty::kRows);
    if (!control.Enabled()) EnableWindow(entry.hwnd, FALSE);
    if (control.Visible()) ShowWindow(entry.hwnd, SW_SHOWNA);
    return true;
}

FormWindow::Entry* FormWindow::FindEntry(std::string_view name) {
    for (Entry& entry : entries_) {
        if (name == entry.control->Name()) return &entry;
    }
    return nullptr;
}

const FormWindow::Entry* FormWindow::FindEntry(std::string_view name) const {
    return const_cast<FormWindow*>(this)->FindEntry(name);
}

FormWindow::Entry* FormWindow::EntryOf(HWND control) {
    for (Entry& entry : entries_) {
        if (entry.hwnd == control) return &entry;
    }
    return nullptr;
}

HWND FormWindow::Control(std::string_view name) const {
    const Entry* entry = FindEntry(name);
    return entry ? entry->hwnd : nullptr;
}

RECT FormWindow::Place(std::string_view name) const {
    const Entry* entry = FindEntry(name);
    return entry ? ToRect(entry->control->Bounds()) : RECT{};
}

void FormWindow::SetControlHook(std::string_view name, ControlHook hook) {
    if (Entry* entry = FindEntry(name)) entry->hook = std::move(hook);
}

void FormWindow::MoveTo(int x, int y) {
    SetWindowPos(hwnd_, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

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
        case FormProperty::kCaption:
            SetWindowTextW(hwnd_, Widen(state_.Caption()).c_str());
            break;
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

void FormWindow::PaintControl(HDC dc, const FormControl& control) {
    const ControlSpec& spec = control.Spec();
    const RECT r = ToRect(control.Bounds());
    const COLORREF fore = ScreenColour(control.ForeColour(), GetSysColor(COLOR_BTNTEXT));
    switch (spec.kind) {
        case ControlKind::kFrame: {
            HBRUSH brush = BrushFor(fore);
            FrameRect(dc, &r, brush);
            break;
        }
        case ControlKind::kLine: {
            HPEN pen = CreatePen(PS_SOLID, 1, fore);
            HGDIOBJ old = SelectObject(dc, pen);
            MoveToEx(dc, r.left, r.top, nullptr);
            LineTo(dc, r.right, r.bottom);
            SelectObject(dc, old);
            DeleteObject(pen);
            break;
        }
        case ControlKind::kPicture:
            if (HBITMAP picture = PictureOf(control.Picture())) {
                HDC source = CreateCompatibleDC(dc);
                HGDIOBJ old = SelectObject(source, picture);
                BitBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, source, 0, 0,
                       SRCCOPY);
                SelectObject(source, old);
                DeleteDC(source);
            }
            break;
        case ControlKind::kLabel: {
            if (spec.back != kTransparent) {
                FillRect(
                    dc, &r,
                    BrushFor(ScreenColour(
                        spec.back, ScreenColour(state_.Spec().back, GetSysColor(COLOR_BTNFACE)))));
            }
            HFONT font = FindEntry(control.Name())->font;
            HGDIOBJ old = SelectObject(dc, font);
            SetBkMode(dc, TRANSPARENT);
            SetTextColor(dc, fore);
            RECT text_rect = r;
            UINT format = DT_WORDBREAK | DT_NOPREFIX;
            if (spec.flags & kCentred) format |= DT_CENTER;
            if (spec.flags & kRightAligned) format |= DT_RIGHT;
            const std::wstring text = Widen(control.Text());
            DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &text_rect, format);
            SelectObject(dc, old);
            break;
        }
        default:
            break;
    }
}

void FormWindow::OnPaint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd_, &ps);
    RECT client;
    GetClientRect(hwnd_, &client);
    const int w = client.right;
    const int h = client.bottom;
    // Painted into a buffer first, so labels over the background never flicker.
    HDC buffer = CreateCompatibleDC(dc);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, w > 0 ? w : 1, h > 0 ? h : 1);
    HGDIOBJ old_bitmap = SelectObject(buffer, bitmap);
    FillRect(buffer, &client,
             BrushFor(ScreenColour(state_.Spec().back, GetSysColor(COLOR_BTNFACE))));
    if (HBITMAP picture = PictureOf(state_.Picture())) {
        HDC source = CreateCompatibleDC(dc);
        HGDIOBJ old = SelectObject(source, picture);
        BitBlt(buffer, 0, 0, w, h, source, 0, 0, SRCCOPY);
        SelectObject(source, old);
        DeleteDC(source);
    }
    for (const Entry& entry : entries_) {
        const FormControl& control = *entry.control;
        if (entry.hwnd || !control.Visible()) continue;
        PaintControl(buffer, control);
    }
    BitBlt(dc, ps.rcPaint.left, ps.rcPaint.top, ps.rcPaint.right - ps.rcPaint.left,
           ps.rcPaint.bottom - ps.rcPaint.top, buffer, ps.rcPaint.left, ps.rcPaint.top, SRCCOPY);
    SelectObject(buffer, old_bitmap);
    DeleteObject(bitmap);
    DeleteDC(buffer);
    EndPaint(hwnd_, &ps);
}

void FormWindow::OnDrawItem(const DRAWITEMSTRUCT& item) {
    Entry* entry = EntryOf(item.hwndItem);
    if (!entry) return;
    const FormControl& control = *entry->control;
    RECT r = item.rcItem;
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    if (HBITMAP picture = PictureOf(control.Picture())) {
        // No button face: the window's background shows round the picture, which stands
        // centred at its own size (shrunk only when it is larger than the button).
        PaintBackgroundBehind(item.hDC, control);
        HDC source = CreateCompatibleDC(item.hDC);
        HGDIOBJ old = SelectObject(source, picture);
        BITMAP info{};
        GetObjectW(picture, sizeof info, &info);
        const int w = std::min<int>(info.bmWidth, r.right - r.left);
        const int h = std::min<int>(info.bmHeight, r.bottom - r.top);
        const int shift = pressed ? 1 : 0;
        const int x = r.left + (r.right - r.left - w) / 2 + shift;
        const int y = r.top + (r.bottom - r.top - h) / 2 + shift;
        SetStretchBltMode(item.hDC, HALFTONE);
        StretchBlt(item.hDC, x, y, w, h, source, 0, 0, info.bmWidth, info.bmHeight, SRCCOPY);
        SelectObject(source, old);
        DeleteDC(source);
        return;
    }
    // Without a picture: a flat face with the caption, sunk while pressed.
    FillRect(item.hDC, &r, BrushFor(ScreenColour(control.Spec().back, GetSysColor(COLOR_BTNFACE))));
    DrawEdge(item.hDC, &r, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    HGDIOBJ old = SelectObject(item.hDC, entry->font);
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, ScreenColour(control.ForeColour(), GetSysColor(COLOR_BTNTEXT)));
    if (pressed) OffsetRect(&r, 1, 1);
    const std::wstring text = Widen(control.Text());
    DrawTextW(item.hDC, text.c_str(), static_cast<int>(text.size()), &r,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(item.hDC, old);
}

void FormWindow::PaintBackgroundBehind(HDC dc, const FormControl& control) {
    const ControlRect b = control.Bounds();
    RECT r{0, 0, b.width, b.height};
    FillRect(dc, &r, BrushFor(ScreenColour(state_.Spec().back, GetSysColor(COLOR_BTNFACE))));
    HBITMAP background = PictureOf(state_.Picture());
    if (!background) return;
    HDC source = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(source, background);
    BitBlt(dc, 0, 0, b.width, b.height, source, b.left, b.top, SRCCOPY);
    SelectObject(source, old);
    DeleteDC(source);
}

HBRUSH FormWindow::BackgroundBrush() {
    const int picture = state_.Picture();
    HBITMAP background = PictureOf(picture);
    if (!background) return nullptr;
    if (background_brush_ && background_brush_picture_ == picture) return background_brush_;
    if (background_brush_) DeleteObject(background_brush_);
    background_brush_ = CreatePatternBrush(background);
    background_brush_picture_ = picture;
    return background_brush_;
}

LRESULT FormWindow::OnControlColour(HDC dc, HWND control) {
    Entry* entry = EntryOf(control);
    const COLORREF form_back = ScreenColour(state_.Spec().back, GetSysColor(COLOR_BTNFACE));
    if (!entry) return reinterpret_cast<LRESULT>(BrushFor(form_back));
    const ControlSpec& spec = entry->control->Spec();
    const bool box = spec.kind == ControlKind::kTextBox || spec.kind == ControlKind::kListBox;
    if (!box && spec.back == kTransparent) {
        // A see-through check box or option over a background picture: the picture's part
        // behind the control is its background, and its caption has no box of its own.
        if (HBRUSH brush = BackgroundBrush()) {
            const ControlRect b = entry->control->Bounds();
            SetBrushOrgEx(dc, -b.left, -b.top, nullptr);
            SetBkMode(dc, TRANSPARENT);
            SetTextColor(dc,
                         ScreenColour(entry->control->ForeColour(), GetSysColor(COLOR_BTNTEXT)));
            return reinterpret_cast<LRESULT>(brush);
        }
    }
    const COLORREF back = ScreenColour(spec.back == kTransparent ? state_.Spec().back : spec.back,
                                       box ? GetSysColor(COLOR_WINDOW) : form_back);
    SetTextColor(dc, ScreenColour(entry->control->ForeColour(),
                                  GetSysColor(box ? COLOR_WINDOWTEXT : COLOR_BTNTEXT)));
    SetBkColor(dc, back);
    return reinterpret_cast<LRESULT>(BrushFor(back));
}

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
