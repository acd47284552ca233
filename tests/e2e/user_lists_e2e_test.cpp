// The user lists against the stand-in game, as a player uses them: the channel users shown in
// the game's order with their product badges, joins, leaves and channel changes followed, the
// Friends and Both views, a right click that opens the user pop-up at the cursor and sends the
// user commands, the double click and the Whisper button, and the game's tabs switched while
// the companion is the active window. The lists are read from the screen (the badges' colours);
// the game's side from the stand-in's transcript.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "e2e/game_pair.h"
#include "e2e/shown_lists.h"

namespace {

using e2e::Badges;
using e2e::CountPrefix;
using e2e::Join;
using e2e::ShownRow;
using e2e::ShownRows;
using e2e::WaitUntil;

constexpr int kListBoxFX1 = 1201;
constexpr int kListBoxFX2 = 1202;
constexpr int kCommand4 = 1301;  // Whisper
constexpr int kCheck1 = 1302;
constexpr int kOption1 = 1303;
constexpr int kOption2 = 1304;
constexpr int kOption3 = 1305;
// The pop-up's buttons, numbered by the window in table order.
constexpr int kPopupShowStats = 2000;
constexpr int kPopupSquelch = 2001;
constexpr int kPopupUnsquelch = 2002;
// Rows of the game's chat-screen controls.
constexpr int kGameChannelList = 7;

// Mouse input as the player gives it: a move and the button events, each with the position.
void SendMouse(POINT at, DWORD down, DWORD up, int clicks = 1) {
    const int cx = GetSystemMetrics(SM_CXSCREEN);
    const int cy = GetSystemMetrics(SM_CYSCREEN);
    auto event = [&](DWORD flags) {
        INPUT input{};
        input.type = INPUT_MOUSE;
        input.mi.dx = MulDiv(at.x, 65535, cx - 1);
        input.mi.dy = MulDiv(at.y, 65535, cy - 1);
        input.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
        return input;
    };
    std::vector<INPUT> inputs = {event(0)};
    for (int i = 0; i < clicks; ++i) {
        inputs.push_back(event(down));
        inputs.push_back(event(up));
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

void LeftClickAt(POINT at) { SendMouse(at, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP); }
void RightClickAt(POINT at) { SendMouse(at, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP); }
void DoubleClickAt(POINT at) { SendMouse(at, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, 2); }

POINT CentreOf(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

POINT RowPoint(HWND list, const ShownRow& row) {
    POINT p{60, row.y};
    ClientToScreen(list, &p);
    return p;
}

// Where a child window stands in its parent's client area.
RECT PlaceInParent(HWND child) {
    RECT r{};
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

class UserLists : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        pair_ = new e2e::GamePair;
        const std::vector<std::string> init = {
            "channel Clan QV",      "join Alice\\x090 RATS",      "join J\\xfcrgen\\x090 PXES",
            "join bob\\x0932 PXES", "join Zo\\xeb\\x090 NB2W",    "friend Carol\\x090 RATS",
            "friend Dave\\x090",    "friend \\xc4nne\\x090 PX3W",
        };
        ASSERT_TRUE(pair_->Start("user-lists", init)) << pair_->error;
        ASSERT_TRUE(pair_->WaitBound(1, 20000)) << "the companion never bound the chat screen";
    }

    static void TearDownTestSuite() {
        delete pair_;
        pair_ = nullptr;
    }

    static HWND List1() { return pair_->Control(kListBoxFX1); }
    static HWND List2() { return pair_->Control(kListBoxFX2); }

    // Waits until the list shows these badges, top to bottom.
    static bool WaitForBadges(HWND list, const std::vector<std::string>& badges, int ms) {
        return WaitUntil([&] { return Badges(ShownRows(list)) == badges; }, ms);
    }

    // The companion's visible pop-up, or null.
    static HWND Popup() {
        HWND window = nullptr;
        while ((window = FindWindowExW(nullptr, window, L"QuorvaneForm7", nullptr))) {
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == pair_->companion_pid() && IsWindowVisible(window)) return window;
        }
        return nullptr;
    }

    // A press on the channel-name label, which closes an open pop-up at once.
    static void PressChannelName() {
        POINT label{600, 30};
        ClientToScreen(pair_->main(), &label);
        LeftClickAt(label);
    }

    // Right click on the row showing `index`; waits for the pop-up. An open pop-up, which
    // covers the rows below its user, is closed first as a player would.
    static HWND OpenPopupOn(int index) {
        if (HWND open = Popup()) {
            PressChannelName();
            // Unloaded, not only hidden: a right click must not reach the old pop-up.
            if (!WaitUntil([open] { return !IsWindow(open); }, 2000)) return nullptr;
        }
        const std::vector<ShownRow> rows = ShownRows(List1());
        if (index >= static_cast<int>(rows.size())) return nullptr;
        RightClickAt(RowPoint(List1(), rows[static_cast<size_t>(index)]));
        HWND popup = nullptr;
        WaitUntil([&] { return (popup = Popup()) != nullptr; }, 5000);
        return popup;
    }

    static bool WaitForEvent(size_t from, const std::string& prefix, int ms) {
        return WaitUntil([&] { return CountPrefix(pair_->TranscriptSince(from), prefix) >= 1; },
                         ms);
    }

    static void Screenshot(const wchar_t* name) {
        const std::wstring path = e2e::OutDir() + L"\\" + name;
        if (e2e::SaveScreenshot(path)) std::printf("screenshot: %s\n", e2e::Narrow(path).c_str());
    }

    static inline e2e::GamePair* pair_ = nullptr;
};

const std::vector<std::string> kChannelBadges = {"RATS", "PXES", "32", "NB2W"};

TEST_F(UserLists, ChannelUsersShowInTheGamesOrderWithTheirBadges) {
    ASSERT_TRUE(WaitForBadges(List1(), kChannelBadges, 10000))
        << "shown: " << Join(Badges(ShownRows(List1())));
    EXPECT_TRUE(IsWindowVisible(List1()));
    EXPECT_FALSE(IsWindowVisible(List2())) << "the friends list waits hidden in the same place";
    // The game's own scroll bar goes for a channel of fewer than 13 users.
    EXPECT_TRUE(WaitUntil(
        [] { return CountPrefix(pair_->Transcript(), "scrollbar channel hidden") >= 1; }, 5000));
    Sleep(300);
    Screenshot(L"e2e-user-lists.bmp");
}

TEST_F(UserLists, JoinLeaveAndChannelChangeShowWithinASecond) {
    ASSERT_TRUE(WaitForBadges(List1(), kChannelBadges, 10000))
        << "shown: " << Join(Badges(ShownRows(List1())));
    ULONGLONG start = GetTickCount64();
    pair_->Script("join Newbie\\x090 PX2D");
    std::vector<std::string> joined = kChannelBadges;
    joined.push_back("PX2D");
    ASSERT_TRUE(WaitForBadges(List1(), joined, 5000)) << Join(Badges(ShownRows(List1())));
    std::printf("a join showed after %llu ms\n", GetTickCount64() - start);
    EXPECT_LT(GetTickCount64() - start, 2500u);

    start = GetTickCount64();
    pair_->Script("leave Newbie");
    ASSERT_TRUE(WaitForBadges(List1(), kChannelBadges, 5000));
    std::printf("a leave showed after %llu ms\n", GetTickCount64() - start);
    EXPECT_LT(GetTickCount64() - start, 2500u);

    // Another channel with as many users: only the channel name tells the companion, and its
    // reader looks once a second. Written at once, so no copy sees the list half changed.
    start = GetTickCount64();
    pair_->Script(
        "clear channel\nchannel Op Gr\\xfc\\xdf"
        "e\njoin Kerrigan\\x090 3RAW\njoin Raynor\\x090 RTSJ\njoin Tassadar\\x090 GPCW\n"
        "join Fenix\\x090 TAHC");
    ASSERT_TRUE(WaitForBadges(List1(), {"3RAW", "RTSJ", "GPCW", "TAHC"}, 5000))
        << Join(Badges(ShownRows(List1())));
    std::printf("a channel change showed after %llu ms\n", GetTickCount64() - start);
    EXPECT_LT(GetTickCount64() - start, 2500u);

    pair_->Script(
        "clear channel\nchannel Clan QV\njoin Alice\\x090 RATS\njoin J\\xfcrgen\\x090 PXES\n"
        "join bob\\x0932 PXES\njoin Zo\\xeb\\x090 NB2W");
    ASSERT_TRUE(WaitForBadges(List1(), kChannelBadges, 5000));
}

TEST_F(UserLists, RightClickOpensThePopupAtTheCursorAndShowStatsSendsTheName) {
    ASSERT_TRUE(WaitForBadges(List1(), kChannelBadges, 10000))
        << "shown: " << Join(Badges(ShownRows(List1())));
    const size_t from = pair_->Transcript().size();
    HWND popup = OpenPopupOn(1);  // J\xfcrgen
    ASSERT_NE(popup, nullptr) << "no pop-up after a right click on a user";
    POINT cursor{};
    GetCursorPos(&cursor);
    RECT placed{};
    GetWindowRect(popup, &placed);
    EXPECT_EQ(placed.left, cursor.x) << "the pop-up's top-left corner is on the cursor";
    EXPECT_EQ(placed.top, cursor.y);
    RECT client{};
    GetClientRect(popup, &client);
    EXPECT_EQ(client.right, 146);
    EXPECT_EQ(client.bottom, 271);
    Sleep(200);
    Screenshot(L"e2e-user-popup.bmp");

    LeftClickAt(CentreOf(GetDlgItem(popup, kPopupShowStats)));
    ASSERT_TRUE(WaitForEvent(from, "click send", 5000));
    Sleep(300);
    const auto events = pair_->TranscriptSince(from);
    EXPECT_EQ(CountPrefix(events, "settext /stats J\\xFCrgen"), 1) << "the game got another line";
    EXPECT_EQ(CountPrefix(events, "sent /stats J\\xFCrgen"), 1);
    EXPECT_EQ(e2e::WindowText(pair_->Control(e2e::kControlText4)), "");
    EXPECT_EQ(Popup(), popup) << "the pop-up stays open after a command";
}

TEST_F(UserLists, SquelchIsFollowedByARebuildOfTheListAbout700msLater) {
    ASSERT_TRUE(WaitForBadges(List1(), kChannelBadges, 10000))
        << "shown: " << Join(Badges(ShownRows(List1())));
    HWND popup = OpenPopupOn(3);  // Zo\xeb
    ASSERT_NE(popup, nullptr);
    size_t from = pair_->Transcript().size();
    LeftClickAt(CentreOf(GetDlgItem(popup, kPopupSquelch)));
    // The game marks the user at once, but the count and the channel stay: only the refresh
    // armed by the command shows it.
    ASSERT_TRUE(WaitForEvent(from, "settext /ignore Zo\\xEB", 5000));
    const ULONGLONG sent = GetTickCount64();
    const std::vector<std::string> before = Badges(ShownRows(List1()));
    const ULONGLONG looked = GetTickCount64() - sent;
    if (looked < 400) {
        EXPECT_EQ(before, kChannelBadges) << "rebuilt before the refresh was due";
    } else {
        std::printf("looked too late (%llu ms) to see the list before its refresh\n", looked);
    }
    ASSERT_TRUE(WaitForBadges(List1(), {"RATS", "PXES", "32", "32"}, 5000))
        << Join(Badges(ShownRows(List1())));
    std::printf("the squelched user showed marked after %llu ms\n", GetTickCount64() - sent);
    EXPECT_GE(GetTickCount64() - sent, 500u);

    popup = Popup() ? Popup() : OpenPopupOn(3);
    ASSERT_NE(popup, nullptr);
    from = pair_->Transcript().size();
    LeftClickAt(CentreOf(GetDlgItem(popup, kPopupUnsquelch)));
    ASSERT_TRUE(WaitForEvent(from, "settext /unignore Zo\\xEB", 5000));
    ASSERT_TRUE(WaitForBadges(List1(), kChannelBadges, 5000));
}

TEST_F(UserLists, PressInTheTypingBoxClosesThePopupAndDoubleClickAppendsTheName) {
    ASSERT_TRUE(WaitForBadges(List1(), kChannelBadges, 10000))
        << "shown: " << Join(Badges(ShownRows(List1())));
    if (!Popup()) ASSERT_NE(OpenPopupOn(0), nullptr);
    HWND text4 = pair_->Control(e2e::kControlText4);
    LeftClickAt(CentreOf(text4));
    EXPECT_TRUE(WaitUntil([] { return Popup() == nullptr; }, 2000)) << "the pop-up stayed open";

    const size_t from = pair_->Transcript().size();
    SendMessageW(text4, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"hi "));
    const std::vector<ShownRow> rows = ShownRows(List1());
    ASSERT_GE(rows.size(), 2u);
    DoubleClickAt(RowPoint(List1(), rows[1]));
    EXPECT_TRUE(WaitUntil([&] { return e2e::WindowText(text4) == "hi J\xC3\xBCrgen "; }, 3000))
        << "typing box: " << e2e::WindowText(text4);
    Sleep(300);
    EXPECT_EQ(CountPrefix(pair_->TranscriptSince(from), "sent "), 0) << "nothing is sent";
}

TEST_F(UserLists, WhisperButtonSendsWhisperNameAndTheTypedText) {
    ASSERT_TRUE(WaitForBadges(List1(), kChannelBadges, 10000))
        << "shown: " << Join(Badges(ShownRows(List1())));
    const std::vector<ShownRow> rows = ShownRows(List1());
    ASSERT_GE(rows.size(), 4u);
    LeftClickAt(RowPoint(List1(), rows[0]));  // Alice
    Sleep(300);
    HWND text4 = pair_->Control(e2e::kControlText4);
    SendMessageW(text4, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"see you f\u00fcr later"));
    const size_t from = pair_->Transcript().size();
    LeftClickAt(CentreOf(pair_->Control(kCommand4)));
    ASSERT_TRUE(WaitForEvent(from, "click send", 5000));
    Sleep(300);
    const auto events = pair_->TranscriptSince(from);
    EXPECT_EQ(CountPrefix(events, "settext /whisper Alice see you f\\xFCr later"), 1);
    EXPECT_EQ(CountPrefix(events, "sent /whisper Alice see you f\\xFCr later"), 1);
}

