// The game misbehaving under the companion: leaving and returning to the chat screen again
// and again, hanging for seconds (under the chat mirror, and under the user lists and the
// greeting), rows of up to 1,000 characters in a 10,000-row chat list, and a 64 KB row in a
// Unicode chat list. Each test runs its own game and companion.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <optional>

#include "app/form1_layout.h"
#include "app/form1_menu.h"
#include "chat/chat_pump.h"
#include "chat/history_layout.h"
#include "e2e/companion_windows.h"
#include "e2e/expected_text.h"
#include "e2e/game_pair.h"
#include "e2e/loop_probe.h"
#include "e2e/shown_lists.h"
#include "row_generator.h"
#include "tools/greet_window.h"

namespace {

using e2e::WaitUntil;

constexpr int kBindTimeoutMs = 20000;
constexpr int kChatListIndex = 9;  // the chat list among the stand-in's 18 controls
// The companion's loop is never held longer than this, whatever the game does.
constexpr DWORD kAnswerMs = 1500;
constexpr int kGameFriendsScroll = 14;
constexpr int kListBoxFX1 = 1201;  // the companion's channel list

class GameFaults : public ::testing::Test {
  protected:
    // Starts a fresh game (with these init lines) and companion, and waits for the binding.
    void StartPair(const std::vector<std::string>& init, const std::wstring& arguments = L"") {
        const std::string tag = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        ASSERT_TRUE(pair_.Start(tag, init, arguments)) << pair_.error;
        ASSERT_TRUE(pair_.WaitBound(1, kBindTimeoutMs)) << "the companion never bound";
        ASSERT_TRUE(WaitForWelcomeShown());
    }

    // The companion's view ends with the last welcome line once a binding is shown.
    bool WaitForWelcomeShown() {
        return WaitUntil(
            [&] {
                const auto paragraphs = pair_.ViewParagraphs();
                return !paragraphs.empty() &&
                       paragraphs.back().find("Dunmarrow aka") != std::string::npos;
            },
            kBindTimeoutMs);
    }

    // The view's paragraphs without the welcome lines.
    std::vector<std::string> ViewRows() const {
        std::vector<std::string> rows;
        for (const std::string& paragraph : pair_.ViewParagraphs()) {
            if (!e2e::IsWelcomeLine(paragraph)) rows.push_back(paragraph);
        }
        return rows;
    }

    bool WaitViewHolds(const std::string& text, int timeout_ms) {
        return WaitUntil([&] { return pair_.View().find(text) != std::string::npos; }, timeout_ms);
    }

    // Waits until the stand-in's transcript from `from` on holds a line starting with `prefix`.
    bool WaitTranscript(size_t from, const std::string& prefix, int timeout_ms) {
        return WaitUntil([&] { return e2e::CountPrefix(pair_.TranscriptSince(from), prefix) > 0; },
                         timeout_ms);
    }

    e2e::GamePair pair_;
};

// The shown paragraphs of these game rows, in order.
std::vector<std::string> ShownRows(const std::vector<std::string>& rows) {
    std::vector<std::string> shown;
    for (const std::string& row : rows) {
        if (auto paragraph = e2e::Expect(row).shown) shown.push_back(*paragraph);
    }
    return shown;
}

// The view must be the tail of the expected rows: the backlog it starts with, then every row
// after it exactly once and in order, at least `least` rows in all. Returns an empty text when
// it is, else what differs.
std::string CheckIsTail(const std::vector<std::string>& view,
                        const std::vector<std::string>& expected, size_t least) {
    if (view.size() < least) {
        return "the view holds only " + std::to_string(view.size()) + " rows\n" +
               e2e::DescribeDifference(
                   view, std::vector<std::string>(expected.end() - static_cast<long>(least),
                                                  expected.end()));
    }
    const size_t shown = std::min(view.size(), expected.size());
    return e2e::DescribeDifference(
        view, std::vector<std::string>(expected.end() - static_cast<long>(shown), expected.end()));
}

// A row of the game's chat list read as the companion reads it: a wide read from another
// program, turned back into the game's cp1252 bytes.
std::string ReadAsTheCompanionDoes(HWND list, int row) {
    const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(row), 0);
    if (length < 0) return "";
    std::wstring text(static_cast<size_t>(length) + 4096, L'\0');
    const LRESULT got = SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(row),
                                     reinterpret_cast<LPARAM>(&text[0]));
    text.resize(got > 0 ? static_cast<size_t>(got) : 0);
    return e2e::Cp1252FromUtf8(e2e::Narrow(text));
}

