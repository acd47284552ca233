// The tool windows and the menu bar end to end: the stand-in game and the companion as two
// processes, the windows opened through the main window's menu entries and its channel
// button, and what they type checked in the stand-in's transcript. The settings come back
// after a restart both with the machine key writable and with it refused.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <regex>
#include <string>
#include <vector>

#include "app/form1_layout.h"
#include "app/form1_menu.h"
#include "e2e/companion_windows.h"
#include "e2e/game_pair.h"
#include "e2e/player_input.h"
#include "e2e/shown_lists.h"
#include "tools/channel_window.h"
#include "tools/greet_window.h"
#include "tools/name_alert_window.h"
#include "tools/time_messages_window.h"

namespace {

using e2e::CountPrefix;
using e2e::GamePair;
using e2e::MenuId;
using e2e::Press;
using e2e::RefuseMachineWrites;
using e2e::RegistryText;
using e2e::RemoveSettings;
using e2e::SetText;
using e2e::ToolControl;
using e2e::WaitToolWindow;
using e2e::WaitUntil;

constexpr int kBindTimeoutMs = 30000;

// Picks the menu entry as the menu does: a WM_COMMAND with the entry's id to the main window.
void PickMenu(HWND main, const char* caption) {
    PostMessageW(main, WM_COMMAND, MAKEWPARAM(MenuId(caption), 0), 0);
}

// A row of a list box of the companion's, as UTF-8.
std::string ListRow(HWND list, int row) {
    const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, row, 0);
    if (length < 0) return "";
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    SendMessageW(list, LB_GETTEXT, row, reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(length));
    return e2e::Narrow(text);
}

std::vector<std::string> SentLines(const std::vector<std::string>& lines) {
    std::vector<std::string> sent;
    for (const std::string& line : lines) {
        if (line.rfind("sent ", 0) == 0) sent.push_back(line.substr(5));
    }
    return sent;
}

std::string Today() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    char text[16];
    std::snprintf(text, sizeof text, "%02u-%02u-%04u", now.wMonth, now.wDay, now.wYear);
    return text;
}

// Written into the greet window's name box, which each run of its timer empties.
constexpr const char* kNoRunYet = "no run yet";

// Waits for `runs` runs of the greet window's timer begun after this call.
bool WaitGreetTicks(HWND form4, int runs) {
    HWND text2 = ToolControl(form4, qv::Form4Layout(), "Text2");
    for (int run = 0; run < runs; ++run) {
        SetText(text2, kNoRunYet);
        if (!WaitUntil([&] { return e2e::WindowText(text2) != kNoRunYet; }, 5000)) return false;
    }
    return true;
}

// Each test starts and ends with no stored settings, whatever it left behind.
class ToolWindowsE2E : public ::testing::Test {
  protected:
    void SetUp() override { RemoveSettings(); }
    void TearDown() override { RemoveSettings(); }
    void StartPair(const std::string& tag, std::vector<std::string> init = {}) {
        init.insert(init.begin(), "channel Clan QV");
        ASSERT_TRUE(pair.Start(tag, init)) << pair.error;
        ASSERT_TRUE(pair.WaitBound(1, kBindTimeoutMs)) << "the companion never bound";
    }
    DWORD Pid() const { return GetProcessId(pair.companion_process()); }

    GamePair pair;
};

TEST_F(ToolWindowsE2E, TimedMessagesReachTheGameEveryFiveSecondsAllThree) {
    StartPair("timed");
    PickMenu(pair.main(), "Time Message");
    HWND form3 = WaitToolWindow(Pid(), L"QuorvaneForm3");
    ASSERT_NE(form3, nullptr) << "the menu entry did not show the timed-messages window";
    const qv::FormSpec layout = qv::Form3Layout();
    SetText(ToolControl(form3, layout, "Text1"), "%date %time");
    SetText(ToolControl(form3, layout, "Text4"), "abc");
    Press(ToolControl(form3, layout, "Command1"));
    EXPECT_EQ(e2e::WindowText(ToolControl(form3, layout, "Text4")), "5000");
    const size_t before = pair.Transcript().size();
    const ULONGLONG started = GetTickCount64();
    Press(ToolControl(form3, layout, "Command2"));
    // The interval is 5000 ms, not the 40,000 ms of the start: the first round comes well
    // within the wait.
    ASSERT_TRUE(
        WaitUntil([&] { return SentLines(pair.TranscriptSince(before)).size() >= 3; }, 15000))
        << "no timed messages reached the game";
    std::printf("first timed messages after %.2f s\n",
                static_cast<double>(GetTickCount64() - started) / 1000.0);
    EXPECT_TRUE(e2e::SaveCompanionScreenshot(L"e2e-tools-timed.bmp", pair.main()));
    ASSERT_TRUE(
        WaitUntil([&] { return SentLines(pair.TranscriptSince(before)).size() >= 6; }, 15000))
        << "the second round did not come";
    Press(ToolControl(form3, layout, "Command3"));
    const std::vector<std::string> sent = SentLines(pair.TranscriptSince(before));
    const std::regex date_time(R"((\d\d-\d\d-\d\d\d\d) ([01]\d|2[0-3]):[0-5]\d:[0-5]\d)");
    const std::regex currently(R"(Its currently ([01]\d|2[0-3]):[0-5]\d:[0-5]\d!)");
    for (size_t round = 0; round < 2; ++round) {
        std::smatch match;
        ASSERT_TRUE(std::regex_match(sent[3 * round], match, date_time)) << sent[3 * round];
        EXPECT_EQ(match[1].str(), Today());
        EXPECT_TRUE(std::regex_match(sent[3 * round + 1], currently)) << sent[3 * round + 1];
        EXPECT_EQ(sent[3 * round + 2], "") << "the empty third message is sent too";
    }
}

