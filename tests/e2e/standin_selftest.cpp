// Self-test of standin-game.exe: drives it from this process the way the companion does
// (window list, cross-process messages to its controls) and checks its transcript.
#include <gtest/gtest.h>
#include <windows.h>

#include <cctype>
#include <cstdio>
#include <string>
#include <vector>

#include "row_generator.h"
#include "user_rows.h"

namespace {

constexpr DWORD kWaitMs = 10000;
constexpr int kControlCount = 18;
constexpr int kInput = 0, kChannelTab = 1, kFriendsTab = 2, kCreate = 3, kJoin = 4, kQuit = 6,
              kChannelList = 7, kFriendsList = 8, kChatList = 9, kSend = 10, kChannelName = 12,
              kChannelScroll = 13, kFriendsScroll = 14;

std::wstring StandinExe() {
    wchar_t path[MAX_PATH] = {};
    if (GetEnvironmentVariableW(L"QV_STANDIN_EXE", path, MAX_PATH) > 0) return path;
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring exe = path;
    return exe.substr(0, exe.find_last_of(L"\\/") + 1) + L"standin-game.exe";
}

std::wstring TempFile(const wchar_t* tag) {
    static int counter = 0;
    wchar_t dir[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, dir);
    return std::wstring(dir) + L"standin-selftest-" + tag + L"-" +
           std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++counter) + L".txt";
}

std::string ReadFileBytes(const std::wstring& path) {
    std::string data;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return data;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof(buffer), &got, nullptr) && got > 0)
        data.append(buffer, got);
    CloseHandle(file);
    return data;
}

void AppendFileBytes(const std::wstring& path, const std::string& bytes) {
    HANDLE file = CreateFileW(path.c_str(), FILE_APPEND_DATA,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                              OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

std::vector<std::string> SplitLines(const std::string& data) {
    std::vector<std::string> lines;
    size_t begin = 0;
    for (size_t end; (end = data.find('\n', begin)) != std::string::npos; begin = end + 1) {
        lines.push_back(data.substr(begin, end - begin));
    }
    return lines;
}

std::wstring TitleOf(HWND window) {
    wchar_t title[256] = {};
    GetWindowTextW(window, title, 256);
    return title;
}

std::string ClassOf(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof(name));
    std::string lower = name;
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

std::vector<HWND> TopLevelWindows() {
    std::vector<HWND> windows;
    EnumWindows(
        [](HWND window, LPARAM list) -> BOOL {
            reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&windows));
    return windows;
}

std::vector<HWND> Descendants(HWND window) {
    std::vector<HWND> children;
    EnumChildWindows(
        window,
        [](HWND child, LPARAM list) -> BOOL {
            reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&children));
    return children;
}

std::wstring ListRow(HWND list, int row) {
    const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, row, 0);
    if (length < 0) return L"<no row>";
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const LRESULT copied = SendMessageW(list, LB_GETTEXT, row, reinterpret_cast<LPARAM>(&text[0]));
    text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
    return text;
}

// The game's cp1252 bytes as the wide text a wide read returns.
std::wstring FromCp1252(const std::string& bytes) {
    if (bytes.empty()) return std::wstring();
    const int n =
        MultiByteToWideChar(1252, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(1252, 0, bytes.data(), static_cast<int>(bytes.size()), &wide[0], n);
    return wide;
}

int RowCount(HWND list) { return static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0)); }

std::string WindowTextA(HWND window) {
    char text[512] = {};
    SendMessageA(window, WM_GETTEXT, sizeof(text), reinterpret_cast<LPARAM>(text));
    return text;
}

bool IsShown(HWND window) { return (GetWindowLongA(window, GWL_STYLE) & WS_VISIBLE) != 0; }

// The companion's click: button down and up at (0,0), both parameters zero.
void Click(HWND button) {
    SendMessageA(button, WM_LBUTTONDOWN, 0, 0);
    SendMessageA(button, WM_LBUTTONUP, 0, 0);
}

class Standin {
  public:
    explicit Standin(const std::string& init, const std::wstring& extra_arguments = L"")
        : init_(TempFile(L"init")),
          script_(TempFile(L"script")),
          transcript_(TempFile(L"transcript")),
          handles_(TempFile(L"handles")) {
        AppendFileBytes(init_, init);
        AppendFileBytes(script_, "");
        std::wstring command = L"\"" + StandinExe() + L"\" --init \"" + init_ + L"\" --script \"" +
                               script_ + L"\" --transcript \"" + transcript_ + L"\" --handles \"" +
                               handles_ + L"\" " + extra_arguments;
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        started_ = CreateProcessW(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr,
                                  nullptr, &startup, &process_) != 0;
        if (started_) ready_ = WaitFor("ready");
        synced_ = TranscriptLines().size();
    }