TEST_F(GameFaults, LeavingAndReturningFiftyTimesBindsEveryTimeAndStaysResponsive) {
    std::vector<std::string> init = {"channel Clan QV", "join Alice\\x090 RATS"};
    for (int number = 0; number < 20; ++number) {
        init.push_back("chat " + e2e::ScriptEscape(standin::GeneratedRow(number)));
    }
    StartPair(init);
    constexpr int kCycles = 50;
    const ULONGLONG start = GetTickCount64();
    int cycles = 0;
    int answered = 0;
    for (int cycle = 1; cycle <= kCycles; ++cycle) {
        pair_.Script("leave-chat");
        ASSERT_TRUE(WaitUntil([&] { return pair_.View().empty(); }, kBindTimeoutMs))
            << "cycle " << cycle << ": the view kept its rows after the game left the chat";
        answered += pair_.Answers(kAnswerMs);
        pair_.Script("enter-chat");
        ASSERT_TRUE(pair_.WaitBound(cycle + 1, kBindTimeoutMs))
            << "cycle " << cycle << ": the companion did not bind the new controls";
        ASSERT_TRUE(WaitForWelcomeShown()) << "cycle " << cycle;
        answered += pair_.Answers(kAnswerMs);
        cycles = cycle;
    }
    const double seconds = static_cast<double>(GetTickCount64() - start) / 1000.0;
    std::printf(
        "%d cycles of leaving and returning in %.1f s (%.2f s each); the companion's loop "
        "handled %d of %d posted characters within 1.5 s\n",
        cycles, seconds, seconds / cycles, answered, 2 * cycles);
    EXPECT_EQ(answered, 2 * kCycles);
    const auto lines = pair_.Transcript();
    EXPECT_EQ(e2e::CountPrefix(lines, "added "), 5 * (kCycles + 1)) << "five welcome lines a time";
    EXPECT_EQ(e2e::CountPrefix(lines, "error"), 0);

    // Still bound to the last controls: a new row reaches the view.
    const std::string row =
        "\x10"
        "After\x11: fifty returns \xE4";
    pair_.Script("chat " + e2e::ScriptEscape(row));
    EXPECT_TRUE(WaitViewHolds(*e2e::Expect(row).shown, 10000));
    EXPECT_TRUE(pair_.GameRunning());
    EXPECT_TRUE(pair_.CompanionRunning());
}

