// The companion against the stand-in game, as a player would run them: two processes,
// checked through the stand-in's transcript, the companion's windows and its log file.
#include <gtest/gtest.h>

#include <cstdio>

#include "e2e/e2e_support.h"

namespace {

using e2e::CountPrefix;
using e2e::ReadLines;
using e2e::WaitUntil;

constexpr int kBacklogRows = 52;  // the game holds 57 rows at binding with the welcome lines
constexpr int kControlText4 = 1004;
constexpr int kControlCommand1 = 1001;
constexpr int kControlCommand5 = 1005;
constexpr int kControlCommand7 = 1007;
constexpr int kControlCommand8 = 1008;
constexpr int kControlRichTextBox2 = 1102;

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

class Companion : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        wchar_t temp[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, temp);
        work_ = std::wstring(temp) + L"qv-e2e-" + std::to_wstring(GetCurrentProcessId());
        CreateDirectoryW(work_.c_str(), nullptr);
        script_ = work_ + L"\\script.txt";
        transcript_ = work_ + L"\\transcript.txt";
        const std::wstring init = work_ + L"\\init.txt";
        DeleteFileW(script_.c_str());
        DeleteFileW(transcript_.c_str());
        DeleteFileW(init.c_str());
        e2e::AppendLine(script_, "");
        e2e::AppendLine(init, "channel Clan QV");
        for (int i = 0; i < kBacklogRows; ++i) e2e::AppendLine(init, "chat " + BacklogRow(i));

        // Logging on, as the player left it last time.
        HKEY key = nullptr;
        if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, L"Software\\QuorvaneDIZuvo\\Logfile", 0, nullptr, 0,
                            KEY_WRITE, nullptr, &key, nullptr) == ERROR_SUCCESS) {
            const wchar_t one[] = L"1";
            RegSetValueExW(key, L"Log", 0, REG_SZ, reinterpret_cast<const BYTE*>(one), sizeof one);
            RegCloseKey(key);
        }
        SYSTEMTIME now;
        GetLocalTime(&now);
        wchar_t name[64];
        swprintf(name, 64, L"\\Log\\%02u-%02u-%04u-LogFile.txt", now.wMonth, now.wDay, now.wYear);
        log_file_ = e2e::ExeDir() + name;
        DeleteFileW(log_file_.c_str());

        game_.Start(L"\"" + e2e::ExeDir() + L"\\standin-game.exe\" --pos 0,0 --init \"" + init +
                    L"\" --script \"" + script_ + L"\" --transcript \"" + transcript_ + L"\"");
        ASSERT_TRUE(
            WaitUntil([] { return CountPrefix(ReadLines(transcript_), "ready") == 1; }, 15000));
        // The companion runs from another folder than its own: its log still lands beside it.
        started_ = GetTickCount64();
        companion_.Start(L"\"" + e2e::ExeDir() + L"\\quorvane-chat.exe\"", work_);
        ASSERT_TRUE(
            WaitUntil([] { return (main_ = FindWindowW(L"QuorvaneForm1", nullptr)); }, 15000));
        SetWindowPos(main_, HWND_TOP, 660, 0, 0, 0, SWP_NOSIZE);
    }

    static void TearDownTestSuite() {
        e2e::AppendLine(script_, "exit");
        game_.Exited(5000);
        game_.Stop();
        companion_.Stop();
    }

    static std::vector<std::string> Transcript() { return ReadLines(transcript_); }
    static HWND Control(int id) { return GetDlgItem(main_, id); }
    static std::string View() { return e2e::WindowText(Control(kControlRichTextBox2)); }
    static void Script(const std::string& line) { e2e::AppendLine(script_, line); }
    // Events of the transcript from a given line on.
    static std::vector<std::string> Since(size_t from) {
        auto lines = Transcript();
        if (from > lines.size()) from = lines.size();
        return std::vector<std::string>(lines.begin() + static_cast<long>(from), lines.end());
    }

    static inline std::wstring work_, script_, transcript_, log_file_;
    static inline e2e::Process game_, companion_;
    static inline HWND main_ = nullptr;
    static inline ULONGLONG started_ = 0;
};

TEST_F(Companion, BindsAndAddsTheFiveWelcomeLines) {
    ASSERT_TRUE(WaitUntil(
        [] {
            const auto lines = Transcript();
            return CountPrefix(lines, "added ") >= 5 && CountPrefix(lines, "selected ") >= 1;
        },
        30000))
        << "the companion never bound the chat screen";
    const double seconds = static_cast<double>(GetTickCount64() - started_) / 1000.0;
    std::printf("bound and welcomed %.1f s after start\n", seconds);
    const auto lines = Transcript();
    std::vector<std::string> added;
    for (const auto& l : lines) {
        if (l.rfind("added ", 0) == 0) added.push_back(l);
    }
    ASSERT_EQ(added.size(), 5u);
    EXPECT_NE(added[0].find("Welcome to the Quorvane Starcraft Chat"), std::string::npos);
    EXPECT_NE(added[4].find("Dunmarrow aka Dunmarrow]Zelk["), std::string::npos);
    EXPECT_EQ(CountPrefix(lines, "selected "), 1);
}

TEST_F(Companion, ViewShowsTheBacklogAndEveryNewRowInOrder) {
    ASSERT_TRUE(WaitUntil([] { return View().find("Dunmarrow aka") != std::string::npos; }, 10000))
        << View();
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
    Sleep(300);
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
    Sleep(300);
    auto events = Since(from);
    EXPECT_EQ(CountPrefix(events, "click send"), 2);
    EXPECT_EQ(CountPrefix(events, "sent two clicks"), 1);

    from = Transcript().size();
    SendMessageW(Control(kControlCommand1), BM_CLICK, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return CountPrefix(Since(from), "click send") >= 2; }, 5000));
    Sleep(300);
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
    ASSERT_TRUE(WaitUntil(
        [] { return e2e::ReadFileBytes(log_file_).find("third new row") != std::string::npos; },
        5000))
        << "no log beside the program";
    const std::string log = e2e::ReadFileBytes(log_file_);
    for (int i = 0; i < kBacklogRows; ++i) {
        const std::string line = ShownRow(i) + "\r\n";
        const size_t first = log.find(line);
        ASSERT_NE(first, std::string::npos) << line;
        EXPECT_EQ(log.find(line, first + 1), std::string::npos) << "logged twice: " << line;
    }
    EXPECT_NE(log.find("Rakkor: first new row\r\n"), std::string::npos);
    EXPECT_EQ(log.find('\x08'), std::string::npos);
    EXPECT_EQ(log.find('\x10'), std::string::npos);
}

TEST_F(Companion, ScreenshotOfBothWindows) {
    Sleep(500);
    const std::wstring path = e2e::OutDir() + L"\\e2e-companion.bmp";
    ASSERT_TRUE(e2e::SaveScreenshot(path));
    std::printf("screenshot: %s\n", e2e::Narrow(path).c_str());
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
    PostMessageW(main_, WM_COMMAND, MAKEWPARAM(kControlCommand5, BN_CLICKED),
                 reinterpret_cast<LPARAM>(Control(kControlCommand5)));
    EXPECT_TRUE(companion_.Exited(5000)) << "the companion is still running";
    EXPECT_EQ(CountPrefix(Since(from), "click quit"), 1);
}

}  // namespace
