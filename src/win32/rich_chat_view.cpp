#include "win32/rich_chat_view.h"

#include <richedit.h>

#include <vector>

#include "chat/colour_renderer.h"
#include "win32/win32_text.h"

namespace qv {
namespace {

constexpr LONG kDefaultTextHeightTwips = 200;  // 10 pt
constexpr wchar_t kFontFace[] = L"Verdana";
// Far beyond any chat session; the default of 32,767 characters would silently stop the view.
constexpr LPARAM kTextLimit = 0x7FFFFFFE;

void LoadRichEdit() {
    static const HMODULE module = LoadLibraryW(L"Msftedit.dll");
    (void)module;
}

}  // namespace

RichChatView::RichChatView(HWND parent, int id, int x, int y, int width, int height,
                           DWORD extra_style) {
    LoadRichEdit();
    hwnd_ = CreateWindowExW(WS_EX_CLIENTEDGE, MSFTEDIT_CLASS, L"",
                            WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_READONLY |
                                ES_AUTOVSCROLL | extra_style,
                            x, y, width, height, parent,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                            GetModuleHandleW(nullptr), nullptr);
    if (!hwnd_) return;
    SendMessageW(hwnd_, EM_EXLIMITTEXT, 0, kTextLimit);
    SendMessageW(hwnd_, EM_SETBKGNDCOLOR, 0, Resolve(kChatViewBackground));
    CHARFORMAT2W format{};
    format.cbSize = sizeof format;
    // Regular weight said outright: Wine's RichEdit otherwise takes the bold weight of the
    // System font for the default format.
    format.dwMask = CFM_FACE | CFM_SIZE | CFM_COLOR | CFM_BOLD | CFM_WEIGHT;
    format.dwEffects = 0;
    format.wWeight = FW_NORMAL;
    format.yHeight = kDefaultTextHeightTwips;
    format.crTextColor = Resolve(kStagingTextColour);
    lstrcpynW(format.szFaceName, kFontFace, LF_FACESIZE);
    SendMessageW(hwnd_, EM_SETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format));
    SendMessageW(hwnd_, EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&format));
    // Subclassed through the window procedure itself: comctl32's SetWindowSubclass costs a
    // property lookup on every message, which under Wine made each append several times
    // slower.
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    original_proc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ViewProc)));
}

RichChatView::~RichChatView() {
    if (hwnd_ && IsWindow(hwnd_)) {
        SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original_proc_));
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
        DestroyWindow(hwnd_);
    }
}

void RichChatView::SetMouseHandlers(std::function<void()> down, std::function<void()> up) {
    on_mouse_down_ = std::move(down);
    on_mouse_up_ = std::move(up);
}

COLORREF RichChatView::Resolve(ChatColour colour) {
    if (colour & kSystemColourFlag) return GetSysColor(static_cast<int>(colour & 0xFF));
    return static_cast<COLORREF>(colour);
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

void RichChatView::CollapseSelection() {
    CHARRANGE range{};
    SendMessageW(hwnd_, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
    range.cpMax = range.cpMin;
    SendMessageW(hwnd_, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
}

void RichChatView::SetCaret(int position) {
    CHARRANGE range{position, position};
    SendMessageW(hwnd_, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
    SendMessageW(hwnd_, EM_SCROLLCARET, 0, 0);
}

void RichChatView::DoClear() { SendMessageW(hwnd_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"")); }

void RichChatView::InsertAtEnd(const std::wstring& text, ChatColour colour) {
    CHARRANGE end{-1, -1};
    SendMessageW(hwnd_, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&end));
    CHARFORMAT2W format{};
    format.cbSize = sizeof format;
    format.dwMask = CFM_COLOR;
    format.crTextColor = Resolve(colour);
    SendMessageW(hwnd_, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
    SendMessageW(hwnd_, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
}

void RichChatView::DoAppendParagraph(const ColouredText& text) {
    // Drawing after every insert makes a long session crawl; draw once per paragraph.
    SendMessageW(hwnd_, WM_SETREDRAW, FALSE, 0);
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
    SendMessageW(hwnd_, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&selection));
    SendMessageW(hwnd_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(hwnd_, nullptr, TRUE);
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