TEST_F(GameFaults, HangingGameLeavesTheCompanionAnsweringAndLosesNoRow) {
    std::vector<std::string> rows;
    std::vector<std::string> init;
    for (int number = 0; number < 30; ++number) {
        rows.push_back(standin::GeneratedRow(number));
        init.push_back("chat " + e2e::ScriptEscape(rows.back()));
    }
    StartPair(init);
    constexpr int kHangMs = 5000;
    constexpr int kRowsEach = 20;
    constexpr int kBusyRows = 1500;
    auto add = [&](int first) {
        pair_.Script("burst " + std::to_string(first) + " " + std::to_string(kRowsEach));
        for (int number = first; number < first + kRowsEach; ++number) {
            rows.push_back(standin::GeneratedRow(number));
        }
    };
    add(100);  // before the hang
    // A burst long enough that the companion is still reading it when the game stops answering.
    const int busy_first = 1000;
    pair_.Script("burst " + std::to_string(busy_first) + " " + std::to_string(kBusyRows));
    for (int number = busy_first; number < busy_first + kBusyRows; ++number) {
        rows.push_back(standin::GeneratedRow(number));
    }
    const std::string first_busy_line = e2e::Expect(standin::GeneratedRow(busy_first)).logged;
    ASSERT_TRUE(
        WaitUntil([&] { return pair_.Log().find(first_busy_line) != std::string::npos; }, 20000));
    // The loop is probed from before the hang, so its first wait for the game is seen too.
    e2e::LoopProbe probe(pair_.Control(e2e::kControlText4));
    probe.Start();
    pair_.Script("hang " + std::to_string(kHangMs));
    ASSERT_TRUE(
        WaitUntil([&] { return e2e::CountPrefix(pair_.Transcript(), "hang begins"); }, 10000));
    add(200);  // during it: the game runs these when it wakes
    ASSERT_TRUE(
        WaitUntil([&] { return e2e::CountPrefix(pair_.Transcript(), "hang ends") > 0; }, 30000));
    const e2e::LoopProbe::Figures figures = probe.Stop();
    add(300);  // just after it
    const std::string after =
        "\x10"
        "After\x11: the hang \xFC";
    pair_.Script("chat " + e2e::ScriptEscape(after));
    rows.push_back(after);
    std::printf("during the 5 s hang: %d probes of the companion's loop, the longest held %lu ms\n",
                figures.probes, static_cast<unsigned long>(figures.longest_ms));
    EXPECT_GE(figures.probes, 2) << "the companion's loop was probed too seldom during the hang";
    EXPECT_FALSE(figures.lost);
    EXPECT_LE(figures.longest_ms, kAnswerMs) << "the hang held the companion's loop";

    ASSERT_TRUE(WaitViewHolds(*e2e::Expect(after).shown, 20000))
        << "rows added after the hang never reached the view";
    const std::string view_difference = e2e::DescribeDifference(ViewRows(), ShownRows(rows));
    EXPECT_TRUE(view_difference.empty()) << "in the view: " << view_difference;
    std::printf("bindings seen by the game: %d\n",
                e2e::CountPrefix(pair_.Transcript(), "selected "));
    std::vector<std::string> logged;
    std::vector<std::string> expected_log;
    for (const std::string& line : e2e::ReadLines(pair_.log_file())) {
        if (!e2e::IsWelcomeLine(line)) logged.push_back(line);
    }
    for (const std::string& row : rows) expected_log.push_back(e2e::Expect(row).logged);
    const std::string log_difference = e2e::DescribeDifference(logged, expected_log);
    EXPECT_TRUE(log_difference.empty()) << "in the day log: " << log_difference;
}

