#include "e2e/shown_lists.h"

#include <cstring>

#include "app/form1_layout.h"
#include "e2e/e2e_support.h"

namespace e2e {
namespace {

// The plate colour of each badge of the icon strip (tools/make_icon_strip.py).
struct Badge {
    const char* code;
    COLORREF plate;
};
const Badge kBadges[] = {
    {"PXES", RGB(170, 40, 30)},  {"RATS", RGB(30, 80, 170)},  {"PX3W", RGB(40, 110, 130)},
    {"3RAW", RGB(40, 120, 50)},  {"PX2D", RGB(150, 110, 20)}, {"VD2D", RGB(120, 20, 20)},
    {"TAHC", RGB(90, 90, 100)},  {"RHSD", RGB(110, 70, 40)},  {"RHSS", RGB(60, 130, 200)},
    {"RTSJ", RGB(180, 60, 120)}, {"GPCW", RGB(20, 140, 140)}, {"NB2W", RGB(100, 120, 30)},
    {"32", RGB(200, 30, 30)},
};

const char* BadgeOf(COLORREF colour) {
    for (const Badge& badge : kBadges) {
        if (badge.plate == colour) return badge.code;
    }
    return nullptr;
}

}  // namespace

std::vector<COLORREF> ClientPixels(HWND window, int* width, int* height) {
    RECT client{};
    GetClientRect(window, &client);
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    *width = client.right;
    *height = client.bottom;
    return ScreenPixels(RECT{origin.x, origin.y, origin.x + *width, origin.y + *height});
}

// The badges down the list's left edge, top to bottom: each run of a plate colour is a row.
std::vector<ShownRow> ShownRows(HWND list) {
    int width = 0;
    int height = 0;
    const std::vector<COLORREF> pixels = ClientPixels(list, &width, &height);
    std::vector<ShownRow> rows;
    constexpr int kColumn = 3;  // inside every badge's plate, left of its letters
    if (width <= kColumn) return rows;
    const char* run = nullptr;
    int run_start = 0;
    for (int y = 0; y <= height; ++y) {
        const char* here =
            y < height ? BadgeOf(pixels[static_cast<size_t>(y * width + kColumn)]) : nullptr;
        if (here == run) continue;
        if (run) rows.push_back({run, (run_start + y - 1) / 2});
        run = here;
        run_start = y;
    }
    return rows;
}

bool ChannelNameShown(HWND main) {
    // The label's text is white; the header behind it has no pixel that bright.
    constexpr int kBright = 200;
    constexpr int kLetterPixels = 20;
    for (const qv::ControlSpec& label : qv::Form1Layout().controls) {
        if (std::strcmp(label.name, "Label1") != 0) continue;
        POINT origin{label.left, label.top};
        ClientToScreen(main, &origin);
        int bright = 0;
        for (COLORREF c : ScreenPixels(
                 RECT{origin.x, origin.y, origin.x + label.width, origin.y + label.height})) {
            bright += GetRValue(c) > kBright && GetGValue(c) > kBright && GetBValue(c) > kBright;
        }
        return bright > kLetterPixels;
    }
    return false;
}

bool SaveCompanionScreenshot(const std::wstring& name, HWND main,
                             const std::function<bool()>& also) {
    return SaveScreenshotOnceShown(name,
                                   [&] { return ChannelNameShown(main) && (!also || also()); });
}

std::vector<std::string> Badges(const std::vector<ShownRow>& rows) {
    std::vector<std::string> badges;
    for (const ShownRow& row : rows) badges.push_back(row.badge);
    return badges;
}

std::string Join(const std::vector<std::string>& items) {
    std::string text;
    for (const std::string& item : items) text += (text.empty() ? "" : " ") + item;
    return text;
}

}  // namespace e2e