TEST_F(UserLists, FriendsAndBothViews) {
    LeftClickAt(CentreOf(pair_->Control(kOption2)));
    ASSERT_TRUE(
        WaitUntil([] { return IsWindowVisible(List2()) && !IsWindowVisible(List1()); }, 3000));
    RECT place = PlaceInParent(List2());
    EXPECT_EQ(place.top, 54);
    EXPECT_EQ(place.bottom - place.top, 433);
    // "Hide offline friends" is ticked: Dave, without a product code, is left out.
    EXPECT_TRUE(WaitForBadges(List2(), {"RATS", "PX3W"}, 5000)) << Join(Badges(ShownRows(List2())));
    LeftClickAt(CentreOf(pair_->Control(kCheck1)));
    EXPECT_TRUE(WaitForBadges(List2(), {"RATS", "PXES", "PX3W"}, 5000))
        << "unticked, Dave shows with icon 0: " << Join(Badges(ShownRows(List2())));
    LeftClickAt(CentreOf(pair_->Control(kCheck1)));
    EXPECT_TRUE(WaitForBadges(List2(), {"RATS", "PX3W"}, 5000));
    // The game's friends list changes: the view follows within its 800 ms upkeep.
    pair_->Script("friend Eve\\x090 VD2D");
    EXPECT_TRUE(WaitForBadges(List2(), {"RATS", "PX3W", "VD2D"}, 5000));

    LeftClickAt(CentreOf(pair_->Control(kOption3)));
    ASSERT_TRUE(
        WaitUntil([] { return IsWindowVisible(List2()) && IsWindowVisible(List1()); }, 3000));
    place = PlaceInParent(List1());
    EXPECT_EQ(place.top, 55);
    EXPECT_EQ(place.bottom - place.top, 227);
    place = PlaceInParent(List2());
    EXPECT_EQ(place.top, 314);
    EXPECT_EQ(place.bottom - place.top, 170);
    EXPECT_TRUE(WaitForBadges(List2(), {"RATS", "PX3W", "VD2D"}, 5000));
    // Both lists were shown, which sorts a list until its next rebuild: the channel list
    // shows its four users in some order.
    EXPECT_TRUE(WaitUntil([] { return ShownRows(List1()).size() == 4; }, 5000));
    Sleep(300);
    Screenshot(L"e2e-user-lists-both.bmp");

    LeftClickAt(CentreOf(pair_->Control(kOption1)));
    ASSERT_TRUE(
        WaitUntil([] { return IsWindowVisible(List1()) && !IsWindowVisible(List2()); }, 3000));
    place = PlaceInParent(List1());
    EXPECT_EQ(place.top, 54);
    EXPECT_EQ(place.bottom - place.top, 433);
}

