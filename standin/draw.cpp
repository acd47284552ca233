#include "draw.h"

namespace standin {
namespace {

constexpr COLORREF kDefaultRowColour = RGB(200, 200, 200);
constexpr COLORREF kDimColour = RGB(120, 130, 150);
constexpr COLORREF kSelectedRowColour = RGB(30, 48, 110);
constexpr COLORREF kPanelFrameColour = RGB(44, 66, 130);
constexpr COLORREF kButtonColour = RGB(26, 36, 76);
constexpr COLORREF kButtonPushedColour = RGB(14, 20, 44);
constexpr COLORREF kTabActiveColour = RGB(56, 78, 150);
constexpr COLORREF kButtonFrameColour = RGB(110, 130, 190);
constexpr COLORREF kButtonTextColour = RGB(225, 230, 245);
constexpr COLORREF kTabActiveTextColour = RGB(255, 220, 90);
constexpr COLORREF kNoticeColour = RGB(255, 90, 80);
constexpr char kFirstCode = 0x10;
constexpr char kLastCode = 0x1B;
// No row is wider than the list: text past this many characters is never seen.
constexpr size_t kMostDrawnCharacters = 512;

// One colour per code 0x10..0x1B, chosen so neighbouring codes are easy to tell apart.
const COLORREF kCodeColours[kLastCode - kFirstCode + 1] = {
    RGB(200, 200, 200), RGB(110, 200, 255), RGB(110, 230, 110), RGB(250, 220, 90),
    RGB(160, 160, 160), RGB(255, 255, 255), RGB(255, 90, 90),   RGB(255, 160, 60),
    RGB(100, 140, 255), RGB(220, 120, 255), RGB(255, 255, 150), RGB(80, 220, 200),
};

// Brushes live as long as the program.
HBRUSH SolidBrush(COLORREF colour) { return CreateSolidBrush(colour); }

void Fill(HDC dc, const RECT& rect, COLORREF colour) {
    SetBkColor(dc, colour);
    ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
}

void Frame(HDC dc, const RECT& rect, COLORREF colour) {
    HBRUSH brush = CreateSolidBrush(colour);
    FrameRect(dc, &rect, brush);
    DeleteObject(brush);
}

bool IsCode(char c) { return c >= kFirstCode && c <= kLastCode; }

// Bytes below 0x20 are control characters; 8-bit letters are not.
bool IsControl(char c) { return static_cast<unsigned char>(c) < 0x20; }

std::string WithoutControlCharacters(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (!IsControl(c)) out += c;
    }
    return out;
}

// Draws `text` from x on, switching colour at each code; returns the x after the text.
int DrawColouredRun(HDC dc, int x, int y, const std::string& text) {
    COLORREF colour = kDefaultRowColour;
    std::string run;
    auto flush = [&]() {
        if (run.empty()) return;
        SetTextColor(dc, colour);
        TextOutA(dc, x, y, run.data(), static_cast<int>(run.size()));
        SIZE size{};
        GetTextExtentPoint32A(dc, run.data(), static_cast<int>(run.size()), &size);
        x += size.cx;
        run.clear();
    };
    for (char c : text.substr(0, kMostDrawnCharacters)) {
        if (IsCode(c)) {
            flush();
            colour = ColourOfCode(c);
        } else if (!IsControl(c)) {
            run += c;
        }
    }
    flush();
    return x;
}

}  // namespace

HBRUSH ScreenBrush() {
    static HBRUSH brush = SolidBrush(kScreenColour);
    return brush;
}

HBRUSH ListBrush() {
    static HBRUSH brush = SolidBrush(kListColour);
    return brush;
}

HBRUSH InputBrush() {
    static HBRUSH brush = SolidBrush(kInputColour);
    return brush;
}

COLORREF ColourOfCode(char code) {
    return IsCode(code) ? kCodeColours[code - kFirstCode] : kDefaultRowColour;
}

void DrawRow(const DRAWITEMSTRUCT& item, const std::string& row) {
    HDC dc = item.hDC;
    const RECT& rect = item.rcItem;
    Fill(dc, rect, (item.itemState & ODS_SELECTED) ? kSelectedRowColour : kListColour);
    SetBkMode(dc, TRANSPARENT);
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    const int y = rect.top + (rect.bottom - rect.top - metrics.tmHeight) / 2;
    const size_t tab = row.find('\t');
    DrawColouredRun(dc, rect.left + 4, y, row.substr(0, tab));
    if (tab != std::string::npos) {
        const std::string rest = WithoutControlCharacters(row.substr(tab + 1));
        RECT right = rect;
        right.right -= 4;
        SetTextColor(dc, kDimColour);
        DrawTextA(dc, rest.c_str(), static_cast<int>(rest.size()), &right,
                  DT_RIGHT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
}

void DrawButton(const DRAWITEMSTRUCT& item, const std::string& caption, bool highlighted) {
    HDC dc = item.hDC;
    RECT rect = item.rcItem;
    const bool pushed = (item.itemState & ODS_SELECTED) != 0;
    Fill(dc, rect, pushed ? kButtonPushedColour : (highlighted ? kTabActiveColour : kButtonColour));
    Frame(dc, rect, kButtonFrameColour);
    if (pushed) OffsetRect(&rect, 1, 1);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, highlighted ? kTabActiveTextColour : kButtonTextColour);
    DrawTextA(dc, caption.c_str(), static_cast<int>(caption.size()), &rect,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

void PaintScreen(HDC dc, const RECT& client, bool in_chat) {
    Fill(dc, client, kScreenColour);
    const RECT chat_panel = {8, 36, 436, 434};
    const RECT users_panel = {442, 142, 632, 420};
    Frame(dc, chat_panel, kPanelFrameColour);
    Frame(dc, users_panel, kPanelFrameColour);
    if (!in_chat) {
        RECT notice = {12, 460, 432, 478};
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, kNoticeColour);
        DrawTextA(dc, "Not in the chat screen", -1, &notice, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    }
}

}  // namespace standin
