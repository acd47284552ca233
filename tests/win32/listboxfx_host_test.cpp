// The list control's host window under Wine, as the player meets it: the picture on the screen
// after a list is shown, resized or given another frame, compared with a fresh paint of the
// same list; the rows under the mouse against the rows drawn; Alt keys; a disabled list.
#include <windows.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "unit/listcontrol/event_log.h"
#include "win32/listboxfx_main_lists.h"
#include "win32/win32_text.h"

namespace qv {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;

constexpr int kList1Id = 2111;
constexpr int kList2Id = 2112;
constexpr LPARAM kAltHeld = LPARAM{1} << 29;  // context code of a key message: Alt is down
constexpr LPARAM kKeyReleased = 0xC0000000;   // previous state down, transition up
constexpr int kTextEndTolerance = 3;          // pixels between a glyph's ink and its advance

// Players in the order the game lists them; the list sorts them when it is shown. Their
// drawn widths differ enough to tell which one a row shows.
const char* const kGameOrder[] = {"Mengsk_Dom", "Bo\xC3\x9F", "Kerrigan", "J\xC3\xBCrgen",
                                  "artanis_aiur"};

// The system commands that reached the main window (Alt+F4, F10), newest last.
std::vector<WPARAM> g_system_commands;

LRESULT CALLBACK MainWindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_SYSCOMMAND) {
        g_system_commands.push_back(wp & 0xFFF0);
        return 0;  // kept open and out of menu mode for the next test
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

void Pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

// What the screen shows of a window's client area.
struct Capture {
    int width = 0;
    int height = 0;
    std::vector<COLORREF> pixels;
    COLORREF At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

Capture CaptureClient(HWND window) {
    RECT client;
    GetClientRect(window, &client);
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    Capture shot;
    shot.width = client.right;
    shot.height = client.bottom;
    HDC screen = GetDC(nullptr);
    HDC mem = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader = {
        sizeof(BITMAPINFOHEADER), shot.width, -shot.height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(mem, dib);
    BitBlt(mem, 0, 0, shot.width, shot.height, screen, origin.x, origin.y, SRCCOPY);
    GdiFlush();
    const auto* bgra = static_cast<const DWORD*>(bits);
    for (int i = 0; i < shot.width * shot.height; ++i) {
        const DWORD p = bgra[i];
        shot.pixels.push_back(RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF));
    }
    SelectObject(mem, old);
    DeleteObject(dib);
    DeleteDC(mem);
    ReleaseDC(nullptr, screen);
    return shot;
}

// The picture once the window has been painted anew from its list.
Capture CaptureAfterFullRedraw(HWND window) {
    InvalidateRect(window, nullptr, FALSE);
    UpdateWindow(window);
    Pump();
    return CaptureClient(window);
}

int DifferingPixels(const Capture& a, const Capture& b) {
    if (a.width != b.width || a.height != b.height) return -1;
    int differing = 0;
    for (size_t i = 0; i < a.pixels.size(); ++i) differing += a.pixels[i] != b.pixels[i];
    return differing;
}

// Keeps a capture as a 32-bit BMP beside the list's own screenshot, when one is asked for.
void KeepScreenshot(const Capture& shot, const char* file_name) {
    const char* beside = std::getenv("LISTBOXFX_SCREENSHOT");
    if (!beside) return;
    std::string path(beside);
    const size_t slash = path.find_last_of("\\/");
    path = (slash == std::string::npos ? "" : path.substr(0, slash + 1)) + file_name;
    const DWORD size = static_cast<DWORD>(shot.pixels.size() * 4);
    BITMAPFILEHEADER file{0x4D42, 54 + size, 0, 0, 54};
    BITMAPINFOHEADER head{sizeof head, shot.width, -shot.height, 1, 32, BI_RGB, size, 0, 0, 0, 0};
    if (FILE* out = std::fopen(path.c_str(), "wb")) {
        std::fwrite(&file, sizeof file, 1, out);
        std::fwrite(&head, sizeof head, 1, out);
        for (COLORREF p : shot.pixels) {
            const DWORD bgra = (GetRValue(p) << 16) | (GetGValue(p) << 8) | GetBValue(p);
            std::fwrite(&bgra, sizeof bgra, 1, out);
        }
        std::fclose(out);
    }
}

// Logs the events and, at each click, the row the list then holds as selected.
class ClickLog : public EventLog {
  public:
    explicit ClickLog(const ListBoxFX& list) : list_(list) {}
    void Click() override {
        EventLog::Click();
        clicked.push_back(list_.ItemSelectedText());
    }
    std::vector<std::string> clicked;

  private:
    const ListBoxFX& list_;
};

class ListBoxFXHostTest : public ::testing::Test {
  protected:
    void SetUp() override {
        g_system_commands.clear();
        WNDCLASSW wc{};
        wc.lpfnWndProc = MainWindowProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
        wc.lpszClassName = L"QvListBoxFXHostTestMain";
        RegisterClassW(&wc);
        main_ = CreateWindowExW(0, wc.lpszClassName, L"ListBoxFX host", WS_POPUP | WS_VISIBLE, 0, 0,
                                780, 540, nullptr, nullptr, wc.hInstance, nullptr);
        ASSERT_NE(main_, nullptr);
        lists_ = CreateMainWindowLists(main_, kList1Id, kList2Id);
        ASSERT_NE(lists_.ListBoxFX1, nullptr);
        ASSERT_NE(lists_.ListBoxFX2, nullptr);
        typing_box_ = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_BORDER, 136, 496,
                                      433, 33, main_, nullptr, wc.hInstance, nullptr);
        Pump();
    }

    void TearDown() override {
        if (main_) DestroyWindow(main_);
        Pump();
    }

    ListBoxFXWindow* Channel() { return lists_.ListBoxFX1; }
    ListBoxFXWindow* Friends() { return lists_.ListBoxFX2; }

    // The view switch of the main window: one list shown at the lists' place, the other hidden.
    void ShowOnly(ListBoxFXWindow* shown) {
        for (ListBoxFXWindow* list : {Channel(), Friends()}) {
            if (list != shown) ShowWindow(list->Handle(), SW_HIDE);
        }
        ShowWindow(shown->Handle(), SW_SHOWNA);
        Pump();
    }

    // A rebuild: the list emptied and the players added in the game's order, each with a badge.
    static void Rebuild(ListBoxFX& list) {
        list.Clear();
        int16_t badge = 0;
        for (const char* player : kGameOrder) list.AddItem(player, ListKey(""), badge += 2);
    }

    static std::vector<std::string> Rows(const ListBoxFX& list) {
        std::vector<std::string> rows;
        for (int32_t s = 1; s <= list.ListCount(); ++s) rows.push_back(list.ListItem(s));
        return rows;
    }

    // Where the ink of a row's text ends when the list draws the player's name.
    static int TextEnd(ListBoxFX& list, const std::string& player) {
        const std::string ansi = Utf8ToAnsi(" " + player);
        SIZE size{};
        GetTextExtentPoint32A(reinterpret_cast<HDC>(list.hdc()), ansi.c_str(),
                              static_cast<int>(ansi.size()), &size);
        return list.ImageWidth() + 2 + size.cx - 1;
    }

    // The player whose name a row of the screen shows, told apart by where its text ends;
    // "" for a row without text. The row's background is the colour at the list's right edge.
    static std::string DrawnPlayer(ListBoxFX& list, const Capture& shot, int row) {
        const int height = list.ItemHeight();
        int end = -1;
        for (int y = row * height; y < (row + 1) * height && y < shot.height; ++y) {
            const COLORREF background = shot.At(shot.width - 1, y);
            for (int x = list.ImageWidth() + 2; x < list.ListWidth(); ++x) {
                if (shot.At(x, y) != background && x > end) end = x;
            }
        }
        if (end < 0) return "";
        for (const char* player : kGameOrder) {
            if (std::abs(TextEnd(list, player) - end) <= kTextEndTolerance) return player;
        }
        return "text ending at " + std::to_string(end);
    }

    static std::vector<std::string> DrawnPlayers(ListBoxFX& list, const Capture& shot) {
        std::vector<std::string> drawn;
        for (int row = 0; row < list.ListCount(); ++row) {
            drawn.push_back(DrawnPlayer(list, shot, row));
        }
        return drawn;
    }

    // Shows a list that was filled while hidden and checks what the player sees: the screen is
    // what a fresh paint gives, its rows are the list's rows, and a click on the third row
    // picks the player drawn there.
    void ExpectShownAsItsRows(ListBoxFXWindow* window) {
        ListBoxFX& list = window->Control();
        const Capture shown = CaptureClient(window->Handle());
        EXPECT_EQ(DifferingPixels(shown, CaptureAfterFullRedraw(window->Handle())), 0);
        EXPECT_THAT(DrawnPlayers(list, shown), ElementsAreArray(Rows(list)));

        ClickLog log(list);
        list.SetEvents(&log);
        const LPARAM third_row = MAKELPARAM(60, 2 * list.ItemHeight() + list.ItemHeight() / 2);
        SendMessageW(window->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, third_row);
        SendMessageW(window->Handle(), WM_LBUTTONUP, 0, third_row);
        Pump();
        list.SetEvents(nullptr);
        EXPECT_THAT(log.clicked, ElementsAre(DrawnPlayer(list, shown, 2)));
    }

    HWND main_ = nullptr;
    HWND typing_box_ = nullptr;
    MainWindowLists lists_;
};

TEST_F(ListBoxFXHostTest, FriendsListShownTheFirstTimeShowsItsSortedRows) {
    // Distinct text ends make every row tell its player.
    for (const char* a : kGameOrder) {
        for (const char* b : kGameOrder) {
            if (a != b)
                ASSERT_GT(
                    std::abs(TextEnd(Friends()->Control(), a) - TextEnd(Friends()->Control(), b)),
                    2 * kTextEndTolerance);
        }
    }
    Rebuild(Friends()->Control());
    Pump();
    ShowOnly(Friends());
    EXPECT_THAT(Rows(Friends()->Control()), ElementsAre("artanis_aiur", "Bo\xC3\x9F",
                                                        "J\xC3\xBCrgen", "Kerrigan", "Mengsk_Dom"));
    ExpectShownAsItsRows(Friends());
}

TEST_F(ListBoxFXHostTest, ChannelListShownAgainShowsTheRowsRebuiltWhileHidden) {
    Rebuild(Channel()->Control());
    Pump();
    ShowOnly(Friends());
    // Emptied while hidden: shown again, it is empty on the screen too.
    Channel()->Control().Clear();
    ShowOnly(Channel());
    const Capture empty = CaptureClient(Channel()->Handle());
    EXPECT_EQ(DifferingPixels(empty, CaptureAfterFullRedraw(Channel()->Handle())), 0);
    // Rebuilt while hidden: shown again, it shows its rows in their new order.
    ShowOnly(Friends());
    Rebuild(Channel()->Control());
    Pump();
    ShowOnly(Channel());
    ExpectShownAsItsRows(Channel());
    KeepScreenshot(CaptureClient(main_), "listboxfx_channel_shown_again.bmp");
}

TEST_F(ListBoxFXHostTest, ResizedListShowsAllItsRowsWhenARowIsAddedBeforeItsPaint) {
    ListBoxFX& list = Channel()->Control();
    Rebuild(list);
    Pump();
    // The Both view gives the list half the height; a player joins before the next paint.
    SetWindowPos(Channel()->Handle(), nullptr, 0, 0, 169, 228,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    list.AddItem("Fenix", ListKey(""), 2);
    Pump();
    const Capture shot = CaptureClient(Channel()->Handle());
    EXPECT_EQ(DifferingPixels(shot, CaptureAfterFullRedraw(Channel()->Handle())), 0);
    EXPECT_EQ(DrawnPlayer(list, shot, 0), "Mengsk_Dom");
}

TEST_F(ListBoxFXHostTest, ScrollBarFitsTheClientAreaAfterALoneFrameWrite) {
    ListBoxFX& list = Channel()->Control();
    Rebuild(list);
    list.SetScrollbar(true);
    Pump();
    const HWND host = Channel()->Handle();
    const struct {
        const char* write;
        void (ListBoxFX::*member)(int32_t);
        int32_t value;
    } writes[] = {{"Appearance 1", &ListBoxFX::SetAppearance, 1},
                  {"BorderStyle 0", &ListBoxFX::SetBorderStyle, 0},
                  {"BorderStyle 1", &ListBoxFX::SetBorderStyle, 1},
                  {"Appearance 0", &ListBoxFX::SetAppearance, 0}};
    for (const auto& step : writes) {
        SCOPED_TRACE(step.write);
        (list.*step.member)(step.value);
        Pump();
        RECT client;
        GetClientRect(host, &client);
        RECT bar;
        GetWindowRect(Channel()->ScrollBar(), &bar);
        MapWindowPoints(nullptr, host, reinterpret_cast<POINT*>(&bar), 2);
        EXPECT_EQ(bar.left, client.right - GetSystemMetrics(SM_CXVSCROLL));
        EXPECT_EQ(bar.top, 0);
        EXPECT_EQ(bar.right, client.right);
        EXPECT_EQ(bar.bottom, client.bottom);
        EXPECT_TRUE(IsWindowVisible(Channel()->ScrollBar()));
        const Capture shot = CaptureClient(host);
        EXPECT_EQ(DifferingPixels(shot, CaptureAfterFullRedraw(host)), 0);
        if (&step == &writes[0]) KeepScreenshot(CaptureClient(main_), "listboxfx_3d_frame.bmp");
    }
}

TEST_F(ListBoxFXHostTest, AltCombinationsAndF10RaiseKeyEventsAndKeepTheirSystemMeaning) {
    ListBoxFX& list = Channel()->Control();
    Rebuild(list);
    EventLog log;
    list.SetEvents(&log);
    const HWND host = Channel()->Handle();
    SetFocus(host);
    SendMessageW(host, WM_SYSKEYDOWN, 'X', kAltHeld | 1);
    EXPECT_EQ(log.last_args, "88,4");
    SendMessageW(host, WM_SYSKEYUP, 'X', kAltHeld | kKeyReleased | 1);
    EXPECT_EQ(log.last_args, "88,4");
    EXPECT_THAT(log.events, ElementsAre("KeyDown", "KeyUp"));
    // Alt+Down moves the selection like Down.
    log.events.clear();
    SendMessageW(host, WM_SYSKEYDOWN, VK_DOWN, kAltHeld | 1);
    EXPECT_THAT(log.events, ElementsAre("KeyDown", "Change", "Change"));
    EXPECT_EQ(list.ListIndex(), 0);
    // F10 alone carries no Alt, and still opens the main window's menu.
    log.events.clear();
    SendMessageW(host, WM_SYSKEYDOWN, VK_F10, 1);
    EXPECT_EQ(log.last_args, "121,0");
    SendMessageW(host, WM_SYSKEYUP, VK_F10, kKeyReleased | 1);
    EXPECT_EQ(log.last_args, "121,0");
    Pump();
    EXPECT_THAT(log.events, ElementsAre("KeyDown", "KeyUp"));
    EXPECT_THAT(g_system_commands, ElementsAre(SC_KEYMENU));
    // Alt+F4 is seen by the list and still closes the main window.
    log.events.clear();
    SendMessageW(host, WM_SYSKEYDOWN, VK_F4, kAltHeld | 1);
    Pump();
    EXPECT_THAT(log.events, ElementsAre("KeyDown"));
    EXPECT_EQ(log.last_args, "115,4");
    EXPECT_THAT(g_system_commands, ElementsAre(SC_KEYMENU, SC_CLOSE));
    list.SetEvents(nullptr);
}

TEST_F(ListBoxFXHostTest, DisabledListTakesNeitherFocusNorCaptureAndRaisesNoMouseEvents) {
    ListBoxFX& list = Channel()->Control();
    Rebuild(list);
    EventLog log;
    list.SetEvents(&log);
    SetFocus(typing_box_);
    ASSERT_EQ(GetFocus(), typing_box_);
    list.SetEnabled(false);
    const HWND host = Channel()->Handle();
    const LPARAM row = MAKELPARAM(60, list.ItemHeight() + 3);
    for (UINT press : {WM_LBUTTONDOWN, WM_LBUTTONDBLCLK, WM_RBUTTONDOWN, WM_MBUTTONDOWN}) {
        SCOPED_TRACE(press);
        SendMessageW(host, press, 0, row);
        EXPECT_EQ(GetFocus(), typing_box_);
        EXPECT_EQ(GetCapture(), nullptr);
        SendMessageW(host, press == WM_LBUTTONDBLCLK ? WM_LBUTTONUP : press + 1, 0, row);
    }
    SendMessageW(host, WM_MOUSEMOVE, 0, row);
    Pump();
    EXPECT_THAT(log.events, IsEmpty());
    EXPECT_EQ(list.ListIndex(), -1);

    // Enabled, a press takes both; disabled during the press, the list lets the mouse go and
    // the release, even after it is enabled again, makes no click.
    list.SetEnabled(true);
    SendMessageW(host, WM_LBUTTONDOWN, MK_LBUTTON, row);
    EXPECT_EQ(GetFocus(), host);
    EXPECT_EQ(GetCapture(), host);
    list.SetEnabled(false);
    EXPECT_EQ(GetCapture(), nullptr);
    list.SetEnabled(true);
    SendMessageW(host, WM_LBUTTONUP, 0, row);
    EXPECT_THAT(log.events, ElementsAre("MouseDown", "MouseUp"));
    list.SetEvents(nullptr);
}

}  // namespace
}  // namespace qv
