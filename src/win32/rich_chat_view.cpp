#include "win32/rich_chat_view.h"

#include <richedit.h>

#include <algorithm>
#include <vector>

#include "chat/colour_renderer.h"
#include "win32/rich_edit_stream.h"
#include "win32/screen_colour.h"
#include "win32/win32_text.h"

namespace qv {
namespace {

constexpr LONG kDefaultTextHeightTwips = 200;  // 10 pt
constexpr wchar_t kFontFace[] = L"Verdana";
// Far beyond any chat session; the default of 32,767 characters would silently stop the view.
constexpr LPARAM kTextLimit = 0x7FFFFFFE;

// The one place that loads the rich-text control: the view is its only maker, so a view made
// anywhere (the program, a test) finds the control's class.
void LoadRichEdit() {
    static const HMODULE module = LoadLibraryW(L"Msftedit.dll");
    (void)module;
}

}  // namespace

RichChatView::RichChatView(HWND parent, int id, int x, int y, int width, int height,
                           DWORD extra_style)
    : extra_style_(extra_style) {
    LoadRichEdit();
    hwnd_ = CreateControl(parent, id, RECT{x, y, x + width, y + height});
    if (!hwnd_) return;
    CHARFORMAT2W format{};
    format.cbSize = sizeof format;
    // Regular weight said outright: Wine's RichEdit otherwise takes the bold weight of the
    // System font for the default format.
    format.dwMask = CFM_FACE | CFM_SIZE | CFM_COLOR | CFM_BOLD | CFM_WEIGHT;
    format.dwEffects = 0;
    format.wWeight = FW_NORMAL;
    format.yHeight = kDefaultTextHeightTwips;
    format.crTextColor = ScreenColour(kStagingTextColour);
    lstrcpynW(format.szFaceName, kFontFace, LF_FACESIZE);
    SendMessageW(hwnd_, EM_SETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format));
    SendMessageW(hwnd_, EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&format));
}

HWND RichChatView::CreateControl(HWND parent, int id, const RECT& place) {
    HWND hwnd = CreateWindowExW(
        WS_EX_CLIENTEDGE, MSFTEDIT_CLASS, L"",
        WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL |
            extra_style_,
        place.left, place.top, place.right - place.left, place.bottom - place.top, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    if (!hwnd) return nullptr;
    SendMessageW(hwnd, EM_EXLIMITTEXT, 0, kTextLimit);
    SendMessageW(hwnd, EM_SETBKGNDCOLOR, 0, ScreenColour(kChatViewBackground));
    // Subclassed through the window procedure itself: comctl32's SetWindowSubclass costs a
    // property lookup on every message, which under Wine made each append several times
    // slower.
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    original_proc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ViewProc)));
    return hwnd;
}

void RichChatView::DestroyControl(HWND hwnd) {
    if (!hwnd || !IsWindow(hwnd)) return;
    SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original_proc_));
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    DestroyWindow(hwnd);
}

bool RichChatView::Renew(const std::string& rtf) {
    HWND old = hwnd_;
    HWND parent = GetParent(old);
    RECT place{};
    GetWindowRect(old, &place);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&place), 2);
    HWND renewed = CreateControl(parent, GetDlgCtrlID(old), place);
    if (!renewed) return false;
    // Drawing is held while the content changes; the new control takes the old one's place
    // among its siblings, its default format, its focus and a mouse capture in progress.
    SendMessageW(renewed, WM_SETREDRAW, FALSE, 0);
    SetWindowPos(renewed, old, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    CHARFORMAT2W format{};
    format.cbSize = sizeof format;
    SendMessageW(old, EM_GETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format));
    SendMessageW(renewed, EM_SETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format));
    SendMessageW(renewed, EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&format));
    const bool focused = GetFocus() == old;
    const bool captured = GetCapture() == old;
    hwnd_ = renewed;
    // The old control goes before the new one fills: filled while the old one still held its
    // memory, the new one's pieces would lie among the old one's holes, and every renewal
    // would leave the heap more scattered (under Wine every allocation grew slower).
    DestroyControl(old);
    if (!rtf.empty()) StreamIntoControl(hwnd_, rtf.data(), rtf.size(), SF_RTF);
    if (focused) SetFocus(hwnd_);
    capture_given_ = captured;
    if (captured) SetCapture(hwnd_);
    return true;
}

