// The list control in a real window under Wine: the main window's stored settings, real
// window messages for clicks, keys and the scroll bar, and the pixels it draws.
#include <windows.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "unit/listcontrol/event_log.h"
#include "win32/listboxfx_main_lists.h"
#include "win32/window_pictures.h"

namespace qv {
namespace {

using ::testing::ElementsAre;

constexpr int kList1Id = 2101;
constexpr int kList2Id = 2102;

void Pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

LPARAM Point(int x, int y) { return MAKELPARAM(x, y); }

const char* const kPlayers[] = {"Zeratul",  "artanis", "Raynor",  "kerrigan", "Fenix",
                                "tassadar", "Mengsk",  "duran",   "Stukov",   "aldaris",
                                "Horner",   "swann",   "Findlay", "tychus",   "Valerian"};

class ListBoxFXWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        WNDCLASSW wc{};
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
        wc.lpszClassName = L"QvListBoxFXTestParent";
        RegisterClassW(&wc);
        parent_ = CreateWindowExW(0, wc.lpszClassName, L"ListBoxFX", WS_POPUP | WS_VISIBLE, 0, 0,
                                  780, 540, nullptr, nullptr, wc.hInstance, nullptr);
        ASSERT_NE(parent_, nullptr);
        lists_ = CreateMainWindowLists(parent_, kList1Id, kList2Id);
        ASSERT_NE(lists_.ListBoxFX1, nullptr);
        ASSERT_NE(lists_.ListBoxFX2, nullptr);
        list_ = lists_.ListBoxFX1;
        Pump();
    }

    void TearDown() override {
        if (parent_) DestroyWindow(parent_);
        Pump();
    }

    ListBoxFX& Control() { return list_->Control(); }
    HWND List() { return list_->Handle(); }

    // 30 players, each with one of the 13 badges, then slot 5 selected.
    void ThirtyRows() {
        for (int i = 0; i < 30; ++i) {
            const std::string name = std::string(kPlayers[i % 15]) + (i < 15 ? "" : "_2");
            Control().AddItem(name, ListKey(i), static_cast<int16_t>((i % 13) * 2));
        }
        Control().SetListIndex(4);
        Control().SetEvents(&log_);
        Pump();
        log_.events.clear();
    }

    void Send(UINT msg, WPARAM wp, LPARAM lp) {
        SendMessageW(List(), msg, wp, lp);
        Pump();
    }

    COLORREF SurfacePixel(int x, int y) {
        return GetPixel(reinterpret_cast<HDC>(Control().hdc()), x, y);
    }

    HWND parent_ = nullptr;
    MainWindowLists lists_;
    ListBoxFXWindow* list_ = nullptr;
    EventLog log_;
};