// Under Wine a cross-process LB_GETTEXT first asks for the row's length itself, with no time
// limit; the stand-in hangs at that moment (or just after answering a count), and the
// companion's loop, probed with characters posted to its typing box, goes on all the same.
TEST_F(GameFaults, AHangAtARowReadOrAfterACountNeverHoldsTheCompanion) {
    constexpr int kChatRows = 20000;
    // The backlog the companion reads when it binds ends with its five welcome lines.
    constexpr int kBacklogShown = qv::kBacklogRows - static_cast<int>(std::size(qv::kWelcomeTexts));
    StartPair({"channel Clan QV", "users friends 14", "show-tab friends",
               "fill-chat " + std::to_string(kChatRows)});
    e2e::LoopProbe probe(pair_.Control(e2e::kControlText4));
    auto report = [](const char* what, const e2e::LoopProbe::Figures& figures) {
        std::printf("%s: %d probes of the loop, the longest held %lu ms, %lu ms held in all\n",
                    what, figures.probes, static_cast<unsigned long>(figures.longest_ms),
                    static_cast<unsigned long>(figures.held_ms));
    };

    // Five hangs of 4 s, each at a read of a chat row, while rows arrive before, during and
    // after them.
    std::vector<std::string> rows;  // the rows the game got after the backlog
    int next = 5000;
    auto add = [&](int count) {
        pair_.Script("burst " + std::to_string(next) + " " + std::to_string(count));
        for (int i = 0; i < count; ++i) rows.push_back(standin::GeneratedRow(next + i));
        next += count;
    };
    probe.Start();
    for (int hang = 1; hang <= 5; ++hang) {
        const size_t before = pair_.Transcript().size();
        pair_.Script("hang-on read chat 4000");
        add(20);
        ASSERT_TRUE(WaitTranscript(before, "hang begins", 20000)) << "hang " << hang;
        add(20);  // the game adds these when it wakes
        ASSERT_TRUE(WaitTranscript(before, "hang ends", 30000)) << "hang " << hang;
        add(20);
    }
    const std::string after =
        "\x10"
        "After\x11: five hangs at a read \xFC";
    pair_.Script("chat " + e2e::ScriptEscape(after));
    rows.push_back(after);
    ASSERT_TRUE(WaitViewHolds(*e2e::Expect(after).shown, 30000)) << "the last row never arrived";
    const e2e::LoopProbe::Figures reads = probe.Stop();
    report("five 4 s hangs at a row read", reads);
    EXPECT_FALSE(reads.lost);
    EXPECT_LE(reads.longest_ms, kAnswerMs);
    // The view: the backlog, then every row after it.
    std::vector<std::string> view_expected;
    for (int number = kChatRows - (kBacklogShown - 1); number <= kChatRows; ++number) {
        view_expected.push_back(standin::NumberedRow(number));
    }
    view_expected.insert(view_expected.end(), rows.begin(), rows.end());
    const std::string difference = e2e::DescribeDifference(ViewRows(), ShownRows(view_expected));
    EXPECT_TRUE(difference.empty()) << difference;

    // A hang of 4 s just after the game answered a count of its friends list, in the Both view:
    // what the companion does next with the game (its scroll bar shown by the count's rule)
    // waits for nobody.
    SendMessageW(pair_.Control(qv::kIdOption3), BM_CLICK, 0, 0);
    HWND friends_bar = pair_.GameControl(kGameFriendsScroll);
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(friends_bar) != FALSE; }, 10000));
    ASSERT_TRUE(pair_.WaitPumpPass());
    probe.Start();
    size_t before = pair_.Transcript().size();
    pair_.Script("hang-on count friends 4000");
    ASSERT_TRUE(WaitTranscript(before, "hang begins", 20000));
    ASSERT_TRUE(WaitTranscript(before, "hang ends", 30000));
    ASSERT_TRUE(pair_.WaitPumpPass());
    const e2e::LoopProbe::Figures count = probe.Stop();
    report("a 4 s hang after a count in the Both view", count);
    EXPECT_FALSE(count.lost);
    EXPECT_LE(count.longest_ms, kAnswerMs);

    // Load of the whole chat list with a 20 s hang at the read of the row after the first
    // 1,000: the rows read before the hang are shown, the rest stay empty.
    const DWORD pid = pair_.companion_pid();
    PostMessageW(pair_.main(), WM_COMMAND, MAKEWPARAM(qv::kMenuMhistroy, 0), 0);
    HWND history = e2e::WaitToolWindow(pid, L"QuorvaneForm6");
    ASSERT_NE(history, nullptr);
    HWND history_view = GetDlgItem(history, qv::kIdHistoryRichTextBox1);
    std::vector<std::string> game_rows = e2e::GameRows(pair_.GameControl(kChatListIndex));
    constexpr size_t kRowsRead = 1000;
    ASSERT_GT(game_rows.size(), kRowsRead + 19000);
    before = pair_.Transcript().size();
    pair_.Script("hang-on read chat 20000 " + std::to_string(kRowsRead));
    ASSERT_TRUE(pair_.Sync());
    probe.Start();
    HWND load = GetDlgItem(history, qv::kIdHistoryCommand1);
    PostMessageW(history, WM_COMMAND, MAKEWPARAM(qv::kIdHistoryCommand1, BN_CLICKED),
                 reinterpret_cast<LPARAM>(load));
    ASSERT_TRUE(WaitTranscript(before, "hang begins", 60000));
    for (size_t row = kRowsRead; row < game_rows.size(); ++row) game_rows[row].clear();
    const std::string history_expected = e2e::ExpectedHistoryView(game_rows);
    const bool shown =
        WaitUntil([&] { return e2e::WindowText(history_view) == history_expected; }, 60000);
    ASSERT_TRUE(WaitTranscript(before, "hang ends", 60000));
    const e2e::LoopProbe::Figures load_figures = probe.Stop();
    report("Load of the history with a 20 s hang at a row read", load_figures);
    EXPECT_TRUE(shown) << "the history does not show the rows read before the hang, and only "
                          "those";
    EXPECT_FALSE(load_figures.lost);
    EXPECT_LE(load_figures.held_ms, 8000u);
    EXPECT_TRUE(pair_.GameRunning());
    EXPECT_TRUE(pair_.CompanionRunning());
}