    ~Standin() {
        if (started_) {
            if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
                Command("exit");
                if (WaitForSingleObject(process_.hProcess, kWaitMs) == WAIT_TIMEOUT) {
                    TerminateProcess(process_.hProcess, 99);
                }
            }
            CloseHandle(process_.hThread);
            CloseHandle(process_.hProcess);
        }
        for (const std::wstring* path : {&init_, &script_, &transcript_, &handles_}) {
            DeleteFileW(path->c_str());
        }
    }

    bool ready() const { return ready_; }
    DWORD pid() const { return process_.dwProcessId; }

    void Command(const std::string& line) { AppendFileBytes(script_, line + "\n"); }

    std::vector<std::string> TranscriptLines() const {
        return SplitLines(ReadFileBytes(transcript_));
    }

    // Waits until the transcript holds `line`.
    bool WaitFor(const std::string& line) const {
        const DWORD start = GetTickCount();
        while (GetTickCount() - start < kWaitMs) {
            for (const std::string& logged : TranscriptLines()) {
                if (logged == line) return true;
            }
            Sleep(20);
        }
        return false;
    }

    // Lets every command sent so far run, then returns the events logged since the previous
    // call (the marker itself left out).
    std::vector<std::string> Events() {
        const std::string mark = "mark sync " + std::to_string(++marks_);
        Command(mark);
        if (!WaitFor(mark)) return {"<timed out waiting for " + mark + ">"};
        std::vector<std::string> lines = TranscriptLines();
        std::vector<std::string> events;
        for (size_t i = synced_; i < lines.size() && lines[i] != mark; ++i) {
            events.push_back(lines[i]);
        }
        synced_ = lines.size();
        return events;
    }

    std::vector<HWND> Handles() const {
        std::vector<HWND> handles;
        for (const std::string& line : SplitLines(ReadFileBytes(handles_))) {
            handles.push_back(reinterpret_cast<HWND>(static_cast<intptr_t>(std::stol(line))));
        }
        return handles;
    }

    HWND control(int index) const { return Handles().at(static_cast<size_t>(index)); }

    // The exit code, or STILL_ACTIVE when the process has not ended within `ms`.
    DWORD WaitForExit(DWORD ms) const {
        WaitForSingleObject(process_.hProcess, ms);
        DWORD code = 0;
        GetExitCodeProcess(process_.hProcess, &code);
        return code;
    }

    // Row of the window list holding this process's window titled `title`, or -1.
    int TitleRow(const std::vector<HWND>& windows, const std::wstring& title) const {
        for (size_t row = 0; row < windows.size(); ++row) {
            DWORD owner_pid = 0;
            GetWindowThreadProcessId(windows[row], &owner_pid);
            if (owner_pid == pid() && TitleOf(windows[row]) == title) return static_cast<int>(row);
        }
        return -1;
    }

  private:
    std::wstring init_, script_, transcript_, handles_;
    PROCESS_INFORMATION process_{};
    bool started_ = false;
    bool ready_ = false;
    size_t synced_ = 0;
    int marks_ = 0;
};

using Events = std::vector<std::string>;

// The window list as text, one "row: handle pid owner class "title"" per window, for failures.
std::string DescribeWindows(const std::vector<HWND>& windows) {
    std::string text;
    for (size_t row = 0; row < windows.size(); ++row) {
        DWORD pid = 0;
        GetWindowThreadProcessId(windows[row], &pid);
        char title[128] = {};
        GetWindowTextA(windows[row], title, sizeof(title));
        text += std::to_string(row) + ": " +
                std::to_string(reinterpret_cast<intptr_t>(windows[row])) + " pid " +
                std::to_string(pid) + " owner " +
                std::to_string(reinterpret_cast<intptr_t>(GetWindow(windows[row], GW_OWNER))) +
                " " + ClassOf(windows[row]) + " \"" + title + "\" " +
                std::to_string(Descendants(windows[row]).size()) + " descendants" +
                (IsWindowVisible(windows[row]) ? "" : " hidden") + "\n";
    }
    return text;
}

