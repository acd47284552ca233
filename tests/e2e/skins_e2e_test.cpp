// The skins and the settings restore and shut-down end to end: the stand-in game and the
// companion as two processes. A player chooses a skin, unticks "Hide offline friends",
// switches logging on and saves an alert word, then closes the main window: the game is
// left on its Channel tab with its scroll bars by the 13-row rule, and a restarted
// companion shows it all again, with the machine key writable and with it refused.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "app/form1_layout.h"
#include "app/form1_menu.h"
#include "e2e/companion_windows.h"
#include "e2e/game_pair.h"
#include "e2e/shown_lists.h"
#include "tools/name_alert_window.h"

namespace {

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

// Picks the menu entry as the menu does and waits until the window has handled it.
void PickMenu(HWND main, const char* caption) {
    DWORD_PTR result = 0;
    SendMessageTimeoutW(main, WM_COMMAND, MAKEWPARAM(MenuId(caption), 0), 0, SMTO_ABORTIFHUNG, 5000,
                        &result);
}

// Where a control of the main window stands, in the window's client pixels.
RECT ClientRect(HWND main, int id) {
    RECT r{};
    GetWindowRect(GetDlgItem(main, id), &r);
    MapWindowPoints(nullptr, main, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

// The colour on screen at a client point of the main window.
COLORREF ScreenPixel(HWND main, int x, int y) {
    POINT at{x, y};
    ClientToScreen(main, &at);
    HDC screen = GetDC(nullptr);
    const COLORREF colour = GetPixel(screen, at.x, at.y);
    ReleaseDC(nullptr, screen);
    return colour;
}

enum class Look { kStarcraft, kBlue, kSilver };

// The skin the window shows, told by its background's metal at the right edge, where no
// control stands: dark grey steel, deep blue or light silver.
std::optional<Look> ShownLook(HWND main) {
    const COLORREF c = ScreenPixel(main, 762, 250);
    const int r = GetRValue(c), g = GetGValue(c), b = GetBValue(c);
    if (c == CLR_INVALID) return std::nullopt;
    if (r > 140 && g > 140 && b > 140) return Look::kSilver;
    if (b > r + 25 && b > 60) return Look::kBlue;
    if (r < 90 && g < 90 && b < 90 && std::abs(b - r) < 20) return Look::kStarcraft;
    return std::nullopt;
}

struct Places {
    int send_top, whisper_top, whisper_height;
};

Places SendAndWhisper(HWND main) {
    const RECT send = ClientRect(main, qv::kIdCommand1);
    const RECT whisper = ClientRect(main, qv::kIdCommand4);
    return {send.top, whisper.top, whisper.bottom - whisper.top};
}

void ExpectPlaces(HWND main, Places expected) {
    const Places shown = SendAndWhisper(main);
    EXPECT_EQ(shown.send_top, expected.send_top);
    EXPECT_EQ(shown.whisper_top, expected.whisper_top);
    EXPECT_EQ(shown.whisper_height, expected.whisper_height);
}

std::vector<std::string> Since(const GamePair& pair, const std::string& mark) {
    const std::vector<std::string> lines = pair.Transcript();
    for (size_t i = lines.size(); i-- > 0;) {
        if (lines[i] == "mark " + mark)
            return {lines.begin() + static_cast<long>(i) + 1, lines.end()};
    }
    return {};
}

std::vector<std::string> Clicks(const std::vector<std::string>& lines) {
    std::vector<std::string> clicks;
    for (const std::string& line : lines) {
        if (line.rfind("click ", 0) == 0) clicks.push_back(line);
    }
    return clicks;
}

bool Holds(const std::vector<std::string>& lines, const std::string& line) {
    for (const std::string& l : lines) {
        if (l == line) return true;
    }
    return false;
}

const std::string kAlertWord = "\xC3\x84rger";  // "Ärger"

// Fifteen users: the game's channel list needs its scroll bar.
std::vector<std::string> BusyChannel() {
    return {"channel Clan QV", "users channel 15", "friend Alice\t0 RATS"};
}

// How the first run ends: the player closes the main window, or logs off Windows.
enum class Ending { kCloseBox, kLogOff };

// The first run: Blue skin, the box unticked, logging on, an alert word; then the run ends.
void ChooseAndClose(GamePair& pair, Ending ending) {
    const DWORD pid = pair.companion_pid();
    PickMenu(pair.main(), "Blue Style");
    Press(pair.Control(qv::kIdCheck1));
    EXPECT_EQ(SendMessageW(pair.Control(qv::kIdCheck1), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    PickMenu(pair.main(), "Enable");
    PickMenu(pair.main(), "Open Name Alert window");
    HWND form8 = WaitToolWindow(pid, L"QuorvaneForm8");
    ASSERT_NE(form8, nullptr);
    const qv::FormSpec spec8 = qv::Form8Layout();
    SetText(ToolControl(form8, spec8, "Text6"), kAlertWord);
    Press(ToolControl(form8, spec8, "Command1"));

    // The game's channel scroll bar hidden behind the companion's back: the shut-down gives
    // it back by the 13-row rule.
    pair.Script("show-tab channel");
    pair.Script("scrollbar channel hide");
    pair.Script("mark close");
    ASSERT_TRUE(WaitUntil([&] { return Holds(pair.Transcript(), "mark close"); }, 5000));
    if (ending == Ending::kCloseBox) {
        PostMessageW(pair.main(), WM_CLOSE, 0, 0);
    } else {
        DWORD_PTR may_end = 0;
        ASSERT_TRUE(SendMessageTimeoutW(pair.main(), WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF,
                                        SMTO_ABORTIFHUNG, 5000, &may_end));
        EXPECT_TRUE(may_end);
        PostMessageW(pair.main(), WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    }
    ASSERT_EQ(WaitForSingleObject(pair.companion_process(), 10000), WAIT_OBJECT_0)
        << "the end of the run did not end the companion";
    ASSERT_TRUE(WaitUntil(
        [&] {
            const auto clicks = Clicks(Since(pair, "close"));
            return clicks.size() >= 2;
        },
        5000));
    const std::vector<std::string> after = Since(pair, "close");
    const std::vector<std::string> clicks = Clicks(after);
    ASSERT_GE(clicks.size(), 2u);
    EXPECT_EQ(clicks[clicks.size() - 2], "click friends-tab");
    EXPECT_EQ(clicks.back(), "click channel-tab") << "the game is left on its Channel tab";
    EXPECT_TRUE(Holds(after, "scrollbar channel shown")) << "15 users need the scroll bar";
}

// The second run: everything chosen comes back; then Exit, which saves nothing.
void ExpectBackThenExit(GamePair& again) {
    ASSERT_TRUE(again.WaitBound(1, kBindTimeoutMs));
    HWND main = again.main();
    ExpectPlaces(main, {497, 498, 28});
    EXPECT_EQ(ShownLook(main), Look::kBlue);
    EXPECT_EQ(SendMessageW(again.Control(qv::kIdCheck1), BM_GETCHECK, 0, 0), BST_UNCHECKED);

    // Logging is on: a new chat line reaches the day's log.
    again.Script("chat \\x10Bob\\x10: back again");
    EXPECT_TRUE(
        WaitUntil([&] { return again.Log().find("Bob: back again") != std::string::npos; }, 10000))
        << "logging did not come back on";

    PickMenu(main, "Open Name Alert window");
    HWND form8 = WaitToolWindow(again.companion_pid(), L"QuorvaneForm8");
    ASSERT_NE(form8, nullptr);
    EXPECT_EQ(e2e::WindowText(ToolControl(form8, qv::Form8Layout(), "Text6")), kAlertWord);

    // Ticked again, then Exit: nothing is saved.
    Press(again.Control(qv::kIdCheck1));
    PickMenu(main, "Exit");
    EXPECT_EQ(WaitForSingleObject(again.companion_process(), 10000), WAIT_OBJECT_0);
}

// Each test starts and ends with no stored settings, whatever it left behind.
class SkinsE2E : public ::testing::Test {
  protected:
    void SetUp() override { RemoveSettings(); }
    void TearDown() override { RemoveSettings(); }
};

TEST_F(SkinsE2E, ClosingSavesAndARestartBringsEverythingBackWithTheMachineKeyWritable) {
    {
        GamePair pair;
        pair.switch_logging_on = false;
        ASSERT_TRUE(pair.Start("restore-machine", BusyChannel())) << pair.error;
        ASSERT_TRUE(pair.WaitBound(1, kBindTimeoutMs));
        ChooseAndClose(pair, Ending::kCloseBox);
    }
    EXPECT_EQ(RegistryText(HKEY_LOCAL_MACHINE, L"SaveHide", L"Hide"), L"0");
    EXPECT_EQ(RegistryText(HKEY_LOCAL_MACHINE, L"SaveStyle", L"Style"), L"2");
    EXPECT_EQ(RegistryText(HKEY_LOCAL_MACHINE, L"Logfile", L"Log"), L"1");

    GamePair again;
    again.switch_logging_on = false;
    ASSERT_TRUE(again.Start("restore-machine-2", BusyChannel())) << again.error;
    ExpectBackThenExit(again);
    EXPECT_EQ(RegistryText(HKEY_LOCAL_MACHINE, L"SaveHide", L"Hide"), L"0")
        << "Exit leaves the saved box as it was";
}

TEST_F(SkinsE2E, ClosingSavesAndARestartBringsEverythingBackWithTheMachineKeyRefused) {
    ASSERT_TRUE(RefuseMachineWrites());
    {
        GamePair pair;
        pair.switch_logging_on = false;
        ASSERT_TRUE(pair.Start("restore-user", BusyChannel())) << pair.error;
        ASSERT_TRUE(pair.WaitBound(1, kBindTimeoutMs));
        // Logging off runs the same closing steps as the close box.
        ChooseAndClose(pair, Ending::kLogOff);
    }
    EXPECT_EQ(RegistryText(HKEY_LOCAL_MACHINE, L"SaveHide", L"Hide"), std::nullopt);
    EXPECT_EQ(RegistryText(HKEY_CURRENT_USER, L"SaveHide", L"Hide"), L"0");
    EXPECT_EQ(RegistryText(HKEY_CURRENT_USER, L"SaveStyle", L"Style"), L"2");
    EXPECT_EQ(RegistryText(HKEY_CURRENT_USER, L"Logfile", L"Log"), L"1");

    GamePair again;
    again.switch_logging_on = false;
    ASSERT_TRUE(again.Start("restore-user-2", BusyChannel())) << again.error;
    ExpectBackThenExit(again);
    EXPECT_EQ(RegistryText(HKEY_CURRENT_USER, L"SaveHide", L"Hide"), L"0");
}

// Each skin as a player sees it, with chat, users and a typed line; kept as screenshots.
TEST_F(SkinsE2E, EachSkinShowsItsPicturesAndPlacesSendAndWhisper) {
    GamePair pair;
    ASSERT_TRUE(pair.Start(
        "skins", {"channel Brood War USA-1", "join Rakkor\t0 RATS", "join Zeratul\t0 PX3W",
                  "join Fenix\t0 PXES", "join Tassadar\t0 RATS", "chatn 12"}))
        << pair.error;
    ASSERT_TRUE(pair.WaitBound(1, kBindTimeoutMs));
    pair.Script("chat \\x10Rakkor\\x10: anyone up for a 2v2 on Lost Temple?");
    pair.Script("chat \\x12Fenix: gl hf \\xe4\\xfc\\xdf \\x80");
    SetText(pair.Control(qv::kIdText4), "sure, invite me \xC3\xA4\xC3\xBC\xC3\x9F \xE2\x82\xAC");
    HWND main = pair.main();
    // The shots show a companion in use: the chat, the users and the channel's name.
    ASSERT_TRUE(WaitUntil([&] { return pair.View().find("gl hf") != std::string::npos; }, 10000));
    ASSERT_TRUE(WaitUntil(
        [&] { return e2e::ShownRows(pair.Control(qv::kIdListBoxFX1)).size() == 4; }, 10000));
    ASSERT_TRUE(WaitUntil([&] { return e2e::ChannelNameShown(main); }, 10000));
    ASSERT_TRUE(WaitUntil([&] { return ShownLook(main) == Look::kStarcraft; }, 5000));
    ExpectPlaces(main, {501, 502, 29});

    PickMenu(main, "Blue Style");
    EXPECT_TRUE(WaitUntil([&] { return ShownLook(main) == Look::kBlue; }, 5000));
    ExpectPlaces(main, {497, 498, 28});
    EXPECT_TRUE(e2e::SaveCompanionScreenshot(L"skin-blue.bmp", main));

    PickMenu(main, "Silver Style");
    EXPECT_TRUE(WaitUntil([&] { return ShownLook(main) == Look::kSilver; }, 5000));
    ExpectPlaces(main, {496, 497, 28});
    EXPECT_TRUE(e2e::SaveCompanionScreenshot(L"skin-silver.bmp", main));

    // Back to the design-time look.
    PickMenu(main, "Starcraft Style");
    EXPECT_TRUE(WaitUntil([&] { return ShownLook(main) == Look::kStarcraft; }, 5000));
    ExpectPlaces(main, {501, 502, 29});
    EXPECT_TRUE(e2e::SaveCompanionScreenshot(L"skin-starcraft.bmp", main));
    EXPECT_EQ(RegistryText(HKEY_LOCAL_MACHINE, L"SaveStyle", L"Style"), L"1");
    EXPECT_TRUE(pair.Answers(2000));
}

}  // namespace