TEST_F(GameFaults, AHangLeavesTheUserListsAsTheyWereAndGreetsNobodyWhenTheGameAnswersAgain) {
    // The game shows its Friends tab with fourteen friends, so the companion keeps the friends
    // list's scroll bar shown; the channel list, hidden in the game, is still mirrored.
    StartPair({"channel Clan QV", "users friends 14", "show-tab friends"});
    const DWORD pid = GetProcessId(pair_.companion_process());
    PostMessageW(pair_.main(), WM_COMMAND, MAKEWPARAM(e2e::MenuId("Greet Message"), 0), 0);
    HWND form4 = e2e::WaitToolWindow(pid, L"QuorvaneForm4");
    ASSERT_NE(form4, nullptr);
    e2e::Press(e2e::ToolControl(form4, qv::Form4Layout(), "Command1"));
    PostMessageW(form4, WM_CLOSE, 0, 0);  // only hides it: the greeting goes on
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(form4); }, 5000));

    auto sent_since = [&](size_t from) {
        std::vector<std::string> sent;
        for (const std::string& line : pair_.TranscriptSince(from)) {
            if (line.rfind("sent ", 0) == 0) sent.push_back(line.substr(5));
        }
        return sent;
    };
    pair_.Script("join Alice\\x090 RATS\njoin J\\xfcrgen\\x090 PXES\njoin Zo\\xeb\\x090 NB2W");
    ASSERT_TRUE(WaitUntil([&] { return !sent_since(0).empty(); }, 10000)) << "no greeting";
    EXPECT_EQ(sent_since(0)[0].rfind("/w Zo\\xEB Hello Zo\\xEB ", 0), 0u) << sent_since(0)[0];
    HWND list = pair_.Control(kListBoxFX1);
    const std::vector<std::string> users = {"RATS", "PXES", "NB2W"};
    ASSERT_TRUE(WaitUntil([&] { return e2e::Badges(e2e::ShownRows(list)) == users; }, 10000))
        << e2e::Join(e2e::Badges(e2e::ShownRows(list)));
    HWND friends_bar = pair_.GameControl(kGameFriendsScroll);
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(friends_bar) != FALSE; }, 5000));

    const size_t before = pair_.Transcript().size();
    e2e::LoopProbe probe(pair_.Control(e2e::kControlText4));
    probe.Start();
    pair_.Script("hang 4000");
    ASSERT_TRUE(WaitTranscript(before, "hang begins", 10000));
    const ULONGLONG began = GetTickCount64();
    int looks = 0;
    std::optional<std::vector<std::string>> wrong;  // the first look that differed
    bool shot = false;
    while (e2e::CountPrefix(pair_.TranscriptSince(before), "hang ends") == 0) {
        ASSERT_LT(GetTickCount64() - began, 20000u) << "the hang never ended";
        const std::vector<std::string> shown = e2e::Badges(e2e::ShownRows(list));
        ++looks;
        if (shown != users && !wrong) wrong = shown;
        if (!shot && GetTickCount64() - began > 2500) {
            shot = e2e::SaveScreenshot(e2e::OutDir() + L"\\e2e-user-lists-hang.bmp");
        }
        Sleep(100);
    }
    const e2e::LoopProbe::Figures figures = probe.Stop();
    EXPECT_FALSE(figures.lost);
    EXPECT_LE(figures.longest_ms, kAnswerMs) << "the hang held the companion's loop";
    EXPECT_TRUE(shot) << "no screenshot during the hang";
    EXPECT_GE(looks, 10);
    EXPECT_FALSE(wrong) << "during the hang the channel list showed: [" << e2e::Join(*wrong) << "]";

    // The companion has answered counts again once it shows the friends bar that the game hid
    // after the hang; twice, so its user copier and greeting have run in between as well.
    pair_.Script("mark answering");
    for (int round = 0; round < 2; ++round) {
        const size_t hidden = pair_.Transcript().size();
        pair_.Script("scrollbar friends hide");
        ASSERT_TRUE(WaitUntil(
            [&] {
                return e2e::CountPrefix(pair_.TranscriptSince(hidden), "scrollbar friends shown");
            },
            10000))
            << "the companion did not take up the friends bar again";
    }
    EXPECT_EQ(e2e::Badges(e2e::ShownRows(list)), users);
    pair_.Script("join Newbie\\x090 PX2D");
    auto greeted_newbie = [&] {
        for (const std::string& line : sent_since(before)) {
            if (line.rfind("/w Newbie Hello Newbie ", 0) == 0) return true;
        }
        return false;
    };
    ASSERT_TRUE(WaitUntil(greeted_newbie, 10000)) << "a join after the hang was not greeted";
    const std::vector<std::string> sent = sent_since(before);
    EXPECT_EQ(sent.size(), 1u) << "greeted after the hang: " << e2e::Join(sent);

    // Nothing touched the game's scroll bars while it did not answer.
    std::vector<std::string> touched;
    for (const std::string& line : pair_.TranscriptSince(before)) {
        if (line == "mark answering") break;
        if (line.rfind("scrollbar ", 0) == 0) touched.push_back(line);
    }
    EXPECT_TRUE(touched.empty()) << "during the hang: " << e2e::Join(touched);
    EXPECT_TRUE(pair_.GameRunning());
}

