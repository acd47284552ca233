// The tool windows and the menu bar end to end (issue 9): the stand-in game and the companion
// as two processes, the windows opened through the main window's menu entries and its channel
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
#include "e2e/game_pair.h"
#include "tools/channel_window.h"
#include "tools/greet_window.h"
#include "tools/name_alert_window.h"
#include "tools/time_messages_window.h"

namespace {

using e2e::CountPrefix;
using e2e::GamePair;
using e2e::WaitUntil;

constexpr int kBindTimeoutMs = 30000;
constexpr int kFirstToolControlId = 2000;  // FormWindow numbers a table's controls from here
constexpr const wchar_t* kSettingsKey = L"Software\\QuorvaneDIZuvo";

// The command id of the menu entry with this caption, from the menu bar's table.
int MenuId(const char* caption) {
    for (const qv::MenuSpec& menu : qv::Form1Menu()) {
        for (const qv::MenuEntrySpec& entry : menu.entries) {
            if (std::strcmp(entry.caption, caption) == 0) return entry.id;
        }
    }
    return 0;
}

// Picks the menu entry as the menu does: a WM_COMMAND with the entry's id to the main window.
void PickMenu(HWND main, const char* caption) {
    PostMessageW(main, WM_COMMAND, MAKEWPARAM(MenuId(caption), 0), 0);
}

// The companion's top-level window of the class "Quorvane" + form name, once it is visible.
HWND WaitToolWindow(DWORD pid, const wchar_t* form_class, int timeout_ms = 10000) {
    HWND found = nullptr;
    WaitUntil(
        [&] {
            HWND window = nullptr;
            while ((window = FindWindowExW(nullptr, window, form_class, nullptr))) {
                DWORD owner = 0;
                GetWindowThreadProcessId(window, &owner);
                if (owner == pid && IsWindowVisible(window)) {
                    found = window;
                    return true;
                }
            }
            return false;
        },
        timeout_ms);
    return found;
}

// The window of a control of a tool window's table.
HWND ToolControl(HWND window, const qv::FormSpec& spec, const char* name) {
    for (size_t i = 0; i < spec.controls.size(); ++i) {
        if (std::strcmp(spec.controls[i].name, name) == 0) {
            return GetDlgItem(window, kFirstToolControlId + static_cast<int>(i));
        }
    }
    return nullptr;
}

void SetText(HWND control, const std::string& utf8) {
    SendMessageW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(e2e::Widen(utf8).c_str()));
}

// A press and release of the button, as the platform notes measured: one BN_CLICKED.
void Press(HWND button) {
    SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, 0);
    SendMessageW(button, WM_LBUTTONUP, 0, 0);
}

// Mouse input at a point of the screen: move, then the button events, each with the point.
void DoubleClickAt(POINT at) {
    const int w = GetSystemMetrics(SM_CXSCREEN);
    const int h = GetSystemMetrics(SM_CYSCREEN);
    std::vector<INPUT> inputs;
    auto add = [&](DWORD flags) {
        INPUT input{};
        input.type = INPUT_MOUSE;
        input.mi.dx = static_cast<LONG>((at.x * 65535) / (w - 1));
        input.mi.dy = static_cast<LONG>((at.y * 65535) / (h - 1));
        input.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
        inputs.push_back(input);
    };
    add(0);
    for (int i = 0; i < 2; ++i) {
        add(MOUSEEVENTF_LEFTDOWN);
        add(MOUSEEVENTF_LEFTUP);
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
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

void Shot(const wchar_t* name) {
    Sleep(300);
    const std::wstring path = e2e::OutDir() + L"\\" + name;
    EXPECT_TRUE(e2e::SaveScreenshot(path));
    std::printf("screenshot: %s\n", e2e::Narrow(path).c_str());
}

std::optional<std::wstring> RegistryText(HKEY root, const wchar_t* group, const wchar_t* name) {
    wchar_t data[512] = {};
    DWORD size = sizeof data;
    const std::wstring key = std::wstring(kSettingsKey) + L"\\" + group;
    if (RegGetValueW(root, key.c_str(), name, RRF_RT_REG_SZ, nullptr, data, &size) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    return std::wstring(data);
}

void RemoveSettings() {
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, kSettingsKey);
    RegDeleteKeyW(HKEY_LOCAL_MACHINE, kSettingsKey);
    RegDeleteTreeW(HKEY_CURRENT_USER, kSettingsKey);
    RegDeleteKeyW(HKEY_CURRENT_USER, kSettingsKey);
}

// The machine key as an ordinary account meets it: the registry refuses every value the
// companion writes below it (a volatile key takes no lasting subkeys).
bool RefuseMachineWrites() {
    RemoveSettings();
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, kSettingsKey, 0, nullptr, REG_OPTION_VOLATILE,
                        KEY_ALL_ACCESS, nullptr, &key, nullptr) != ERROR_SUCCESS) {
        return false;
    }
    RegCloseKey(key);
    return true;
}