// What breaks the companion's rule, or "" when it holds: the chat screen is the untitled
// window three rows before the title row, holding exactly 18 descendants.
std::string LayoutFault(const Standin& game, const std::wstring& title) {
    const std::vector<HWND> windows = TopLevelWindows();
    const int title_row = game.TitleRow(windows, title);
    if (title_row < 3) {
        return "title row missing or too high in the window list:\n" + DescribeWindows(windows);
    }
    const HWND main_window = windows[static_cast<size_t>(title_row)];
    for (int above = 1; above <= 3; ++above) {
        const HWND window = windows[static_cast<size_t>(title_row - above)];
        DWORD owner_pid = 0;
        GetWindowThreadProcessId(window, &owner_pid);
        if (owner_pid != game.pid() || GetWindowTextLengthA(window) != 0 ||
            GetWindow(window, GW_OWNER) != main_window) {
            return "row " + std::to_string(title_row - above) +
                   " is no untitled window owned by the title row:\n" + DescribeWindows(windows);
        }
    }
    const HWND chat_screen = windows[static_cast<size_t>(title_row - 3)];
    if (Descendants(chat_screen) != game.Handles()) {
        return "the chat screen does not hold the 18 controls:\n" + DescribeWindows(windows);
    }
    return "";
}

void ExpectGameWindowLayout(const Standin& game, const std::wstring& title) {
    EXPECT_EQ(LayoutFault(game, title), "");
}

TEST(StandinGame, ChatScreenIsListedThreeRowsBeforeBroodWarWithEighteenControls) {
    Standin game("");
    ASSERT_TRUE(game.ready());
    ExpectGameWindowLayout(game, L"Brood War");
    const std::vector<HWND> controls = game.Handles();
    ASSERT_EQ(controls.size(), static_cast<size_t>(kControlCount));
    const char* expected_classes[kControlCount] = {
        "edit",   "button",    "button",    "button",  "button", "button",
        "button", "listbox",   "listbox",   "listbox", "button", "button",
        "static", "scrollbar", "scrollbar", "static",  "button", "static"};
    for (int i = 0; i < kControlCount; ++i) {
        EXPECT_EQ(ClassOf(controls[static_cast<size_t>(i)]), expected_classes[i])
            << "control " << i;
    }
    EXPECT_EQ(GetWindowLongA(controls[kChannelScroll], GWL_STYLE) & SBS_VERT, SBS_VERT);
    EXPECT_EQ(TitleOf(controls[kSend]), L"Send");
    EXPECT_EQ(TitleOf(controls[kQuit]), L"Quit");
}