TEST_F(GameFaults, LongRowsInATenThousandRowChatListAreReadWithoutACrash) {
    // The game's rows, in list order, with the welcome lines left out.
    std::vector<std::string> rows;
    std::vector<std::string> init = {"fill-chat 9000"};
    for (int number = 1; number <= 9000; ++number) rows.push_back(standin::NumberedRow(number));
    int long_rows = 0;
    auto long_row = [&](int length, std::vector<std::string>* lines) {
        lines->push_back("long-row " + std::to_string(length));
        rows.push_back(standin::LongRow(++long_rows, length));
    };
    long_row(300, &init);
    long_row(511, &init);
    long_row(1000, &init);
    StartPair(init);
    const ULONGLONG start = GetTickCount64();

    std::vector<std::string> script;
    long_row(511, &script);
    long_row(800, &script);
    long_row(1000, &script);
    // The list now holds 9,000 + 3 + 5 welcome + 3 rows; the fill tops it up to 10,000.
    script.push_back("fill-chat 10000");
    for (int number = 9001; number <= 9989; ++number) rows.push_back(standin::NumberedRow(number));
    long_row(1000, &script);
    long_row(200, &script);
    const std::string end =
        "\x10"
        "End\x11: of the long rows \xE4";
    script.push_back("chat " + e2e::ScriptEscape(end));
    rows.push_back(end);
    for (const std::string& line : script) pair_.Script(line);

    ASSERT_TRUE(WaitViewHolds(*e2e::Expect(end).shown, 180000))
        << "the last row never reached the view";
    const double seconds = static_cast<double>(GetTickCount64() - start) / 1000.0;
    ASSERT_TRUE(pair_.GameRunning()) << "the game died";
    ASSERT_TRUE(pair_.CompanionRunning()) << "the companion died";
    const HWND list = pair_.GameControl(kChatListIndex);
    const LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
    EXPECT_EQ(count, 10003);

    // Rows longer than 511 characters are compared with what a wide read from another program
    // gets of them: Wine passes such a read of an ANSI list box with an ANSI window procedure
    // through a 512-byte buffer, and cuts rows over 767 characters.
    std::vector<std::string> readable = rows;
    for (LRESULT row = 0, kept = 0; row < count; ++row) {
        const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(row), 0);
        if (length <= 511) continue;
        const std::string read = ReadAsTheCompanionDoes(list, static_cast<int>(row));
        for (; kept < static_cast<LRESULT>(readable.size()); ++kept) {
            if (readable[static_cast<size_t>(kept)].size() == static_cast<size_t>(length)) break;
        }
        if (kept < static_cast<LRESULT>(readable.size())) {
            std::printf("a %ld-character row read from another program: %zu characters\n",
                        static_cast<long>(length), read.size());
            readable[static_cast<size_t>(kept++)] = read;
        }
    }
    const std::vector<std::string> expected = ShownRows(readable);
    const std::vector<std::string> view = ViewRows();
    const std::string difference = CheckIsTail(view, expected, 1000 + 100);
    EXPECT_TRUE(difference.empty()) << difference;
    std::printf(
        "the companion read %zu rows, long ones among them, in %.1f s; the game's list "
        "holds %ld rows\n",
        view.size(), seconds, static_cast<long>(count));
    // The last rows, whole: a 200-character row and the end row.
    ASSERT_GE(view.size(), 2u);
    EXPECT_EQ(view[view.size() - 2], *e2e::Expect(standin::LongRow(long_rows, 200)).shown);
    EXPECT_EQ(view.back(), *e2e::Expect(end).shown);
}