class ToolWindowsE2E : public ::testing::Test {
  protected:
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
    const qv::FormSpec spec = qv::Form3Layout();
    SetText(ToolControl(form3, spec, "Text1"), "%date %time");
    SetText(ToolControl(form3, spec, "Text4"), "abc");
    Press(ToolControl(form3, spec, "Command1"));
    EXPECT_EQ(e2e::WindowText(ToolControl(form3, spec, "Text4")), "5000");
    const size_t before = pair.Transcript().size();
    const ULONGLONG started = GetTickCount64();
    Press(ToolControl(form3, spec, "Command2"));
    ASSERT_TRUE(
        WaitUntil([&] { return SentLines(pair.TranscriptSince(before)).size() >= 3; }, 9000))
        << "no timed messages reached the game";
    const double first = static_cast<double>(GetTickCount64() - started) / 1000.0;
    std::printf("first timed messages after %.2f s\n", first);
    EXPECT_LT(first, 6.5) << "about 5.5 s at most";
    Shot(L"e2e-tools-timed.bmp");
    ASSERT_TRUE(
        WaitUntil([&] { return SentLines(pair.TranscriptSince(before)).size() >= 6; }, 9000))
        << "the second round did not come";
    Press(ToolControl(form3, spec, "Command3"));
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
    Press(GetDlgItem(pair.main(), qv::kIdCommand6));
    HWND window = WaitToolWindow(Pid(), L"QuorvaneFormChannel");
    ASSERT_NE(window, nullptr) << "the channel button did not open the channel window";
    const qv::FormSpec spec = qv::FormChannelLayout();
    HWND list = ToolControl(window, spec, "List4");
    // The current channel, from the main window's channel label, is the fifteenth row.
    ASSERT_TRUE(WaitUntil([&] { return SendMessageW(list, LB_GETCOUNT, 0, 0) >= 14; }, 5000));
    const LRESULT rows = SendMessageW(list, LB_GETCOUNT, 0, 0);
    std::printf("channel window rows: %d\n", static_cast<int>(rows));
    if (rows == 15) {
        EXPECT_EQ(e2e::WindowText(ToolControl(window, spec, "Text3")), "Clan QV");
    }
    // A player's double click on "Public Chat", the fourth row; the window stands below the
    // stand-in, which keeps its own windows on top.
    SetWindowPos(window, HWND_TOP, 100, 560, 0, 0, SWP_NOSIZE);
    SetForegroundWindow(window);
    SendMessageW(list, LB_SETTOPINDEX, 0, 0);
    Sleep(200);
    const int height = static_cast<int>(SendMessageW(list, LB_GETITEMHEIGHT, 0, 0));
    POINT at{20, 3 * height + height / 2};
    ClientToScreen(list, &at);
    const size_t before = pair.Transcript().size();
    DoubleClickAt(at);
    ASSERT_TRUE(WaitUntil(
        [&] {
            const auto sent = SentLines(pair.TranscriptSince(before));
            return !sent.empty();
        },
        5000))
        << "the double click typed nothing";
    EXPECT_EQ(SentLines(pair.TranscriptSince(before)),
              (std::vector<std::string>{"/join Public Chat"}));
    EXPECT_EQ(e2e::WindowText(ToolControl(window, spec, "Text3")), "Public Chat");
    EXPECT_TRUE(IsWindowVisible(window)) << "joining leaves the window open";
    Shot(L"e2e-tools-channel.bmp");