TEST_F(ToolWindowsE2E, ChannelWindowJoinsByDoubleClickAndShowsTheCurrentChannel) {
    StartPair("channel");
    const qv::FormSpec layout = qv::FormChannelLayout();
    // The channel name reaches the main window's channel label about a second after binding;
    // a window opened before that lists the fixed channels alone, and is closed and opened
    // again, as a player would.
    HWND window = nullptr;
    HWND list = nullptr;
    ASSERT_TRUE(WaitUntil(
        [&] {
            if (window) {
                Press(ToolControl(window, layout, "Command1"));
                if (!WaitUntil([&] { return !IsWindow(window); }, 5000)) return false;
            }
            Press(GetDlgItem(pair.main(), qv::kIdCommand6));
            window = WaitToolWindow(Pid(), L"QuorvaneFormChannel");
            if (!window) return false;
            list = ToolControl(window, layout, "List4");
            return SendMessageW(list, LB_GETCOUNT, 0, 0) == 15;
        },
        10000))
        << "the channel window never listed the current channel";
    // The current channel, from the main window's channel label, is the fifteenth row.
    EXPECT_EQ(ListRow(list, 14), "Clan QV");
    EXPECT_EQ(ListRow(list, 3), "Public Chat");
    EXPECT_EQ(e2e::WindowText(ToolControl(window, layout, "Text3")), "Clan QV");
    // A player's double click on "Public Chat", the fourth row; the window stands below the
    // stand-in, which keeps its own windows on top.
    SetWindowPos(window, HWND_TOP, 100, 560, 0, 0, SWP_NOSIZE);
    ASSERT_TRUE(e2e::BringToFront(window));
    SendMessageW(list, LB_SETTOPINDEX, 0, 0);
    const int height = static_cast<int>(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0));
    POINT at{20, 3 * height + height / 2};
    ClientToScreen(list, &at);
    const size_t before = pair.Transcript().size();
    ASSERT_TRUE(e2e::DoubleClickAt(at));
    ASSERT_TRUE(WaitUntil(
        [&] {
            const auto sent = SentLines(pair.TranscriptSince(before));
            return !sent.empty();
        },
        5000))
        << "the double click typed nothing";
    EXPECT_EQ(SentLines(pair.TranscriptSince(before)),
              (std::vector<std::string>{"/join Public Chat"}));
    EXPECT_EQ(e2e::WindowText(ToolControl(window, layout, "Text3")), "Public Chat");
    EXPECT_TRUE(IsWindowVisible(window)) << "joining leaves the window open";
    EXPECT_TRUE(e2e::SaveCompanionScreenshot(L"e2e-tools-channel.bmp", pair.main()));

    // Its close button unloads it; the channel button makes it anew.
    Press(ToolControl(window, layout, "Command1"));
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(window); }, 5000));
    Press(GetDlgItem(pair.main(), qv::kIdCommand6));
    HWND again = WaitToolWindow(Pid(), L"QuorvaneFormChannel");
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(SendMessageW(ToolControl(again, layout, "List4"), LB_GETCOUNT, 0, 0), 15);
    EXPECT_TRUE(pair.Answers(2000));
}

