// The companion against the stand-in game, as a player would run them: two processes,
// checked through the stand-in's transcript, the companion's windows and its log file.
#include <gtest/gtest.h>

#include <cstdio>

#include "e2e/game_pair.h"
#include "e2e/shown_lists.h"

namespace {

using e2e::CountPrefix;
using e2e::WaitUntil;

constexpr int kBacklogRows = 52;  // the game holds 57 rows at binding with the welcome lines
using e2e::kControlText4;
constexpr int kControlCommand1 = 1001;
constexpr int kControlCommand5 = 1005;
constexpr int kControlCommand7 = 1007;
constexpr int kControlCommand8 = 1008;

std::string BacklogRow(int i) {
    // Colour codes as the game writes them: white name, grey text, some green and yellow.
    char row[96];
    std::snprintf(row, sizeof row, "\\x10Player%d\\x11: backlog line %d%s", i, i,
                  i % 5 == 0 ? " \\x12green \\x1ayellow" : "");
    return row;
}

std::string ShownRow(int i) {
    char row[96];
    std::snprintf(row, sizeof row, "Player%d: backlog line %d%s", i, i,
                  i % 5 == 0 ? " green yellow" : "");
    return row;
}

// One pair for the suite, bound and showing its welcome lines at the start of every test;
// after a failed test the next one gets a fresh pair.
class Companion : public ::testing::Test {
  protected:
    void SetUp() override {
        std::vector<std::string> init = {"channel Clan QV"};
        for (int i = 0; i < kBacklogRows; ++i) init.push_back("chat " + BacklogRow(i));
        const ULONGLONG asked = GetTickCount64();
        pair_ = shared_.Get("companion", init);
        ASSERT_NE(pair_, nullptr) << shared_.error;
        if (shared_.fresh()) bind_seconds_ = static_cast<double>(GetTickCount64() - asked) / 1000;
        ASSERT_TRUE(
            WaitUntil([] { return View().find("Dunmarrow aka") != std::string::npos; }, 10000))
            << "the welcome lines never showed: " << View();
    }
    void TearDown() override {
        if (HasFailure()) shared_.Spoil();
    }
    static void TearDownTestSuite() { shared_.Stop(); }

    static std::vector<std::string> Transcript() { return pair_->Transcript(); }
    static HWND Control(int id) { return pair_->Control(id); }
    static std::string View() { return pair_->View(); }
    static void Script(const std::string& line) { pair_->Script(line); }
    // Events of the transcript from a given line on.
    static std::vector<std::string> Since(size_t from) { return pair_->TranscriptSince(from); }

    static inline e2e::SharedPair shared_;
    static inline e2e::GamePair* pair_ = nullptr;
    static inline double bind_seconds_ = 0;
};

TEST_F(Companion, BindsAndAddsTheFiveWelcomeLines) {
    std::printf("started, bound and welcomed in %.1f s\n", bind_seconds_);
    // The first binding: five welcome lines, then the selection of the last.
    std::vector<std::string> added;
    int selected = 0;
    for (const auto& line : Transcript()) {
        if (line.rfind("added ", 0) == 0) added.push_back(line);
        if (line.rfind("selected ", 0) == 0 && ++selected == 1) break;
    }
    EXPECT_EQ(selected, 1);
    ASSERT_EQ(added.size(), 5u);
    EXPECT_NE(added[0].find("Welcome to the Quorvane Starcraft Chat"), std::string::npos);
    EXPECT_NE(added[4].find("Dunmarrow aka Dunmarrow]Zelk["), std::string::npos);
}

TEST_F(Companion, ViewShowsTheBacklogAndEveryNewRowInOrder) {
    Script("chat \\x10Rakkor\\x10: first new row");
    Script("chat \\x10Zeratul\\x11: second new row");
    Script("chat \\x12Fenix: third new row");
    ASSERT_TRUE(WaitUntil([] { return View().find("third new row") != std::string::npos; }, 5000));
    const std::string view = View();
    size_t at = 0;
    for (int i = 0; i < kBacklogRows; ++i) {
        const size_t found = view.find(ShownRow(i), at);
        ASSERT_NE(found, std::string::npos) << "row " << i << " missing or out of order";
        at = found;
    }
    for (const char* text :
         {"Welcome to the Quorvane Starcraft Chat", "Dunmarrow aka", "Rakkor: first new row",
          "Zeratul: second new row", "Fenix: third new row"}) {
        const size_t found = view.find(text, at);
        ASSERT_NE(found, std::string::npos) << text;
        at = found;
    }
    EXPECT_EQ(view.find('\x08'), std::string::npos) << "no colour tag is left visible";
}

TEST_F(Companion, EnterSendsTheTypedLineWithOneSendClick) {
    const size_t from = Transcript().size();
    HWND text4 = Control(kControlText4);
    SendMessageW(text4, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"hello from the companion"));
    SendMessageW(text4, WM_CHAR, VK_RETURN, 0);
    ASSERT_TRUE(WaitUntil([&] { return CountPrefix(Since(from), "click send") >= 1; }, 5000));
    // Anything more the key set off would come before the next pass of the companion's pump.
    ASSERT_TRUE(pair_->WaitPumpPass());
    const auto events = Since(from);
    EXPECT_EQ(CountPrefix(events, "sent hello from the companion"), 1);
    EXPECT_EQ(CountPrefix(events, "click send"), 1);
    EXPECT_EQ(e2e::WindowText(text4), "") << "the typing box is emptied";
}