RichChatView::~RichChatView() { DestroyControl(hwnd_); }

void RichChatView::SetMouseHandlers(std::function<void()> down, std::function<void()> up) {
    on_mouse_down_ = std::move(down);
    on_mouse_up_ = std::move(up);
}

std::string RichChatView::Text() {
    GETTEXTLENGTHEX query{GTL_USECRLF | GTL_PRECISE | GTL_NUMCHARS, 1200};
    const LRESULT length =
        SendMessageW(hwnd_, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&query), 0);
    if (length <= 0) return {};
    std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1);
    const LRESULT copied =
        SendMessageW(hwnd_, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()));
    return Narrow(std::wstring(buffer.data(), static_cast<size_t>(copied > 0 ? copied : 0)));
}

int RichChatView::TextLength() {
    GETTEXTLENGTHEX query{GTL_NUMCHARS, 1200};
    return static_cast<int>(
        SendMessageW(hwnd_, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&query), 0));
}

void RichChatView::Select(LONG from, LONG to) {
    // Wine's control finds a position by walking its paragraphs from the first, a cost that
    // grows with the view; the end has a value of its own.
    CHARRANGE range{from, to};
    if (from == to && from >= TextLength()) range = CHARRANGE{-1, -1};
    SendMessageW(hwnd_, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
}

void RichChatView::CollapseSelection() {
    CHARRANGE range{};
    SendMessageW(hwnd_, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
    if (range.cpMax == range.cpMin) return;
    Select(range.cpMin, range.cpMin);
}

void RichChatView::SetCaret(int position) {
    Select(position, position);
    SendMessageW(hwnd_, EM_SCROLLCARET, 0, 0);
}

// Wine's control takes text away one run at a time and, for each run, walks every paragraph
// that follows it: emptying 5,500 rows took 16 s, taking the oldest 500 of them away 1.1 s.
// A new control in its place takes 5 ms, and filling it with 5,000 rows that stay 0.4 s.
void RichChatView::DoClear() {
    if (TextLength() == 0 || Renew(std::string())) return;
    SendMessageW(hwnd_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""));
}

void RichChatView::InsertAtEnd(const std::wstring& text, ChatColour colour) {
    CHARRANGE end{-1, -1};
    SendMessageW(hwnd_, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&end));
    CHARFORMAT2W format{};
    format.cbSize = sizeof format;
    format.dwMask = CFM_COLOR;
    format.crTextColor = ScreenColour(colour);
    SendMessageW(hwnd_, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
    SendMessageW(hwnd_, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
}

void RichChatView::DoAppendParagraph(const ColouredText& text) {
    // The inserts move the selection to the end; the user's own selection comes back after,
    // so text arriving while a mouse button is held does not disturb it.
    CHARRANGE selection{};
    SendMessageW(hwnd_, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&selection));
    bool paragraph_break = TextLength() > 0;
    for (const ColouredRun& run : text) {
        std::wstring wide = Widen(run.text);
        if (paragraph_break) {
            wide.insert(wide.begin(), L'\r');
            paragraph_break = false;
        } else if (!wide.empty() && wide[0] == L'{') {
            // A text that starts with "{\rtf" may be read as RTF by some RichEdit versions;
            // a lone brace never is.
            InsertAtEnd(L"{", run.colour);
            wide.erase(0, 1);
        }
        if (!wide.empty()) InsertAtEnd(wide, run.colour);
    }
    if (paragraph_break) InsertAtEnd(L"\r", kStagingTextColour);  // an empty rendered text
    Select(selection.cpMin, selection.cpMax);
}

LONG RichChatView::PositionAfterBreak(int count) {
    // Paragraph breaks read as CR; the text is read from the top in pieces until enough of
    // them have passed.
    constexpr LONG kPiece = 16384;
    const LONG length = TextLength();
    std::vector<wchar_t> buffer(static_cast<size_t>(kPiece) + 1);
    int breaks = 0;
    for (LONG from = 0; from < length;) {
        TEXTRANGEW range{{from, std::min(length, from + kPiece)}, buffer.data()};
        const LRESULT got =
            SendMessageW(hwnd_, EM_GETTEXTRANGE, 0, reinterpret_cast<LPARAM>(&range));
        if (got <= 0) break;
        for (LRESULT i = 0; i < got; ++i) {
            if (buffer[static_cast<size_t>(i)] == L'\r' && ++breaks == count) {
                return from + static_cast<LONG>(i) + 1;
            }
        }
        from += static_cast<LONG>(got);
    }
    return -1;
}

void RichChatView::DoRemoveOldestParagraphs(int count) {
    const LONG cut = PositionAfterBreak(count);
    if (cut <= 0) return;
    CHARRANGE selection{};
    SendMessageW(hwnd_, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&selection));
    // What stays, with its colours, as RTF.
    CHARRANGE kept{cut, -1};
    SendMessageW(hwnd_, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&kept));
    if (!Renew(StreamOutOfControl(hwnd_, SF_RTF | SFF_SELECTION))) {
        CHARRANGE top{0, cut};
        SendMessageW(hwnd_, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&top));
        SendMessageW(hwnd_, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(L""));
    }
    Select(std::max<LONG>(0, selection.cpMin - cut), std::max<LONG>(0, selection.cpMax - cut));
}