TEST_F(ListBoxFXWindowTest, MainWindowListsComeFromTheirStoredSettings) {
    for (ListBoxFXWindow* window : {lists_.ListBoxFX1, lists_.ListBoxFX2}) {
        RECT r;
        GetWindowRect(window->Handle(), &r);
        MapWindowPoints(nullptr, parent_, reinterpret_cast<POINT*>(&r), 2);
        EXPECT_EQ(r.left, 583);
        EXPECT_EQ(r.top, 54);
        EXPECT_EQ(r.right - r.left, 169);
        EXPECT_EQ(r.bottom - r.top, 433);
        const ListBoxFX& c = window->Control();
        EXPECT_EQ(c.BackColor(), 0u);
        EXPECT_EQ(c.TextColor(), 0xFFFFFFu);
        EXPECT_TRUE(c.ShowIcons());
        EXPECT_EQ(c.Appearance(), 0);
        EXPECT_FALSE(IsWindowVisible(window->ScrollBar()));
    }
    EXPECT_TRUE(IsWindowVisible(lists_.ListBoxFX1->Handle()));
    EXPECT_FALSE(IsWindowVisible(lists_.ListBoxFX2->Handle()));
    // Shown: the row height is the icon height, at least the text height.
    EXPECT_GE(Control().ItemHeight(), 16);
    EXPECT_EQ(lists_.ListBoxFX2->Control().ItemHeight(), 0);
    // A flat single border: one pixel each side.
    RECT client;
    GetClientRect(List(), &client);
    EXPECT_EQ(client.right, 167);
    EXPECT_EQ(GetWindowLongW(List(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0);
}

TEST_F(ListBoxFXWindowTest, ClicksRaiseTheirEventsInOrder) {
    ThirtyRows();
    const int row = Control().ItemHeight();
    Send(WM_LBUTTONDOWN, MK_LBUTTON, Point(40, 2 * row + 3));
    Send(WM_LBUTTONUP, 0, Point(40, 2 * row + 3));
    EXPECT_THAT(log_.events, ElementsAre("MouseDown", "MouseUp", "Click", "Change"));
    EXPECT_EQ(Control().ListIndex(), 2);
    log_.events.clear();
    Send(WM_LBUTTONDOWN, MK_LBUTTON, Point(40, 6 * row + 3));
    Send(WM_LBUTTONUP, 0, Point(40, 6 * row + 3));
    Send(WM_LBUTTONDBLCLK, MK_LBUTTON, Point(40, 6 * row + 3));
    Send(WM_LBUTTONUP, 0, Point(40, 6 * row + 3));
    EXPECT_THAT(log_.events, ElementsAre("MouseDown", "MouseUp", "Click", "Change", "dblClick",
                                         "Change", "MouseUp"));
    EXPECT_EQ(Control().ListIndex(), 6);
    log_.events.clear();
    Send(WM_RBUTTONDOWN, MK_RBUTTON, Point(40, 9 * row + 3));
    Send(WM_RBUTTONUP, 0, Point(40, 9 * row + 3));
    EXPECT_THAT(log_.events, ElementsAre("MouseDown", "MouseUp"));
    EXPECT_EQ(log_.last_args, "2,0,40," + std::to_string(9 * row + 3));
    EXPECT_EQ(Control().ListIndex(), 6);
    EXPECT_EQ(GetFocus(), List());
}

TEST_F(ListBoxFXWindowTest, KeysMoveTheSelectionAndTheScrollBar) {
    ThirtyRows();
    Control().SetScrollbar(true);
    Pump();
    EXPECT_TRUE(IsWindowVisible(list_->ScrollBar()));
    const int max = Control().vBar().max;
    EXPECT_EQ(max, 30 - Control().VisibleRows());
    Send(WM_KEYDOWN, VK_END, 0);
    Send(WM_KEYUP, VK_END, 0);
    EXPECT_THAT(log_.events, ElementsAre("KeyDown", "Change", "KeyUp"));
    EXPECT_EQ(Control().ListIndex(), 29);
    EXPECT_EQ(GetScrollPos(list_->ScrollBar(), SB_CTL), max);
    log_.events.clear();
    Send(WM_KEYDOWN, VK_LEFT, 0);
    Send(WM_CHAR, 'a', 0);
    EXPECT_THAT(log_.events, ElementsAre("KeyDown", "Change", "Change", "KeyPress"));
    EXPECT_EQ(Control().ListIndex(), 28);
    Send(WM_KEYDOWN, VK_HOME, 0);
    EXPECT_EQ(Control().ListIndex(), 0);
    EXPECT_EQ(GetScrollPos(list_->ScrollBar(), SB_CTL), 0);
}

TEST_F(ListBoxFXWindowTest, ScrollBarMessagesScrollTheRows) {
    ThirtyRows();
    Control().SetScrollbar(true);
    Send(WM_VSCROLL, SB_LINEDOWN, reinterpret_cast<LPARAM>(list_->ScrollBar()));
    EXPECT_EQ(Control().vBar().value, 1);
    Send(WM_VSCROLL, SB_BOTTOM, reinterpret_cast<LPARAM>(list_->ScrollBar()));
    EXPECT_EQ(Control().vBar().value, Control().vBar().max);
    EXPECT_EQ(GetScrollPos(list_->ScrollBar(), SB_CTL), Control().vBar().max);
    Send(WM_VSCROLL, SB_LINEUP, reinterpret_cast<LPARAM>(list_->ScrollBar()));
    EXPECT_EQ(Control().vBar().value, Control().vBar().max - 1);
}

TEST_F(ListBoxFXWindowTest, DrawsBadgesSelectionAndCentredText) {
    ThirtyRows();
    Control().SetScrollbar(true);
    InvalidateRect(List(), nullptr, FALSE);
    UpdateWindow(List());
    Pump();
    const int row = Control().ItemHeight();
    const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
    int magenta = 0, badge = 0;
    for (int y = 0; y < 27 * row; ++y) {
        for (int x = 0; x < 28; ++x) {
            const COLORREF p = SurfacePixel(x, y);
            if (p == RGB(255, 0, 255)) ++magenta;
            if (p != RGB(0, 0, 0) && p != highlight) ++badge;
        }
    }
    EXPECT_EQ(magenta, 0);  // the strip's background is see-through
    EXPECT_GT(badge, 27 * 100);
    // The selected row (slot 5) is on the highlight colour across the list.
    EXPECT_EQ(SurfacePixel(140, 4 * row + 8), highlight);
    EXPECT_EQ(SurfacePixel(140, 3 * row + 8), RGB(0, 0, 0));
    // Text of row 2 sits in the middle of its row: as much room above as below, within 1.
    int top = row, bottom = -1;
    for (int y = row; y < 2 * row; ++y) {
        for (int x = 30; x < 150; ++x) {
            if (SurfacePixel(x, y) != RGB(0, 0, 0)) {
                top = std::min(top, y - row);
                bottom = std::max(bottom, y - row);
            }
        }
    }
    ASSERT_GE(bottom, top);
    EXPECT_LE(std::abs(top - (row - 1 - bottom)), 2) << top << " " << bottom;
    if (const char* path = std::getenv("LISTBOXFX_SCREENSHOT")) {
        SaveWindowPicture(parent_, std::wstring(path, path + std::strlen(path)));
    }
}

}  // namespace
}  // namespace qv