TEST_F(Companion, SendButtonSendsTheBoxWithTwoClicksAndAnEmptyBoxToo) {
    size_t from = Transcript().size();
    SendMessageW(Control(kControlText4), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"two clicks"));
    SendMessageW(Control(kControlCommand1), BM_CLICK, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return CountPrefix(Since(from), "click send") >= 2; }, 5000));
    ASSERT_TRUE(pair_->WaitPumpPass());
    auto events = Since(from);
    EXPECT_EQ(CountPrefix(events, "click send"), 2);
    EXPECT_EQ(CountPrefix(events, "sent two clicks"), 1);

    from = Transcript().size();
    SendMessageW(Control(kControlCommand1), BM_CLICK, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return CountPrefix(Since(from), "click send") >= 2; }, 5000));
    ASSERT_TRUE(pair_->WaitPumpPass());
    events = Since(from);
    EXPECT_EQ(CountPrefix(events, "click send"), 2);
    EXPECT_EQ(CountPrefix(events, "sent two"), 0);
}

TEST_F(Companion, CreateAndJoinReachTheGame) {
    const size_t from = Transcript().size();
    SendMessageW(Control(kControlCommand7), BM_CLICK, 0, 0);
    SendMessageW(Control(kControlCommand8), BM_CLICK, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return CountPrefix(Since(from), "click join") == 1; }, 5000));
    EXPECT_EQ(CountPrefix(Since(from), "click create"), 1);
}

TEST_F(Companion, DayLogHoldsEachRowOnceWithoutTags) {
    Script("chat \\x10Logger\\x10: a row for the \\x12log");
    ASSERT_TRUE(WaitUntil(
        [] { return pair_->Log().find("Logger: a row for the log\r\n") != std::string::npos; },
        5000))
        << "no log beside the program";
    const std::string log = pair_->Log();
    for (int i = 0; i < kBacklogRows; ++i) {
        const std::string line = ShownRow(i) + "\r\n";
        const size_t first = log.find(line);
        ASSERT_NE(first, std::string::npos) << line;
        EXPECT_EQ(log.find(line, first + 1), std::string::npos) << "logged twice: " << line;
    }
    EXPECT_EQ(log.find('\x08'), std::string::npos);
    EXPECT_EQ(log.find('\x10'), std::string::npos);
    EXPECT_EQ(log.find('\x12'), std::string::npos);
}

TEST_F(Companion, ScreenshotOfBothWindows) {
    EXPECT_TRUE(e2e::SaveCompanionScreenshot(L"e2e-companion.bmp", pair_->main()));
}

TEST_F(Companion, LeavingTheChatScreenEmptiesTheViewAndReturningBindsAgain) {
    const int welcomed = CountPrefix(Transcript(), "added ");
    Script("leave-chat");
    ASSERT_TRUE(WaitUntil([] { return View().empty(); }, 5000)) << "the view kept: " << View();
    Script("enter-chat");
    ASSERT_TRUE(
        WaitUntil([&] { return CountPrefix(Transcript(), "added ") >= welcomed + 5; }, 15000))
        << "the companion did not bind again";
    ASSERT_TRUE(WaitUntil([] { return View().find("Dunmarrow aka") != std::string::npos; }, 5000));
}

TEST_F(Companion, QuitReachesTheGameAndEndsTheCompanion) {
    const size_t from = Transcript().size();
    PostMessageW(pair_->main(), WM_COMMAND, MAKEWPARAM(kControlCommand5, BN_CLICKED),
                 reinterpret_cast<LPARAM>(Control(kControlCommand5)));
    EXPECT_EQ(WaitForSingleObject(pair_->companion_process(), 5000), WAIT_OBJECT_0)
        << "the companion is still running";
    EXPECT_EQ(CountPrefix(Since(from), "click quit"), 1);
}

}  // namespace
