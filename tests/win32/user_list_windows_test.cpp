// The user lists' windows under Wine: a list made on the main window before it shows, its
// place and visibility following the views, and a rebuild painted once, or not at all when
// the list looks as it did.
#include <windows.h>
// commctrl.h needs the types of windows.h first.
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "userlists/user_list_box.h"
#include "userlists/user_rows.h"
#include "win32/listboxfx_main_lists.h"
#include "win32/user_list_windows.h"

namespace qv {
namespace {

constexpr int kList1Id = 2211;
constexpr int kList2Id = 2212;

void Pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

// Counts the paints a window gets.
int g_paints = 0;
LRESULT CALLBACK CountPaints(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR) {
    if (msg == WM_PAINT) ++g_paints;
    return DefSubclassProc(hwnd, msg, wp, lp);
}

// Rows in the game's form, each with a product code.
std::vector<std::string> GameRows(int count) {
    std::vector<std::string> rows;
    for (int i = 0; i < count; ++i) {
        const char* code = kProductIconTable[static_cast<size_t>(i) % 12].code;
        rows.push_back("User" + std::to_string(i) + "\t0 " + code);
    }
    return rows;
}

class UserListWindows : public ::testing::Test {
  protected:
    void MakeMain(bool visible) {
        WNDCLASSW wc{};
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
        wc.lpszClassName = L"QvUserListWindowsTest";
        RegisterClassW(&wc);
        main_ = CreateWindowExW(0, wc.lpszClassName, L"user lists",
                                WS_POPUP | WS_CLIPCHILDREN | (visible ? WS_VISIBLE : 0), 0, 0, 780,
                                540, nullptr, nullptr, wc.hInstance, nullptr);
        ASSERT_NE(main_, nullptr);
        lists_ = CreateMainWindowLists(main_, kList1Id, kList2Id);
        ASSERT_NE(lists_.ListBoxFX1, nullptr);
        ASSERT_NE(lists_.ListBoxFX2, nullptr);
    }

    void TearDown() override {
        if (main_) DestroyWindow(main_);
        Pump();
    }