TEST_F(ToolWindowsE2E, AUserJoiningTheChannelIsGreetedOnceWithDateAndTime) {
    StartPair("greet");
    PickMenu(pair.main(), "Greet Message");
    HWND form4 = WaitToolWindow(Pid(), L"QuorvaneForm4");
    ASSERT_NE(form4, nullptr) << "the menu entry did not show the greet window";
    const qv::FormSpec layout = qv::Form4Layout();
    EXPECT_EQ(e2e::WindowText(ToolControl(form4, layout, "Text1")), qv::kGreetDefaultText);
    Press(ToolControl(form4, layout, "Command1"));
    EXPECT_TRUE(e2e::SaveCompanionScreenshot(L"e2e-tools-greet.bmp", pair.main()));

    // The transcript escapes the game's cp1252 bytes: "\xFC" is the u-umlaut.
    const std::regex greeting(
        R"(/w J\\xFCrgen Hello J\\xFCrgen I'm using Dunmarrows Quorvane DI Zuvo! )"
        R"(Its currently the (\d\d-\d\d-\d\d\d\d) and it is ([01]\d|2[0-3]):[0-5]\d:[0-5]\d)");
    const size_t before = pair.Transcript().size();
    pair.Script("join J\\xfcrgen\\x090 PXES");
    ASSERT_TRUE(WaitUntil([&] { return !SentLines(pair.TranscriptSince(before)).empty(); }, 10000))
        << "the join was not greeted";
    std::vector<std::string> sent = SentLines(pair.TranscriptSince(before));
    std::smatch match;
    ASSERT_TRUE(std::regex_match(sent[0], match, greeting)) << sent[0];
    EXPECT_EQ(match[1].str(), Today());

    // Later runs of the greet timer greet the one join no more; the next join is greeted too,
    // so the user copier the runs pause keeps running.
    ASSERT_TRUE(WaitGreetTicks(form4, 3)) << "the greet timer stopped";
    pair.Script("join Bob\\x090 RATS");
    ASSERT_TRUE(
        WaitUntil([&] { return SentLines(pair.TranscriptSince(before)).size() >= 2; }, 10000))
        << "the second join was not greeted";
    ASSERT_TRUE(WaitGreetTicks(form4, 3)) << "the greet timer stopped";
    sent = SentLines(pair.TranscriptSince(before));
    ASSERT_EQ(sent.size(), 2u) << "each join is greeted once";
    EXPECT_EQ(sent[1].rfind("/w Bob Hello Bob I'm using ", 0), 0u) << sent[1];

    // Stopped, the timer runs no more and a join goes ungreeted, for as many passes of the
    // companion's pump as a run of the timer would need to come and greet it.
    Press(ToolControl(form4, layout, "Command2"));
    HWND text2 = ToolControl(form4, layout, "Text2");
    SetText(text2, kNoRunYet);
    pair.Script("join Cid\\x090 RATS");
    for (int pass = 0; pass < 5; ++pass) ASSERT_TRUE(pair.WaitPumpPass());
    EXPECT_EQ(e2e::WindowText(text2), kNoRunYet) << "the stopped greet timer ran";
    EXPECT_EQ(SentLines(pair.TranscriptSince(before)).size(), 2u);
    EXPECT_TRUE(pair.Answers(2000));
}

// What the player saves: the three timed messages, the greet text and two alert words, with
// code-page letters at the start, in the middle and at the end.
struct Saved {
    std::string first = "\xC3\xA4rger %time";
    std::string second = "f\xC3\xBCr %date \xC3\xBF";
    std::string third = "third \xE2\x82\xAC \xC3\xA4";
    std::string greet =
        "/w %user Gr\xC3\xBC\xC3\x9F"
        "e %user, %date %time";
    std::string word1 =
        "\xC3\x9F"
        "ob";
    std::string word = "\xC3\x84rger";
};

void SaveThroughTheMenus(GamePair& pair, DWORD pid, const Saved& saved) {
    PickMenu(pair.main(), "Time Message");
    HWND form3 = WaitToolWindow(pid, L"QuorvaneForm3");
    ASSERT_NE(form3, nullptr);
    const qv::FormSpec layout3 = qv::Form3Layout();
    SetText(ToolControl(form3, layout3, "Text1"), saved.first);
    SetText(ToolControl(form3, layout3, "Text2"), saved.second);
    SetText(ToolControl(form3, layout3, "Text3"), saved.third);
    Press(ToolControl(form3, layout3, "Command2"));
    Press(ToolControl(form3, layout3, "Command3"));

    PickMenu(pair.main(), "Greet Message");
    HWND form4 = WaitToolWindow(pid, L"QuorvaneForm4");
    ASSERT_NE(form4, nullptr);
    const qv::FormSpec layout4 = qv::Form4Layout();
    SetText(ToolControl(form4, layout4, "Text1"), saved.greet);
    Press(ToolControl(form4, layout4, "Command1"));
    Press(ToolControl(form4, layout4, "Command2"));

    PickMenu(pair.main(), "Open Name Alert window");
    HWND form8 = WaitToolWindow(pid, L"QuorvaneForm8");
    ASSERT_NE(form8, nullptr);
    const qv::FormSpec layout8 = qv::Form8Layout();
    SetText(ToolControl(form8, layout8, "Text1"), saved.word1);
    SetText(ToolControl(form8, layout8, "Text6"), saved.word);
    Press(ToolControl(form8, layout8, "Command1"));
    EXPECT_TRUE(e2e::SaveCompanionScreenshot(L"e2e-tools-windows.bmp", pair.main()));
}