TEST_F(GameFaults, SixtyFourKilobyteRowOfAUnicodeChatListIsShownAndLoggedWhole) {
    StartPair({"chat \\x10Before\\x11: the long row"}, L"--unicode-chat");
    const std::string row = standin::LongRow(1, 65536);
    const std::string end =
        "\x10"
        "After\x11: the long row \xE4";
    pair_.Script("long-row 65536");
    pair_.Script("chat " + e2e::ScriptEscape(end));
    ASSERT_TRUE(WaitViewHolds(*e2e::Expect(end).shown, 60000)) << "the row after never arrived";
    EXPECT_TRUE(pair_.GameRunning());
    EXPECT_TRUE(pair_.CompanionRunning());
    const std::vector<std::string> view = ViewRows();
    ASSERT_GE(view.size(), 2u);
    const std::string shown = view[view.size() - 2];
    const std::string expected = *e2e::Expect(row).shown;
    EXPECT_EQ(shown.size(), expected.size());
    EXPECT_TRUE(shown == expected) << "the 64 KB row is not shown whole";
    const std::string line = e2e::Expect(row).logged + "\r\n";
    ASSERT_TRUE(WaitUntil([&] { return pair_.Log().find(line) != std::string::npos; }, 10000))
        << "the 64 KB row is not logged whole";
    std::printf("a %zu-character row shown as %zu bytes of UTF-8 and logged whole\n", row.size(),
                shown.size());
}

}  // namespace
