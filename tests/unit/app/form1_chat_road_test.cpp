// The road of a chat line through the whole main window: the game's row, the pump, the
// processor, the view and the day's log, with the start-up restore before it.
#include <gtest/gtest.h>

#include "app/form1.h"
#include "sim/sim_game.h"
#include "sim/sim_platform.h"

namespace qv {
namespace {

class ChatRoad : public ::testing::Test {
  protected:
    void Start() {
        form = std::make_unique<Form1>(world.platform, world.chat_view);
        form->Start();
    }
    std::string LogFile() const {
        return world.files.program_folder + "/Log/12-06-2026-LogFile.txt";
    }

    SimWorld world;
    std::unique_ptr<Form1> form;
};

TEST_F(ChatRoad, FirstRunKeepsTheDesignStateAndRendersTheTone) {
    Start();
    world.clock.Advance(1);
    EXPECT_FALSE(form->Timer11.Enabled());
    EXPECT_FALSE(form->log_switch.EnabChecked());
    EXPECT_TRUE(form->log_switch.DisabChecked());
    EXPECT_EQ(form->form["Check1"].Value(), 1);
    EXPECT_EQ(form->AlertToneImage_.size(), 176444u);
    EXPECT_TRUE(world.settings.values.empty()) << "a first run writes nothing";
}

TEST_F(ChatRoad, StoredSwitchesAreRestoredAndBadValuesLeaveTheDesignState) {
    world.settings.values["Logfile\\Log"] = "1";
    world.settings.values["SaveHide\\Hide"] = "0";
    Start();
    world.clock.Advance(1);
    EXPECT_TRUE(form->log_switch.EnabChecked());
    EXPECT_EQ(form->form["Check1"].Value(), 0);

    SimWorld other;
    other.settings.values["Logfile\\Log"] = "yes";
    other.settings.values["SaveHide\\Hide"] = "7";
    Form1 f(other.platform, other.chat_view);
    f.Start();
    other.clock.Advance(1);
    EXPECT_FALSE(f.log_switch.EnabChecked());
    EXPECT_EQ(f.form["Check1"].Value(), 1);
}

TEST_F(ChatRoad, GameRowsReachTheViewInColourAndTheLogWithoutTags) {
    world.settings.values["Logfile\\Log"] = "1";
    world.local_clock.now = {2026, 12, 6, 20, 0, 0};
    SimGame game(world.windows);
    game.AddChatRow(
        "\x10"
        "Bob\x10: hi there");
    Start();
    world.clock.Advance(555 + 50 + 200);
    game.AddChatRow(
        "\x12"
        "Fenix: gg");
    world.clock.Advance(200);

    const auto& paragraphs = world.chat_view.paragraphs;
    ASSERT_EQ(paragraphs.size(), 7u);  // one backlog row, five welcome lines, one new row
    EXPECT_EQ(paragraphs[0], (ColouredText{{"Bob: hi there ", kColourWhite}}));
    EXPECT_EQ(paragraphs[6], (ColouredText{{"Fenix: gg ", kColourGree}}));
    EXPECT_EQ(world.files.files[LogFile()],
              "Bob: hi there\r\n"
              "20:00:00: Welcome to the Quorvane Starcraft Chat\r\n"
              "20:00:00: For updates visit\r\n"
              "20:00:00: quorvane.example.net/starcraft-chat\r\n"
              "20:00:00: This programm was made by\r\n"
              "20:00:00: Dunmarrow aka Dunmarrow]Zelk[\r\n"
              "Fenix: gg\r\n");
    EXPECT_TRUE(form->pump.Timer2.Enabled());
    EXPECT_EQ(form->Text11.Get(), "");
}

TEST_F(ChatRoad, AccentedLettersReachTheViewWholeAndTheLogInTheCodePage) {
    world.settings.values["Logfile\\Log"] = "1";
    SimGame game(world.windows);
    // Backlog rows: the letter at the start, in the middle, at the very end; an undefined byte.
    game.AddChatRow(
        "\x10\xC3\x84gir\x11: Gr\xC3\xBC\xC3\x9F"
        "e");  // Ägir: Grüße
    game.AddChatRow("\x10J\xC3\xBCrgen\x11: 5 \xE2\x82\xAC f\xC3\xBCr das \xC3\xA4");  // ... ä
    game.AddChatRow("\x12odd \xC2\x81 byte\xC2\x9D");
    Start();
    world.clock.Advance(555 + 50 + 200);
    game.AddChatRow("\x10Z\xC3\xA9ro\x11: na\xC3\xAFve \xC3\xBF");  // Zéro: naïve ÿ
    world.clock.Advance(200);

    const auto& paragraphs = world.chat_view.paragraphs;
    ASSERT_EQ(paragraphs.size(), 9u);
    EXPECT_EQ(paragraphs[0], (ColouredText{{"\xC3\x84gir", kColourWhite},
                                           {": Gr\xC3\xBC\xC3\x9F"
                                            "e ",
                                            kColourGrey}}));
    EXPECT_EQ(paragraphs[1][1].text, ": 5 \xE2\x82\xAC f\xC3\xBCr das \xC3\xA4 ");
    EXPECT_EQ(paragraphs[2][0].text, "odd \xC2\x81 byte\xC2\x9D ");
    EXPECT_EQ(paragraphs[8][1].text, ": na\xC3\xAFve \xC3\xBF ");
    const std::string log = world.files.files[LogFile()];
    const std::string backlog =
        "\xC4gir: Gr\xFC\xDF"
        "e\r\n"
        "J\xFCrgen: 5 \x80 f\xFCr das \xE4\r\n"
        "odd \x81 byte\x9D\r\n";
    EXPECT_EQ(log.substr(0, backlog.size()), backlog);
    EXPECT_NE(log.find("Z\xE9ro: na\xEFve \xFF\r\n"), std::string::npos);
}

TEST_F(ChatRoad, AnAccentedAlertWordMatchesWhateverItsCase) {
    SimGame game(world.windows);
    Start();
    form->name_alert.form["Text1"].SetText("j\xC3\xBCrgen");  // jürgen
    form->name_alert.form["Text2"].SetText("\xC3\xBF");  // ÿ, whose capital lies outside Latin-1
    form->Label11.Set("Enabled");
    world.clock.Advance(555 + 50 + 200);
    game.AddChatRow(
        "\x10"
        "Bob\x11: hallo J\xC3\x9CRGEN");  // JÜRGEN
    world.clock.Advance(200);
    EXPECT_FALSE(world.sound.plays.empty());
    const size_t plays = world.sound.plays.size();
    game.AddChatRow(
        "\x10"
        "Bob\x11: \xC5\xB8");  // Ÿ
    world.clock.Advance(200);
    EXPECT_GT(world.sound.plays.size(), plays);
}

TEST_F(ChatRoad, AlertPlaysOnlyForNewLinesWhileEnabled) {
    SimGame game(world.windows);
    game.AddChatRow(
        "\x10"
        "bob\x11: backlog mentions bob");
    Start();
    form->name_alert.form["Text1"].SetText("bob");
    form->Label11.Set("Enabled");
    world.clock.Advance(555 + 50 + 200);
    EXPECT_TRUE(world.sound.plays.empty()) << "backlog rows of a small game are not tested";
    game.AddChatRow(
        "\x10"
        "Alice\x11: hey bob");
    world.clock.Advance(200);
    ASSERT_FALSE(world.sound.plays.empty());
    EXPECT_EQ(world.sound.plays[0].size, 176444u);
    EXPECT_EQ(world.sound.plays[0].flags, kSoundAsync | kSoundMemory);
    const size_t plays = world.sound.plays.size();
    form->Label11.Set("Disabled");
    game.AddChatRow(
        "\x10"
        "Alice\x11: bob again");
    world.clock.Advance(200);
    EXPECT_EQ(world.sound.plays.size(), plays);
}

TEST_F(ChatRoad, OfflineFriendLinesAreHiddenWhileTheBoxIsTicked) {
    SimGame game(world.windows);
    Start();
    world.clock.Advance(555 + 50 + 200);
    const size_t shown = world.chat_view.paragraphs.size();
    game.AddChatRow("\x12Your friend Tassadar, offline");
    world.clock.Advance(200);
    EXPECT_EQ(world.chat_view.paragraphs.size(), shown);
    form->form["Check1"].SetValue(0);
    game.AddChatRow("\x12Your friend Tassadar, offline");
    world.clock.Advance(200);
    EXPECT_EQ(world.chat_view.paragraphs.size(), shown + 1);
}

// A pass draws the view once, however many rows it brings. The view keeps its newest rows;
// while a mouse button is held in it, none leave, so the player's selection keeps its text.
TEST_F(ChatRoad, APassDrawsOnceAndTheViewKeepsItsNewestRows) {
    SimGame game(world.windows);
    Start();
    world.clock.Advance(555 + 50 + 200);
    auto& view = world.chat_view;
    const int draws = view.draws;
    const size_t shown = view.paragraphs.size();
    for (const char* row : {"\x12one", "\x12two", "\x12three"}) game.AddChatRow(row);
    world.clock.Advance(200);
    ASSERT_EQ(view.paragraphs.size(), shown + 3);
    EXPECT_EQ(view.draws, draws + 1);

    auto row = [](int i) { return "\x12row " + std::to_string(i); };
    auto shown_row = [](int i) {
        return ColouredText{{"row " + std::to_string(i) + " ", kColourGree}};
    };
    int next = 0;
    auto add_rows = [&](size_t count) {
        for (size_t i = 0; i < count; ++i) game.AddChatRow(row(next++));
        world.clock.Advance(200);
    };
    // One row short of the spare rows, the view keeps everything; the row that fills them
    // takes it back to its newest rows.
    const size_t full = size_t{kChatViewRows + kChatViewSpareRows};
    const ColouredText oldest = view.paragraphs.front();
    add_rows(full - 1 - view.paragraphs.size());
    ASSERT_EQ(view.paragraphs.size(), full - 1);
    EXPECT_EQ(view.paragraphs.front(), oldest);
    add_rows(1);
    ASSERT_EQ(view.paragraphs.size(), size_t{kChatViewRows});
    EXPECT_EQ(view.paragraphs.back(), shown_row(next - 1));
    EXPECT_EQ(view.paragraphs.front(), shown_row(next - kChatViewRows));

    add_rows(full - 1 - view.paragraphs.size());
    ASSERT_EQ(view.paragraphs.size(), full - 1);
    form->auto_scroll.SuspendAutoScroll();
    view.selection_start = 20;
    view.selection_length = 4;
    const ColouredText first = view.paragraphs.front();
    add_rows(1);
    EXPECT_EQ(view.paragraphs.size(), full);
    EXPECT_EQ(view.paragraphs.front(), first);
    EXPECT_EQ(view.selection_start, 20);
    EXPECT_EQ(view.selection_length, 4);

    form->auto_scroll.ResumeAutoScroll();
    add_rows(1);
    ASSERT_EQ(view.paragraphs.size(), size_t{kChatViewRows});
    EXPECT_EQ(view.paragraphs.back(), shown_row(next - 1));
    EXPECT_EQ(view.paragraphs.front(), shown_row(next - kChatViewRows));
    EXPECT_EQ(view.selection_start, view.TextLength()) << "the view follows its end";
}

TEST_F(ChatRoad, LeavingTheChatScreenEmptiesTheViewAndAFreshBindingStartsIt) {
    SimGame game(world.windows);
    game.AddChatRow(
        "\x10"
        "Bob\x10: first");
    Start();
    world.clock.Advance(900);
    ASSERT_FALSE(world.chat_view.paragraphs.empty());
    game.LeaveChatScreen();
    // Noticed at the first check after the next listing of the descendants.
    world.clock.Advance(1200);
    EXPECT_TRUE(world.chat_view.paragraphs.empty());
    game.EnterChatScreen();
    world.clock.Advance(2000);
    ASSERT_FALSE(world.chat_view.paragraphs.empty());
    // The new binding's backlog: the old row, the first welcome lines, and new welcome lines.
    EXPECT_EQ(world.chat_view.paragraphs[0][0].text, "Bob: first ");
    EXPECT_EQ(game.ChatList().rows.size(), 11u);
}

}  // namespace
}  // namespace qv