void ExpectBackThroughTheMenus(GamePair& pair, DWORD pid, const Saved& saved) {
    PickMenu(pair.main(), "Time Message");
    HWND form3 = WaitToolWindow(pid, L"QuorvaneForm3");
    ASSERT_NE(form3, nullptr);
    const qv::FormSpec layout3 = qv::Form3Layout();
    EXPECT_EQ(e2e::WindowText(ToolControl(form3, layout3, "Text1")), saved.first);
    EXPECT_EQ(e2e::WindowText(ToolControl(form3, layout3, "Text2")), saved.second);
    EXPECT_EQ(e2e::WindowText(ToolControl(form3, layout3, "Text3")), saved.third);
    PickMenu(pair.main(), "Greet Message");
    HWND form4 = WaitToolWindow(pid, L"QuorvaneForm4");
    ASSERT_NE(form4, nullptr);
    EXPECT_EQ(e2e::WindowText(ToolControl(form4, qv::Form4Layout(), "Text1")), saved.greet);
    PickMenu(pair.main(), "Open Name Alert window");
    HWND form8 = WaitToolWindow(pid, L"QuorvaneForm8");
    ASSERT_NE(form8, nullptr);
    const qv::FormSpec layout8 = qv::Form8Layout();
    EXPECT_EQ(e2e::WindowText(ToolControl(form8, layout8, "Text1")), saved.word1);
    EXPECT_EQ(e2e::WindowText(ToolControl(form8, layout8, "Text6")), saved.word);
    EXPECT_EQ(e2e::WindowText(ToolControl(form8, layout8, "Text2")), "");
}

TEST_F(ToolWindowsE2E, SettingsComeBackAfterARestartWithTheMachineKeyWritable) {
    const Saved saved;
    StartPair("saved-machine");
    SaveThroughTheMenus(pair, Pid(), saved);
    pair.Stop();
    EXPECT_EQ(RegistryText(HKEY_LOCAL_MACHINE, L"SaveTimeMessage", L"Message3"),
              e2e::Widen(saved.third));
    EXPECT_EQ(RegistryText(HKEY_LOCAL_MACHINE, L"SaveGreetMessage", L"Message"),
              e2e::Widen(saved.greet));
    EXPECT_EQ(RegistryText(HKEY_LOCAL_MACHINE, L"SaveAlertMessage", L"Message6"),
              e2e::Widen(saved.word));
    EXPECT_EQ(RegistryText(HKEY_LOCAL_MACHINE, L"SaveAlertMessage", L"Enable"), L"1");
    EXPECT_EQ(RegistryText(HKEY_CURRENT_USER, L"SaveGreetMessage", L"Message"), std::nullopt);

    GamePair again;
    ASSERT_TRUE(again.Start("saved-machine-2", {"channel Clan QV"})) << again.error;
    ExpectBackThroughTheMenus(again, GetProcessId(again.companion_process()), saved);
    again.Stop();
}

TEST_F(ToolWindowsE2E, SettingsComeBackAfterARestartWithTheMachineKeyRefused) {
    ASSERT_TRUE(RefuseMachineWrites());
    const Saved saved;
    StartPair("saved-user");
    SaveThroughTheMenus(pair, Pid(), saved);
    pair.Stop();
    EXPECT_EQ(RegistryText(HKEY_LOCAL_MACHINE, L"SaveTimeMessage", L"Message3"), std::nullopt);
    EXPECT_EQ(RegistryText(HKEY_CURRENT_USER, L"SaveTimeMessage", L"Message3"),
              e2e::Widen(saved.third));
    EXPECT_EQ(RegistryText(HKEY_CURRENT_USER, L"SaveGreetMessage", L"Message"),
              e2e::Widen(saved.greet));
    EXPECT_EQ(RegistryText(HKEY_CURRENT_USER, L"SaveAlertMessage", L"Message6"),
              e2e::Widen(saved.word));

    GamePair again;
    ASSERT_TRUE(again.Start("saved-user-2", {"channel Clan QV"})) << again.error;
    ExpectBackThroughTheMenus(again, GetProcessId(again.companion_process()), saved);
    again.Stop();
}

}  // namespace