    // Its close button unloads it; the channel button makes it anew.
    Press(ToolControl(window, spec, "Command1"));
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(window); }, 5000));
    Press(GetDlgItem(pair.main(), qv::kIdCommand6));
    HWND again = WaitToolWindow(Pid(), L"QuorvaneFormChannel");
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(SendMessageW(ToolControl(again, spec, "List4"), LB_GETCOUNT, 0, 0), rows);
    EXPECT_TRUE(pair.Answers(2000));
}

// What the player saves: a third timed message, the greet text and an alert word.
struct Saved {
    std::string third = "third \xE2\x82\xAC \xC3\xA4";
    std::string greet =
        "/w %user Gr\xC3\xBC\xC3\x9F"
        "e %user, %date %time";
    std::string word = "\xC3\x84rger";
};

void SaveThroughTheMenus(GamePair& pair, DWORD pid, const Saved& saved) {
    PickMenu(pair.main(), "Time Message");
    HWND form3 = WaitToolWindow(pid, L"QuorvaneForm3");
    ASSERT_NE(form3, nullptr);
    const qv::FormSpec spec3 = qv::Form3Layout();
    SetText(ToolControl(form3, spec3, "Text3"), saved.third);
    Press(ToolControl(form3, spec3, "Command2"));
    Press(ToolControl(form3, spec3, "Command3"));

    PickMenu(pair.main(), "Greet Message");
    HWND form4 = WaitToolWindow(pid, L"QuorvaneForm4");
    ASSERT_NE(form4, nullptr);
    const qv::FormSpec spec4 = qv::Form4Layout();
    SetText(ToolControl(form4, spec4, "Text1"), saved.greet);
    Press(ToolControl(form4, spec4, "Command1"));
    Press(ToolControl(form4, spec4, "Command2"));

    PickMenu(pair.main(), "Open Name Alert window");
    HWND form8 = WaitToolWindow(pid, L"QuorvaneForm8");
    ASSERT_NE(form8, nullptr);
    const qv::FormSpec spec8 = qv::Form8Layout();
    SetText(ToolControl(form8, spec8, "Text6"), saved.word);
    Press(ToolControl(form8, spec8, "Command1"));
    Shot(L"e2e-tools-windows.bmp");
}

void ExpectBackThroughTheMenus(GamePair& pair, DWORD pid, const Saved& saved) {
    PickMenu(pair.main(), "Time Message");
    HWND form3 = WaitToolWindow(pid, L"QuorvaneForm3");
    ASSERT_NE(form3, nullptr);
    EXPECT_EQ(e2e::WindowText(ToolControl(form3, qv::Form3Layout(), "Text3")), saved.third);
    PickMenu(pair.main(), "Greet Message");
    HWND form4 = WaitToolWindow(pid, L"QuorvaneForm4");
    ASSERT_NE(form4, nullptr);
    EXPECT_EQ(e2e::WindowText(ToolControl(form4, qv::Form4Layout(), "Text1")), saved.greet);
    PickMenu(pair.main(), "Open Name Alert window");
    HWND form8 = WaitToolWindow(pid, L"QuorvaneForm8");
    ASSERT_NE(form8, nullptr);
    EXPECT_EQ(e2e::WindowText(ToolControl(form8, qv::Form8Layout(), "Text6")), saved.word);
}

TEST_F(ToolWindowsE2E, SettingsComeBackAfterARestartWithTheMachineKeyWritable) {
    RemoveSettings();
    const Saved saved;
    StartPair("saved-machine");
    SaveThroughTheMenus(pair, Pid(), saved);
    pair.Stop();
    EXPECT_EQ(RegistryText(HKEY_LOCAL_MACHINE, L"SaveTimeMessage", L"Message3"),
              e2e::Widen(saved.third));
    EXPECT_EQ(RegistryText(HKEY_LOCAL_MACHINE, L"SaveAlertMessage", L"Enable"), L"1");
    EXPECT_EQ(RegistryText(HKEY_CURRENT_USER, L"SaveGreetMessage", L"Message"), std::nullopt);

    GamePair again;
    ASSERT_TRUE(again.Start("saved-machine-2", {"channel Clan QV"})) << again.error;
    ExpectBackThroughTheMenus(again, GetProcessId(again.companion_process()), saved);
    again.Stop();
    RemoveSettings();
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
    RemoveSettings();
}

}  // namespace
