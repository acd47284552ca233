// The user lists against the stand-in game, as a player uses them: the channel users shown in
// the game's order with their product badges, joins, leaves and channel changes followed, the
// Friends and Both views, a right click that opens the user pop-up at the cursor and sends the
// user commands, the double click and the Whisper button, and the game's tabs switched while
// the companion is the active window. The lists are read from the screen (the badges' colours);
// the game's side from the stand-in's transcript.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "e2e/companion_windows.h"
#include "e2e/game_pair.h"
#include "e2e/player_input.h"
#include "e2e/shown_lists.h"

namespace {

using e2e::Badges;
using e2e::CentreOf;
using e2e::ClientPixels;
using e2e::CountPrefix;
using e2e::DoubleClickAt;
using e2e::Join;
using e2e::LeftClickAt;
using e2e::RightClickAt;
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

POINT RowPoint(HWND list, const ShownRow& row) {
    POINT p{60, row.y};
    ClientToScreen(list, &p);
    return p;
}

// True when the list shows the row selected: the selection bar, in the system's highlight
// colour, left of where a pop-up opened on the row would begin.
bool RowSelected(HWND list, const ShownRow& row) {
    int width = 0;
    int height = 0;
    const std::vector<COLORREF> pixels = ClientPixels(list, &width, &height);
    if (row.y < 0 || row.y >= height) return false;
    const COLORREF highlight = GetSysColor(COLOR_HIGHLIGHT);
    int bar = 0;
    for (int x = 30; x < std::min(width, 58); ++x) {
        bar += pixels[static_cast<size_t>(row.y * width + x)] == highlight;
    }
    return bar > 3;
}

// Where a child window stands in its parent's client area.
RECT PlaceInParent(HWND child) {
    RECT r{};
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

// The game's users and friends as every test begins.
const char* const kUsers[] = {
    "join Alice\\x090 RATS",      "join J\\xfcrgen\\x090 PXES", "join bob\\x0932 PXES",
    "join Zo\\xeb\\x090 NB2W",    "friend Carol\\x090 RATS",    "friend Dave\\x090",
    "friend \\xc4nne\\x090 PX3W",
};
const std::vector<std::string> kChannelBadges = {"RATS", "PXES", "32", "NB2W"};

std::string Lines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += (text.empty() ? "" : "\n") + line;
    return text;
}

// One pair for the suite. Every test starts from the same state of the game and of the
// companion's lists; after a failed test the next one gets a fresh pair.
class UserLists : public ::testing::Test {
  protected:
    void SetUp() override {
        std::vector<std::string> init = {"channel Clan QV"};
        init.insert(init.end(), std::begin(kUsers), std::end(kUsers));
        pair_ = shared_.Get("user-lists", init);
        ASSERT_NE(pair_, nullptr) << shared_.error;
        ASSERT_NO_FATAL_FAILURE(Reset());
    }
    void TearDown() override {
        if (HasFailure()) shared_.Spoil();
    }
    static void TearDownTestSuite() { shared_.Stop(); }