// Under Wine a drawn rich-text control walks all its paragraphs on every paint, and it paints
// on every edit and caret move it is allowed to: a batch of changes is drawn once instead.
void RichChatView::DoHoldDrawing() {
    held_scroll_bar_ = ScrollBar();
    SendMessageW(hwnd_, WM_SETREDRAW, FALSE, 0);
}

void RichChatView::DoDraw() {
    SendMessageW(hwnd_, WM_SETREDRAW, TRUE, 0);
    // The scroll bar is drawn again only when it changed while drawing was held: under Wine
    // drawing it can cost several times as much as the text.
    const UINT frame = ScrollBar() == held_scroll_bar_ ? 0 : RDW_FRAME;
    RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | frame);
}

std::array<int, 5> RichChatView::ScrollBar() const {
    SCROLLINFO info{sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
    GetScrollInfo(hwnd_, SB_VERT, &info);
    const bool shown = (GetWindowLongW(hwnd_, GWL_STYLE) & WS_VSCROLL) != 0;
    return {shown, info.nMin, info.nMax, static_cast<int>(info.nPage), info.nPos};
}

LRESULT CALLBACK RichChatView::ViewProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto* self = reinterpret_cast<RichChatView*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    const WNDPROC original = self->original_proc_;
    switch (msg) {
        // The second press of a double click comes as a DBLCLK message, not as a DOWN; it
        // holds the button too, so a double-click-drag selection is not collapsed.
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
        case WM_XBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDBLCLK:
        case WM_MBUTTONDBLCLK:
        case WM_XBUTTONDBLCLK:
            if (self->on_mouse_down_) self->on_mouse_down_();
            break;
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_MBUTTONUP:
        case WM_XBUTTONUP:
            if (self->on_mouse_up_) self->on_mouse_up_();
            // A control put in place while a button was held got the capture without the
            // press, so it would not let it go by itself.
            if (self->capture_given_) {
                self->capture_given_ = false;
                if (GetCapture() == hwnd) ReleaseCapture();
            }
            break;
        case WM_NCDESTROY:
            SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
            self->hwnd_ = nullptr;
            break;
        default:
            break;
    }
    return CallWindowProcW(original, hwnd, msg, wp, lp);
}

}  // namespace qv