TEST(StandinGame, LayoutSurvivesRaisingAndClickingTheMainWindow) {
    Standin game("");
    ASSERT_TRUE(game.ready());
    std::vector<HWND> windows = TopLevelWindows();
    const int title_row = game.TitleRow(windows, L"Brood War");
    ASSERT_GE(title_row, 0) << DescribeWindows(windows);
    const HWND main_window = windows[static_cast<size_t>(title_row)];
    SetForegroundWindow(main_window);
    SetWindowPos(main_window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    Click(main_window);
    game.Events();  // a round trip, so the stand-in has handled all of it
    // The stand-in puts its windows back in order on a timer of its own.
    const DWORD start = GetTickCount();
    while (!LayoutFault(game, L"Brood War").empty() && GetTickCount() - start < kWaitMs) Sleep(20);
    ExpectGameWindowLayout(game, L"Brood War");
}

TEST(StandinGame, StarcraftTitleKeepsTheSameLayout) {
    Standin game("", L"--title Starcraft");
    ASSERT_TRUE(game.ready());
    ExpectGameWindowLayout(game, L"Starcraft");
}

TEST(StandinGame, ChatScreenIsA640By480WindowAtTheGivenPosition) {
    Standin game("", L"--pos 30,50");
    ASSERT_TRUE(game.ready());
    RECT rect{};
    GetWindowRect(GetParent(game.control(kSend)), &rect);
    EXPECT_EQ(rect.left, 30);
    EXPECT_EQ(rect.top, 50);
    EXPECT_EQ(rect.right - rect.left, 640);
    EXPECT_EQ(rect.bottom - rect.top, 480);
}

TEST(StandinGame, InitScriptFillsTheListsWithGameRows) {
    Standin game(
        "channel Brood War USA-1\n"
        "join Alice\\x090 RATS\n"
        "join Bob\\x090 PXES\n"
        "friend Carol\\x090 RATS\n"
        "chat \\x13J\\xfcrgen\\x11: back\\\\slash \\x80\n"
        "chatn 3");  // the last line has no line end and still runs
    ASSERT_TRUE(game.ready());
    EXPECT_EQ(WindowTextA(game.control(kChannelName)), "Brood War USA-1 (2)")
        << "the game shows the channel's user count after its name";
    ASSERT_EQ(RowCount(game.control(kChannelList)), 2);
    EXPECT_EQ(ListRow(game.control(kChannelList), 0), L"Alice\t0 RATS");
    EXPECT_EQ(ListRow(game.control(kChannelList), 1), L"Bob\t0 PXES");
    EXPECT_EQ(ListRow(game.control(kFriendsList), 0), L"Carol\t0 RATS");
    ASSERT_EQ(RowCount(game.control(kChatList)), 4);
    EXPECT_EQ(ListRow(game.control(kChatList), 0), L"\x13J\u00fcrgen\x11: back\\slash \u20ac");
    EXPECT_EQ(ListRow(game.control(kChatList), 1), L"\x11Player1\x17: hello number 1");
    EXPECT_EQ(ListRow(game.control(kChatList), 3), L"\x13Player3\x1B: hello number 3");
}

TEST(StandinGame, ScriptRemovesUsersAndReportsBadCommands) {
    Standin game("join Alice\\x090 RATS\njoin Al\\x090 W2BN\nfriend Carol\\x090 RATS\n");
    ASSERT_TRUE(game.ready());
    game.Command("leave Al");
    game.Command("unfriend Carol");
    game.Command("frobnicate now");
    game.Command("chatn lots");
    EXPECT_EQ(game.Events(), (Events{"error frobnicate now", "error chatn lots"}));
    ASSERT_EQ(RowCount(game.control(kChannelList)), 1);
    EXPECT_EQ(ListRow(game.control(kChannelList), 0), L"Alice\t0 RATS");
    EXPECT_EQ(RowCount(game.control(kFriendsList)), 0);
}

TEST(StandinGame, ChannelNameFollowsTheUserCountAndGeneratedUsersComeInTheGamesForm) {
    Standin game(
        "channel Op Gr\\xfc\\xdf"
        "e\n");
    ASSERT_TRUE(game.ready());
    EXPECT_EQ(WindowTextA(game.control(kChannelName)),
              "Op Gr\xfc\xdf"
              "e (0)");
    game.Command("users channel 12");
    game.Command("users friends 4");
    game.Command("users friends 2");
    game.Command("join bob\\x0932 PXES");
    game.Command("users channel");
    game.Command("users chat 3");
    EXPECT_EQ(game.Events(), (Events{"error users channel", "error users chat 3"}));
    EXPECT_EQ(WindowTextA(game.control(kChannelName)),
              "Op Gr\xfc\xdf"
              "e (13)");
    const HWND channel = game.control(kChannelList);
    ASSERT_EQ(RowCount(channel), 13);
    EXPECT_EQ(ListRow(channel, 0), L"User001\t0 PXES");
    EXPECT_EQ(ListRow(channel, 1), L"User002\t0 RATS");
    EXPECT_EQ(ListRow(channel, 9), L"J\u00fcrgen010\t0 RTSJ");
    EXPECT_EQ(ListRow(channel, 11), FromCp1252(standin::ChannelUserRow(12)));
    EXPECT_EQ(ListRow(channel, 12), L"bob\t32 PXES");
    const HWND friends = game.control(kFriendsList);
    ASSERT_EQ(RowCount(friends), 6);
    EXPECT_EQ(ListRow(friends, 0), L"Friend001\t0 PXES");
    EXPECT_EQ(ListRow(friends, 1), L"Friend002\t0") << "offline: no product code";
    EXPECT_EQ(ListRow(friends, 5), FromCp1252(standin::FriendRow(6)));

    game.Command("leave User002");
    game.Command("leave J\\xfcrgen010");
    game.Command("unfriend Friend001");
    game.Events();
    EXPECT_EQ(WindowTextA(game.control(kChannelName)),
              "Op Gr\xfc\xdf"
              "e (11)");
    game.Command("clear channel");
    game.Command("channel Clan QV");
    game.Events();
    EXPECT_EQ(WindowTextA(game.control(kChannelName)), "Clan QV (0)");
    game.Command("channel");
    game.Events();
    EXPECT_EQ(WindowTextA(game.control(kChannelName)), "") << "no channel, no count";
}

TEST(StandinGame, SquelchTypedIntoTheGameMarksTheUserInPlace) {
    Standin game("channel Clan QV\njoin Alice\\x090 RATS\njoin J\\xfcrgen\\x090 PXES\n");
    ASSERT_TRUE(game.ready());
    const HWND channel = game.control(kChannelList);
    SendMessageA(game.control(kInput), WM_SETTEXT, 0,
                 reinterpret_cast<LPARAM>("/ignore J\xfcrgen"));
    Click(game.control(kSend));
    game.Events();
    ASSERT_EQ(RowCount(channel), 2);
    EXPECT_EQ(ListRow(channel, 0), L"Alice\t0 RATS");
    EXPECT_EQ(ListRow(channel, 1), L"J\u00fcrgen\t32 PXES");
    EXPECT_EQ(WindowTextA(game.control(kChannelName)), "Clan QV (2)");
    SendMessageA(game.control(kInput), WM_SETTEXT, 0,
                 reinterpret_cast<LPARAM>("/unignore J\xfcrgen"));
    Click(game.control(kSend));
    SendMessageA(game.control(kInput), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("/ignore Nobody"));
    Click(game.control(kSend));
    game.Events();
    EXPECT_EQ(ListRow(channel, 1), L"J\u00fcrgen\t0 PXES");
    EXPECT_EQ(RowCount(channel), 2);
}

TEST(StandinGame, SendClickLogsTheInputBoxAndEchoesTheLine) {
    Standin game("");
    ASSERT_TRUE(game.ready());
    SendMessageA(game.control(kInput), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("hello J\xfcrgen"));
    Click(game.control(kSend));
    EXPECT_EQ(game.Events(),
              (Events{"settext hello J\\xFCrgen", "sent hello J\\xFCrgen", "click send"}));
    EXPECT_EQ(WindowTextA(game.control(kInput)), "");
    ASSERT_EQ(RowCount(game.control(kChatList)), 1);
    EXPECT_EQ(ListRow(game.control(kChatList), 0), L"\x10Player\x10: hello J\u00fcrgen");

    // A second click finds the box empty: logged, nothing echoed.
    Click(game.control(kSend));
    EXPECT_EQ(game.Events(), (Events{"sent ", "click send"}));
    EXPECT_EQ(RowCount(game.control(kChatList)), 1);
}

TEST(StandinGame, EnterInTheInputBoxSendsTheLine) {
    Standin game("", L"--name Dunmarrow");
    ASSERT_TRUE(game.ready());
    SendMessageA(game.control(kInput), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("gg"));
    SendMessageA(game.control(kInput), WM_CHAR, VK_RETURN, 0);
    EXPECT_EQ(game.Events(), (Events{"settext gg", "sent gg", "key enter"}));
    EXPECT_EQ(ListRow(game.control(kChatList), 0),
              L"\x10"
              L"Dunmarrow\x10: gg");
}

TEST(StandinGame, RowsAddedByAnotherProcessAreLoggedButScriptRowsAreNot) {
    Standin game("");
    ASSERT_TRUE(game.ready());
    game.Command("chat \\x10Bob\\x11: hi");
    EXPECT_EQ(game.Events(), Events{});
    SendMessageA(game.control(kChatList), LB_ADDSTRING, 0,
                 reinterpret_cast<LPARAM>("\x13Me: \x1bhi \\ there \xe9"));
    SendMessageA(game.control(kChatList), LB_SELECTSTRING, 0, reinterpret_cast<LPARAM>("\x13me"));
    EXPECT_EQ(game.Events(),
              (Events{"added \\x13Me: \\x1Bhi \\x5C there \\xE9", "selected \\x13me"}));
    ASSERT_EQ(RowCount(game.control(kChatList)), 2);
    EXPECT_EQ(ListRow(game.control(kChatList), 1), L"\x13Me: \x1bhi \\ there \u00e9");
    EXPECT_EQ(SendMessageW(game.control(kChatList), LB_GETCURSEL, 0, 0), 1);
}

TEST(StandinGame, ScrollBarVisibilityChangesAreLoggedOncePerChange) {
    Standin game("");
    ASSERT_TRUE(game.ready());
    EXPECT_TRUE(IsShown(game.control(kChannelScroll)));
    EXPECT_FALSE(IsShown(game.control(kFriendsScroll)));
    ShowWindow(game.control(kChannelScroll), SW_HIDE);
    ShowWindow(game.control(kChannelScroll), SW_HIDE);
    ShowWindow(game.control(kFriendsScroll), SW_SHOWNORMAL);
    ShowWindow(game.control(kFriendsScroll), SW_SHOWNORMAL);
    game.Command("scrollbar channel show");
    EXPECT_EQ(game.Events(), (Events{"scrollbar channel hidden", "scrollbar friends shown",
                                     "scrollbar channel shown"}));
    EXPECT_TRUE(IsShown(game.control(kChannelScroll)));
    EXPECT_TRUE(IsShown(game.control(kFriendsScroll)));
}

TEST(StandinGame, TabClicksSwitchTheListsAndButtonClicksAreLogged) {
    Standin game("");
    ASSERT_TRUE(game.ready());
    EXPECT_TRUE(IsShown(game.control(kChannelList)));
    EXPECT_FALSE(IsShown(game.control(kFriendsList)));

    Click(game.control(kFriendsTab));
    EXPECT_EQ(game.Events(), (Events{"click friends-tab", "tab friends"}));
    EXPECT_FALSE(IsShown(game.control(kChannelList)));
    EXPECT_TRUE(IsShown(game.control(kFriendsList)));
    EXPECT_TRUE(IsShown(game.control(kChannelScroll))) << "tabs leave the scroll bars alone";

    Click(game.control(kFriendsTab));
    Click(game.control(kChannelTab));
    game.Command("show-tab friends");
    EXPECT_EQ(game.Events(),
              (Events{"click friends-tab", "click channel-tab", "tab channel", "tab friends"}));
    EXPECT_TRUE(IsShown(game.control(kFriendsList)));

    Click(game.control(kCreate));
    Click(game.control(kJoin));
    Click(game.control(kQuit));
    EXPECT_EQ(game.Events(), (Events{"click create", "click join", "click quit"}));
    EXPECT_EQ(game.WaitForExit(100), static_cast<DWORD>(STILL_ACTIVE)) << "Quit only logs";
}

TEST(StandinGame, LeavingAndEnteringTheChatScreenGivesNewControlsHoldingTheSameRows) {
    Standin game(
        "channel Clan QV\n"
        "join Alice\\x090 RATS\n"
        "friend Carol\\x090 RATS\n"
        "chat \\x10J\\xfcrgen\\x11: Gr\\xfc\\xdf\\x81e\n");
    ASSERT_TRUE(game.ready());
    const std::vector<HWND> before = game.Handles();
    const std::vector<HWND> windows = TopLevelWindows();
    const HWND chat_screen = windows[static_cast<size_t>(game.TitleRow(windows, L"Brood War") - 3)];

    game.Command("leave-chat");
    game.Command("leave-chat");
    game.Command("chat \\x11while away \\xe4");
    EXPECT_EQ(game.Events(), Events{"screen left"});
    const std::vector<HWND> away = Descendants(chat_screen);
    EXPECT_EQ(away.size(), 4u) << "another screen's few controls";
    for (HWND control : before) EXPECT_FALSE(IsWindow(control)) << "the chat controls are gone";

    game.Command("enter-chat");
    EXPECT_EQ(game.Events(), Events{"screen entered"});
    const std::vector<HWND> back = Descendants(chat_screen);
    ASSERT_EQ(back.size(), static_cast<size_t>(kControlCount));
    EXPECT_EQ(back, game.Handles());
    for (HWND control : back) {
        for (HWND old : before) EXPECT_NE(control, old) << "every handle is new";
        for (HWND old : away) EXPECT_NE(control, old) << "every handle is new";
    }
    ExpectGameWindowLayout(game, L"Brood War");
    ASSERT_EQ(RowCount(game.control(kChatList)), 2);
    EXPECT_EQ(ListRow(game.control(kChatList), 0), L"\x10J\u00fcrgen\x11: Gr\u00fc\u00df\u0081e");
    EXPECT_EQ(ListRow(game.control(kChatList), 1), L"\x11while away \u00e4");
    EXPECT_EQ(ListRow(game.control(kChannelList), 0), L"Alice\t0 RATS");
    EXPECT_EQ(ListRow(game.control(kFriendsList), 0), L"Carol\t0 RATS");
    EXPECT_EQ(WindowTextA(game.control(kChannelName)), "Clan QV (1)");

    // A second round trip gives new handles again.
    game.Command("leave-chat");
    game.Command("enter-chat");
    EXPECT_EQ(game.Events(), (Events{"screen left", "screen entered"}));
    for (HWND control : game.Handles()) {
        for (HWND old : back) EXPECT_NE(control, old);
    }
    EXPECT_EQ(RowCount(game.control(kChatList)), 2);
}

TEST(StandinGame, ItsWindowsAreAnsiWindowsAsInTheGame) {
    Standin game("");
    ASSERT_TRUE(game.ready());
    const HWND screen = GetParent(game.control(kChatList));
    EXPECT_FALSE(IsWindowUnicode(screen));
    EXPECT_FALSE(IsWindowUnicode(GetWindow(screen, GW_OWNER))) << "the Brood War window";
    for (int index = 0; index < kControlCount; ++index) {
        EXPECT_FALSE(IsWindowUnicode(game.control(index))) << "control " << index;
    }
    // A wide text sent by another program reaches the ANSI input box as cp1252 bytes.
    SendMessageW(game.control(kInput), WM_SETTEXT, 0,
                 reinterpret_cast<LPARAM>(L"\u00e4rger \u20ac f\u00fcr \u0081\u00ff"));
    EXPECT_EQ(game.Events(), Events{"settext \\xE4rger \\x80 f\\xFCr \\x81\\xFF"});
    EXPECT_EQ(WindowTextA(game.control(kInput)), "\xe4rger \x80 f\xfcr \x81\xff");
}

TEST(StandinGame, UnicodeChatOptionMakesOnlyTheChatListAUnicodeWindow) {
    Standin game("chat \\x10Zo\\xeb\\x11: \\x80\\x81\n", L"--unicode-chat");
    ASSERT_TRUE(game.ready());
    EXPECT_TRUE(IsWindowUnicode(game.control(kChatList)));
    EXPECT_FALSE(IsWindowUnicode(game.control(kInput)));
    EXPECT_FALSE(IsWindowUnicode(GetParent(game.control(kChatList))));
    EXPECT_EQ(ListRow(game.control(kChatList), 0), L"\x10Zo\u00eb\x11: \u20ac\u0081");
    SendMessageW(game.control(kChatList), LB_ADDSTRING, 0,
                 reinterpret_cast<LPARAM>(L"\x13"
                                          L"Bj\u00f6rn \u20ac"));
    EXPECT_EQ(game.Events(), Events{"added \\x13Bj\\xF6rn \\x80"});

    // A 64 KB row goes in whole and comes back whole across processes; it survives a trip away
    // from the chat screen too.
    game.Command("long-row 65536");
    game.Command("leave-chat");
    game.Command("enter-chat");
    game.Events();
    ASSERT_EQ(RowCount(game.control(kChatList)), 3);
    EXPECT_TRUE(IsWindowUnicode(game.control(kChatList)));
    EXPECT_EQ(ListRow(game.control(kChatList), 2), FromCp1252(standin::LongRow(1, 65536)));
}

TEST(StandinGame, BurstAddsTheGeneratedRowsInOrder) {
    Standin game("chat first\n");
    ASSERT_TRUE(game.ready());
    game.Command("burst 100 50");
    game.Command("burst 7 1");
    game.Command("burst 1");
    EXPECT_EQ(game.Events(), Events{"error burst 1"});
    const HWND chat = game.control(kChatList);
    ASSERT_EQ(RowCount(chat), 52);
    for (int i = 0; i < 50; ++i) {
        EXPECT_EQ(ListRow(chat, 1 + i), FromCp1252(standin::GeneratedRow(100 + i))) << i;
    }
    EXPECT_EQ(ListRow(chat, 51), FromCp1252(standin::GeneratedRow(7)));
}

TEST(StandinGame, GeneratedRowsMixCodesEightBitLettersAndBraces) {
    std::string all;
    int uncoloured = 0;
    for (int number = 0; number < 400; ++number) {
        const std::string row = standin::GeneratedRow(number);
        char mark[16];
        std::snprintf(mark, sizeof mark, "#%06d", number);
        EXPECT_NE(row.find(mark), std::string::npos) << row;
        EXPECT_EQ(row, standin::GeneratedRow(number)) << "the same number gives the same row";
        EXPECT_EQ(row.find_first_of("\r\n"), std::string::npos);
        uncoloured += row.find_first_of("\x10\x11\x12\x13\x14\x15\x16\x17\x18\x19\x1a\x1b") ==
                      std::string::npos;
        all += row;
    }
    EXPECT_GT(uncoloured, 10);
    EXPECT_LT(uncoloured, 100);
    for (const char* piece :
         {"\x10\x10", "\x14", "\x15", "\x1b", "\xe4", "\xfc", "\xdf", "\x80", "\xff", "\xe9",
          "\x81", "\x8d", "\x8f", "\x90", "\x9d", "{\\rtf1", "}", "\\par"}) {
        EXPECT_NE(all.find(piece), std::string::npos) << "no generated row holds a piece";
    }
}

TEST(StandinGame, LongRowsUpToAThousandCharactersAndFillingTheChat) {
    Standin game("");
    ASSERT_TRUE(game.ready());
    game.Command("long-row 511");
    game.Command("long-row 1000");
    game.Command("long-row 1001");
    game.Command("long-row 40");
    EXPECT_EQ(game.Events(), Events{"error long-row 1001"});
    const HWND chat = game.control(kChatList);
    ASSERT_EQ(RowCount(chat), 3);
    const std::wstring row = ListRow(chat, 0);
    EXPECT_EQ(row, FromCp1252(standin::LongRow(1, 511)));
    EXPECT_EQ(row.back(), L'\u00e4');
    EXPECT_EQ(ListRow(chat, 2), FromCp1252(standin::LongRow(3, 40)));
    // Wine hands a wide read of an ANSI list box with an ANSI window procedure through a
    // 512-byte buffer: a 1,000-character row is held whole, but another program reads only
    // its first part.
    EXPECT_EQ(SendMessageW(chat, LB_GETTEXTLEN, 1, 0), 1000);
    const std::wstring long_row = ListRow(chat, 1);
    EXPECT_GE(long_row.size(), 511u);
    EXPECT_EQ(FromCp1252(standin::LongRow(2, 1000)).compare(0, long_row.size(), long_row), 0);
    std::printf("a 1,000-character row read from another program: %zu characters\n",
                long_row.size());

    game.Command("fill-chat 10000");
    game.Command("fill-chat 50");
    EXPECT_EQ(game.Events(), Events{}) << "the stand-in lives on after the long rows were read";
    EXPECT_EQ(RowCount(chat), 10000);
    EXPECT_EQ(ListRow(chat, 9999), L"\x11Player9997\x17: hello number 9997");
}

TEST(StandinGame, HangStopsAnsweringUntilItEnds) {
    Standin game("");
    ASSERT_TRUE(game.ready());
    game.Command("hang 3000");
    ASSERT_TRUE(game.WaitFor("hang begins"));
    DWORD_PTR count = 0;
    EXPECT_FALSE(SendMessageTimeoutW(game.control(kChatList), LB_GETCOUNT, 0, 0, SMTO_ABORTIFHUNG,
                                     200, &count))
        << "answered while hanging";
    ASSERT_TRUE(game.WaitFor("hang ends"));
    EXPECT_TRUE(SendMessageTimeoutW(game.control(kChatList), LB_GETCOUNT, 0, 0, SMTO_ABORTIFHUNG,
                                    5000, &count));
    game.Command("hang 60001");
    EXPECT_EQ(game.Events(), (Events{"hang begins", "hang ends", "error hang 60001"}));
}

TEST(StandinGame, ExitCommandEndsWithCodeZero) {
    Standin game("");
    ASSERT_TRUE(game.ready());
    game.Command("exit");
    EXPECT_EQ(game.WaitForExit(kWaitMs), 0u);
}

TEST(StandinGame, CloseMessageEndsWithCodeZero) {
    Standin game("");
    ASSERT_TRUE(game.ready());
    const std::vector<HWND> windows = TopLevelWindows();
    const int title_row = game.TitleRow(windows, L"Brood War");
    ASSERT_GE(title_row, 0);
    PostMessageW(windows[static_cast<size_t>(title_row)], WM_CLOSE, 0, 0);
    EXPECT_EQ(game.WaitForExit(kWaitMs), 0u);
}

}  // namespace