    // The game back to its users and friends, on its Channel tab, and the companion active,
    // showing its channel list with offline friends hidden, its pop-up closed and its typing
    // box empty. The channel is emptied first, so the companion builds its list anew and
    // shows no mark a command left on a user; its name goes too, so the name shown above the
    // list is the one set here, not one a test left.
    static void Reset() {
        ASSERT_TRUE(e2e::BringToFront(pair_->main())) << "the companion did not come to the front";
        ASSERT_TRUE(ClosePopup()) << "the pop-up did not close";
        if (SendMessageW(pair_->Control(kOption1), BM_GETCHECK, 0, 0) != BST_CHECKED) {
            LeftClickAt(CentreOf(pair_->Control(kOption1)));
        }
        if (SendMessageW(pair_->Control(kCheck1), BM_GETCHECK, 0, 0) != BST_CHECKED) {
            LeftClickAt(CentreOf(pair_->Control(kCheck1)));
        }
        ASSERT_TRUE(WaitUntil(
            [] {
                return IsWindowVisible(List1()) && !IsWindowVisible(List2()) &&
                       SendMessageW(pair_->Control(kCheck1), BM_GETCHECK, 0, 0) == BST_CHECKED;
            },
            5000))
            << "the companion's lists did not go back to the channel view";
        e2e::SetText(pair_->Control(e2e::kControlText4), "");
        pair_->Script("clear channel\nchannel\nclear friends\nshow-tab channel");
        ASSERT_TRUE(WaitForBadges(List1(), {}, 10000))
            << "the emptied channel still shows: " << Join(Badges(ShownRows(List1())));
        ASSERT_TRUE(WaitUntil([] { return !e2e::ChannelNameShown(pair_->main()); }, 10000))
            << "the channel's name stays above the list";
        pair_->Script("channel Clan QV\n" +
                      Lines(std::vector<std::string>(std::begin(kUsers), std::end(kUsers))));
        ASSERT_TRUE(WaitForBadges(List1(), kChannelBadges, 10000))
            << "shown: " << Join(Badges(ShownRows(List1())));
        ASSERT_TRUE(WaitUntil([] { return e2e::ChannelNameShown(pair_->main()); }, 10000))
            << "no channel name above the list";
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

    // Closes an open pop-up as a player would, by a press on the channel-name label, and
    // waits until it is unloaded, not only hidden: a right click must not reach it.
    static bool ClosePopup() {
        HWND open = Popup();
        if (!open) return true;
        POINT label{600, 30};
        ClientToScreen(pair_->main(), &label);
        LeftClickAt(label);
        return WaitUntil([open] { return !IsWindow(open); }, 5000);
    }

    // Right click on the row showing `index`; waits until the pop-up is the foreground
    // window, ready for a click, and the row is selected, so its commands name that user.
    // An open pop-up, which covers the rows below its user, is closed first.
    static HWND OpenPopupOn(int index, POINT* clicked = nullptr) {
        if (!ClosePopup()) return nullptr;
        const std::vector<ShownRow> rows = ShownRows(List1());
        if (index >= static_cast<int>(rows.size())) return nullptr;
        const ShownRow row = rows[static_cast<size_t>(index)];
        const POINT at = RowPoint(List1(), row);
        if (clicked) *clicked = at;
        if (!RightClickAt(at)) return nullptr;
        HWND popup = nullptr;
        const bool ready = WaitUntil(
            [&] {
                popup = Popup();
                return popup && GetForegroundWindow() == popup && RowSelected(List1(), row);
            },
            5000);
        return ready ? popup : nullptr;
    }

    static bool WaitForEvent(size_t from, const std::string& prefix, int ms) {
        return WaitUntil([&] { return CountPrefix(pair_->TranscriptSince(from), prefix) >= 1; },
                         ms);
    }

    // Waits for `ticks` runs of the companion's upkeep of the game's lists that began after
    // this call: the game shows both its list scroll bars, which its few rows do not need,
    // and each run hides one of them again.
    static bool WaitUpkeepTicks(int ticks) {
        for (int tick = 0; tick < ticks; ++tick) {
            pair_->Script("scrollbar channel show\nscrollbar friends show");
            size_t from = 0;
            if (!pair_->Sync(&from)) return false;
            if (!WaitUntil(
                    [&] {
                        const auto events = pair_->TranscriptSince(from);
                        return CountPrefix(events, "scrollbar channel hidden") +
                                   CountPrefix(events, "scrollbar friends hidden") >=
                               1;
                    },
                    10000)) {
                return false;
            }
        }
        return true;
    }

    static void Screenshot(const wchar_t* name) {
        EXPECT_TRUE(e2e::SaveCompanionScreenshot(name, pair_->main()))
            << "the screen did not settle";
    }

    static inline e2e::SharedPair shared_;
    static inline e2e::GamePair* pair_ = nullptr;
};

TEST_F(UserLists, ChannelUsersShowInTheGamesOrderWithTheirBadges) {
    EXPECT_EQ(Badges(ShownRows(List1())), kChannelBadges);
    EXPECT_TRUE(IsWindowVisible(List1()));
    EXPECT_FALSE(IsWindowVisible(List2())) << "the friends list waits hidden in the same place";
    // The game's own scroll bar goes for a channel of fewer than 13 users.
    EXPECT_TRUE(WaitUntil(
        [] { return CountPrefix(pair_->Transcript(), "scrollbar channel hidden") >= 1; }, 5000));
    Screenshot(L"e2e-user-lists.bmp");
}

TEST_F(UserLists, JoinsLeavesAndAChannelChangeShow) {
    ULONGLONG start = GetTickCount64();
    pair_->Script("join Newbie\\x090 PX2D");
    std::vector<std::string> joined = kChannelBadges;
    joined.push_back("PX2D");
    ASSERT_TRUE(WaitForBadges(List1(), joined, 5000)) << Join(Badges(ShownRows(List1())));
    std::printf("a join showed after %llu ms\n", GetTickCount64() - start);

    start = GetTickCount64();
    pair_->Script("leave Newbie");
    ASSERT_TRUE(WaitForBadges(List1(), kChannelBadges, 5000));
    std::printf("a leave showed after %llu ms\n", GetTickCount64() - start);

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
}

TEST_F(UserLists, RightClickOpensThePopupAtTheCursorAndShowStatsSendsTheName) {
    const size_t from = pair_->Transcript().size();
    POINT clicked{};
    HWND popup = OpenPopupOn(1, &clicked);  // J\xfcrgen
    ASSERT_NE(popup, nullptr) << "no pop-up for the user after a right click on the user";
    RECT placed{};
    GetWindowRect(popup, &placed);
    EXPECT_EQ(placed.left, clicked.x) << "the pop-up's top-left corner is on the cursor";
    EXPECT_EQ(placed.top, clicked.y);
    RECT client{};
    GetClientRect(popup, &client);
    EXPECT_EQ(client.right, 146);
    EXPECT_EQ(client.bottom, 271);
    Screenshot(L"e2e-user-popup.bmp");

    LeftClickAt(CentreOf(GetDlgItem(popup, kPopupShowStats)));
    ASSERT_TRUE(WaitForEvent(from, "click send", 5000));
    ASSERT_TRUE(pair_->WaitPumpPass());
    const auto events = pair_->TranscriptSince(from);
    EXPECT_EQ(CountPrefix(events, "settext /stats J\\xFCrgen"), 1) << "the game got another line";
    EXPECT_EQ(CountPrefix(events, "sent /stats J\\xFCrgen"), 1);
    EXPECT_EQ(e2e::WindowText(pair_->Control(e2e::kControlText4)), "");
    EXPECT_EQ(Popup(), popup) << "the pop-up stays open after a command";
}

TEST_F(UserLists, SquelchIsFollowedByARebuildOfTheListAbout700msLater) {
    HWND popup = OpenPopupOn(3);  // Zo\xeb
    ASSERT_NE(popup, nullptr) << "no pop-up for the user after a right click on the user";
    size_t from = pair_->Transcript().size();
    ULONGLONG clicked = 0;
    ASSERT_TRUE(LeftClickAt(CentreOf(GetDlgItem(popup, kPopupSquelch)), &clicked));
    // The game marks the user at once, but the count and the channel stay: only the refresh
    // armed by the command shows it. The times count from before the click, so they are
    // never shorter than the companion's.
    ASSERT_TRUE(WaitForEvent(from, "settext /ignore Zo\\xEB", 5000));
    const std::vector<std::string> before = Badges(ShownRows(List1()));
    const ULONGLONG looked = GetTickCount64() - clicked;
    if (looked < 400) {
        EXPECT_EQ(before, kChannelBadges) << "rebuilt before the refresh was due";
    } else {
        std::printf("looked too late (%llu ms) to see the list before its refresh\n", looked);
    }
    ASSERT_TRUE(WaitForBadges(List1(), {"RATS", "PXES", "32", "32"}, 5000))
        << Join(Badges(ShownRows(List1())));
    std::printf("the squelched user showed marked after %llu ms\n", GetTickCount64() - clicked);
    EXPECT_GE(GetTickCount64() - clicked, 500u);

    popup = OpenPopupOn(3);
    ASSERT_NE(popup, nullptr);
    from = pair_->Transcript().size();
    ASSERT_TRUE(LeftClickAt(CentreOf(GetDlgItem(popup, kPopupUnsquelch))));
    ASSERT_TRUE(WaitForEvent(from, "settext /unignore Zo\\xEB", 5000));
    ASSERT_TRUE(WaitForBadges(List1(), kChannelBadges, 5000));
}

TEST_F(UserLists, PressInTheTypingBoxClosesThePopupAndDoubleClickAppendsTheName) {
    ASSERT_NE(OpenPopupOn(0), nullptr);
    HWND text4 = pair_->Control(e2e::kControlText4);
    LeftClickAt(CentreOf(text4));
    EXPECT_TRUE(WaitUntil([] { return Popup() == nullptr; }, 5000)) << "the pop-up stayed open";

    const size_t from = pair_->Transcript().size();
    e2e::SetText(text4, "hi ");
    const std::vector<ShownRow> rows = ShownRows(List1());
    ASSERT_GE(rows.size(), 2u);
    DoubleClickAt(RowPoint(List1(), rows[1]));
    EXPECT_TRUE(WaitUntil([&] { return e2e::WindowText(text4) == "hi J\xC3\xBCrgen "; }, 5000))
        << "typing box: " << e2e::WindowText(text4);
    ASSERT_TRUE(pair_->WaitPumpPass());
    EXPECT_EQ(CountPrefix(pair_->TranscriptSince(from), "sent "), 0) << "nothing is sent";
}

TEST_F(UserLists, WhisperButtonSendsWhisperNameAndTheTypedText) {
    const std::vector<ShownRow> rows = ShownRows(List1());
    ASSERT_GE(rows.size(), 4u);
    LeftClickAt(RowPoint(List1(), rows[0]));  // Alice
    ASSERT_TRUE(WaitUntil([&] { return RowSelected(List1(), rows[0]); }, 5000))
        << "the click did not select the user";
    HWND text4 = pair_->Control(e2e::kControlText4);
    e2e::SetText(text4, "see you f\xC3\xBCr later");
    const size_t from = pair_->Transcript().size();
    LeftClickAt(CentreOf(pair_->Control(kCommand4)));
    ASSERT_TRUE(WaitForEvent(from, "click send", 5000));
    ASSERT_TRUE(pair_->WaitPumpPass());
    const auto events = pair_->TranscriptSince(from);
    EXPECT_EQ(CountPrefix(events, "settext /whisper Alice see you f\\xFCr later"), 1);
    EXPECT_EQ(CountPrefix(events, "sent /whisper Alice see you f\\xFCr later"), 1);
}

TEST_F(UserLists, FriendsAndBothViews) {
    LeftClickAt(CentreOf(pair_->Control(kOption2)));
    ASSERT_TRUE(
        WaitUntil([] { return IsWindowVisible(List2()) && !IsWindowVisible(List1()); }, 5000));
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
        WaitUntil([] { return IsWindowVisible(List2()) && IsWindowVisible(List1()); }, 5000));
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
    Screenshot(L"e2e-user-lists-both.bmp");