TEST_F(UserLists, ActivatingTheCompanionClicksFriendsOnceAndLeavingItClicksChannel) {
    HWND game_screen = GetAncestor(pair_->GameControl(kGameChannelList), GA_ROOT);
    ASSERT_NE(game_screen, nullptr);
    // Leave the companion first, so it has switched the game back if it had switched it.
    SetForegroundWindow(game_screen);
    Sleep(1800);
    size_t from = pair_->Transcript().size();
    SetForegroundWindow(pair_->main());
    ASSERT_TRUE(WaitForEvent(from, "click friends-tab", 3000)) << "no Friends click";
    Sleep(2500);
    auto events = pair_->TranscriptSince(from);
    EXPECT_EQ(CountPrefix(events, "click friends-tab"), 1) << "the game hid its channel list";
    EXPECT_EQ(CountPrefix(events, "click channel-tab"), 0);
    EXPECT_EQ(CountPrefix(events, "tab friends"), 1);

    from = pair_->Transcript().size();
    SetForegroundWindow(game_screen);
    ASSERT_TRUE(WaitForEvent(from, "click channel-tab", 3000)) << "no Channel click";
    Sleep(1800);
    events = pair_->TranscriptSince(from);
    EXPECT_EQ(CountPrefix(events, "click channel-tab"), 1);
    EXPECT_EQ(CountPrefix(events, "click friends-tab"), 0);
}

}  // namespace