    HWND main_ = nullptr;
    MainWindowLists lists_;
    UserListBox channel_{true};
    UserListBox friends_{false};
};

TEST_F(UserListWindows, ListMadeBeforeTheMainWindowShowsHasItsRowHeight) {
    MakeMain(false);
    std::printf("row height of the shown list made on a hidden window: %d\n",
                lists_.ListBoxFX1->Control().ItemHeight());
    AttachUserListWindow(channel_, lists_.ListBoxFX1);
    AttachUserListWindow(friends_, lists_.ListBoxFX2);
    EXPECT_GT(channel_.Control().ItemHeight(), 0) << "rows would all be drawn on the first";
    ShowWindow(main_, SW_SHOWNA);
    Pump();
    RenderUserRows(GameRows(3), "\t", channel_.Control(), UserRowRules{});
    EXPECT_GT(channel_.Control().ItemHeight(), 0);
}

// What the screen shows of a window's client area.
std::vector<COLORREF> Capture(HWND window) {
    RECT client;
    GetClientRect(window, &client);
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    HDC screen = GetDC(nullptr);
    HDC mem = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader = {
        sizeof(BITMAPINFOHEADER), client.right, -client.bottom, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(mem, dib);
    BitBlt(mem, 0, 0, client.right, client.bottom, screen, origin.x, origin.y, SRCCOPY);
    GdiFlush();
    const auto* p = static_cast<const COLORREF*>(bits);
    std::vector<COLORREF> pixels(p, p + client.right * client.bottom);
    SelectObject(mem, old);
    DeleteObject(dib);
    DeleteDC(mem);
    ReleaseDC(nullptr, screen);
    return pixels;
}

TEST_F(UserListWindows, ARebuildIsPaintedOnceByTheMessageLoop) {
    MakeMain(true);
    AttachUserListWindow(channel_, lists_.ListBoxFX1);
    Pump();
    HWND list = lists_.ListBoxFX1->Handle();
    SetWindowSubclass(list, CountPaints, 1, 0);
    const std::vector<std::string> rows = GameRows(40);

    // Without holding, every added row paints at once.
    g_paints = 0;
    RenderUserRows(rows, "\t", channel_.Control(), UserRowRules{});
    const int unheld = g_paints;
    Pump();
    std::printf("a rebuild of 40 rows without holding: %d paints\n", unheld);
    EXPECT_GE(unheld, 40);

    // A user at the top left: the rebuilt list looks different.
    std::vector<std::string> changed = rows;
    changed[0] = "Zed\t0 RATS";
    auto held_rebuild = [&](const std::vector<std::string>& game_rows) {
        g_paints = 0;
        {
            UserListBox::Rebuild painting_once(channel_);
            RenderUserRows(game_rows, "\t", channel_.Control(), UserRowRules{});
            EXPECT_EQ(g_paints, 0) << "nothing is painted during the rebuild";
            EXPECT_FALSE(IsWindowVisible(list)) << "redrawing is off";
        }
        EXPECT_TRUE(IsWindowVisible(list));
        Pump();
    };
    held_rebuild(changed);
    EXPECT_EQ(g_paints, 1) << "one paint shows the rebuilt list";
    // What shows is what a full paint of the list gives.
    const std::vector<COLORREF> shown = Capture(list);
    InvalidateRect(list, nullptr, FALSE);
    UpdateWindow(list);
    Pump();
    EXPECT_TRUE(shown == Capture(list)) << "the screen differs from a fresh paint";

    held_rebuild(changed);
    EXPECT_EQ(g_paints, 0) << "the list looks as it did: nothing to paint";
    EXPECT_TRUE(shown == Capture(list));
    InvalidateRect(list, nullptr, FALSE);
    held_rebuild(changed);
    EXPECT_EQ(g_paints, 1) << "a paint that was due before the rebuild still comes";
    RemoveWindowSubclass(list, CountPaints, 1);
}

TEST_F(UserListWindows, AHiddenListStaysHiddenThroughARebuild) {
    MakeMain(true);
    AttachUserListWindow(friends_, lists_.ListBoxFX2);
    HWND list = lists_.ListBoxFX2->Handle();
    ASSERT_FALSE(IsWindowVisible(list));
    {
        UserListBox::Rebuild painting_once(friends_);
        RenderUserRows(GameRows(5), "\t", friends_.Control(), UserRowRules{false, true});
    }
    Pump();
    EXPECT_FALSE(IsWindowVisible(list));
    EXPECT_EQ(GetWindowLongW(list, GWL_STYLE) & WS_VISIBLE, 0) << "turning redraw on shows";
    EXPECT_EQ(friends_.Control().ListCount(), 5);
}

TEST_F(UserListWindows, TheViewsMoveAndShowTheListWindows) {
    MakeMain(true);
    AttachUserListWindow(channel_, lists_.ListBoxFX1);
    AttachUserListWindow(friends_, lists_.ListBoxFX2);
    auto place = [](HWND window) {
        RECT r{};
        GetWindowRect(window, &r);
        MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&r), 2);
        return r;
    };
    HWND list1 = lists_.ListBoxFX1->Handle();
    HWND list2 = lists_.ListBoxFX2->Handle();
    friends_.SetTop(314);
    friends_.SetHeight(170);
    friends_.SetVisible(true);
    channel_.SetTop(55);
    channel_.SetHeight(227);
    Pump();
    EXPECT_TRUE(IsWindowVisible(list2));
    RECT r = place(list2);
    EXPECT_EQ(r.left, 583);
    EXPECT_EQ(r.top, 314);
    EXPECT_EQ(r.right - r.left, 169);
    EXPECT_EQ(r.bottom - r.top, 170);
    r = place(list1);
    EXPECT_EQ(r.top, 55);
    EXPECT_EQ(r.bottom - r.top, 227);
    channel_.SetVisible(false);
    Pump();
    EXPECT_FALSE(IsWindowVisible(list1));
    EXPECT_GT(friends_.Control().ItemHeight(), 0) << "shown: the list's showing steps ran";
}

}  // namespace
}  // namespace qv