    LeftClickAt(CentreOf(pair_->Control(kOption1)));
    ASSERT_TRUE(
        WaitUntil([] { return IsWindowVisible(List1()) && !IsWindowVisible(List2()); }, 5000));
    place = PlaceInParent(List1());
    EXPECT_EQ(place.top, 54);
    EXPECT_EQ(place.bottom - place.top, 433);
}

TEST_F(UserLists, ActivatingTheCompanionClicksFriendsOnceAndLeavingItClicksChannel) {
    HWND game_screen = GetAncestor(pair_->GameControl(kGameChannelList), GA_ROOT);
    ASSERT_NE(game_screen, nullptr);
    // Leave the companion first, and let its upkeep run twice, so the game is back on its
    // Channel tab if the companion had switched it.
    ASSERT_TRUE(e2e::BringToFront(game_screen));
    ASSERT_TRUE(WaitUpkeepTicks(2));
    size_t from = pair_->Transcript().size();
    ASSERT_TRUE(e2e::BringToFront(pair_->main()));
    ASSERT_TRUE(WaitForEvent(from, "click friends-tab", 5000)) << "no Friends click";
    // Two more runs of the upkeep with the companion active click nothing more.
    ASSERT_TRUE(WaitUpkeepTicks(2));
    auto events = pair_->TranscriptSince(from);
    EXPECT_EQ(CountPrefix(events, "click friends-tab"), 1) << "the game hid its channel list";
    EXPECT_EQ(CountPrefix(events, "click channel-tab"), 0);
    EXPECT_EQ(CountPrefix(events, "tab friends"), 1);

    from = pair_->Transcript().size();
    ASSERT_TRUE(e2e::BringToFront(game_screen));
    ASSERT_TRUE(WaitForEvent(from, "click channel-tab", 5000)) << "no Channel click";
    ASSERT_TRUE(WaitUpkeepTicks(2));
    events = pair_->TranscriptSince(from);
    EXPECT_EQ(CountPrefix(events, "click channel-tab"), 1);
    EXPECT_EQ(CountPrefix(events, "click friends-tab"), 0);
}

}  // namespace
