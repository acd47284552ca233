// The user lists' windows under Wine: a list made on the main window before it shows, its
// place and visibility following the views, and a rebuild painted once.
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

}  // namespace
}  // namespace qv
