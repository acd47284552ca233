// Building a window from its table: the window with its class and frame, each control the
// table asks for with its font and limits, and the lookups of controls by name and window.
#include "win32/form_window.h"

#include <commctrl.h>

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

}  // namespace

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

}  // namespace qv
