// The main window's idle hand-off paths and its loading note, driven on the virtual clock.
// Nothing in normal use feeds these paths, so the tests write the hidden boxes and switch the
// timers on themselves, as a caller of the main window would.
#include <gtest/gtest.h>

#include <algorithm>

#include "unit/form_fixture.h"

namespace qv {
namespace {

// "ä" U+0012 "Grün €ÿ": 14 bytes, 9 UTF-16 units.
constexpr const char* kCp1252Block = "\xc3\xa4\x12Gr\xc3\xbcn \xe2\x82\xac\xc3\xbf";
constexpr int kCp1252BlockUnits = 9;

class IdlePaths : public FormFixture {
  protected:
    // The main window without its Load steps, so no scan or reset touches the view.
    void Build() { form = std::make_unique<Form1>(world.platform, world.chat_view); }
    IdleHandOffPaths& Idle() { return form->idle; }
    std::string View() { return world.chat_view.Text(); }
    // A block of `lines` lines joined by CR LF, each in green.
    static std::string Block(int lines) {
        std::string block;
        for (int i = 0; i < lines; ++i) block += (i ? "\r\n\x12" : "\x12") + std::to_string(i);
        return block;
    }
};

TEST_F(IdlePaths, OnlyTimeraRunsFromLoadAndItPollsTwoEmptyTextsForever) {
    StartForm();
    EXPECT_TRUE(Idle().Timera.Enabled());
    EXPECT_EQ(Idle().Timera.Interval(), 100);
    for (Timer* t : {&Idle().Timer3, &Idle().Timerlol, &Idle().Timer7, &Idle().Timer33}) {
        EXPECT_FALSE(t->Enabled()) << t->Name();
    }
    EXPECT_EQ(Idle().Timer3.Interval(), 200);
    EXPECT_EQ(Idle().Timerlol.Interval(), 50);
    EXPECT_EQ(Idle().Timer7.Interval(), 200);
    EXPECT_EQ(Idle().Timer33.Interval(), 600);
    world.clock.Advance(3000);
    EXPECT_TRUE(Idle().Timera.Enabled());
    EXPECT_EQ(Idle().Text8.Get(), "");
    EXPECT_EQ(Idle().texta.Get(), "");
}

TEST_F(IdlePaths, BlockTravelsFromText2ThroughText1AndText7IntoTheView) {
    Build();
    Idle().Text2.Set(kCp1252Block);
    EXPECT_TRUE(Idle().Timer3.Enabled());
    world.clock.Advance(150);
    Idle().Text2.Set(std::string(kCp1252Block) + "!");  // re-arming keeps the period
    world.clock.Advance(49);
    EXPECT_EQ(Idle().Text1.Get(), "");
    world.clock.Advance(1);
    EXPECT_EQ(Idle().Text1.Get(), std::string(kCp1252Block) + "!");
    EXPECT_FALSE(Idle().Timer3.Enabled());
    EXPECT_TRUE(Idle().Timerlol.Enabled());
    EXPECT_EQ(Idle().Text7.Get(), "");

    world.clock.Advance(50);
    EXPECT_EQ(Idle().Text7.Get(), std::string(kCp1252Block) + "!");
    EXPECT_EQ(Idle().Text1_SelStart, kCp1252BlockUnits + 1) << "caret after the last character";
    EXPECT_FALSE(Idle().Timerlol.Enabled());
    ASSERT_EQ(world.chat_view.paragraphs.size(), 1u);
    EXPECT_EQ(world.chat_view.paragraphs[0],
              (ColouredText{{"\xc3\xa4", kStagingTextColour},
                            {"Gr\xc3\xbcn \xe2\x82\xac\xc3\xbf! ", kColourGree}}));
    EXPECT_TRUE(form->pump.Timer2.Enabled()) << "a shown text switches the pump on";
    world.clock.Advance(2000);
    EXPECT_EQ(world.chat_view.paragraphs.size(), 1u) << "both timers are off again";
}

TEST_F(IdlePaths, TimersKeepPollingWhileTheirTwoTextsAreEqual) {
    Build();
    Idle().Text2.Set("a");
    Idle().Text1.Set("a");  // equal before Timer3's first tick; Timerlol is armed by it
    world.clock.Advance(50);
    EXPECT_EQ(Idle().Text7.Get(), "a");
    EXPECT_FALSE(Idle().Timerlol.Enabled());
    world.clock.Advance(1000);
    EXPECT_TRUE(Idle().Timer3.Enabled()) << "Text1 equals Text2: Timer3 keeps polling";

    Idle().Text2.Set("c");  // t = 1050; the polling Timer3 comes at 1200
    world.clock.Advance(149);
    EXPECT_EQ(Idle().Text1.Get(), "a");
    world.clock.Advance(1 + 50);
    EXPECT_EQ(Idle().Text1.Get(), "c");
    EXPECT_EQ(Idle().Text7.Get(), "c");
    EXPECT_EQ(Idle().Text1_SelStart, 1);
    EXPECT_FALSE(Idle().Timer3.Enabled());
    EXPECT_FALSE(Idle().Timerlol.Enabled());

    Idle().Text1.Set("b");  // Timerlol on, but Text7 already equals Text2
    Idle().Text1_SelStart = 0;
    world.clock.Advance(500);
    EXPECT_TRUE(Idle().Timerlol.Enabled()) << "Text7 equals Text2: Timerlol keeps polling";
    EXPECT_EQ(Idle().Text1_SelStart, 0);
}

TEST_F(IdlePaths, Text7TakesBlocksOfAtMostEightyLines) {
    Build();
    Idle().Text7.Set(Block(81));
    EXPECT_TRUE(world.chat_view.paragraphs.empty());
    Idle().Text7.Set(Block(80) + "\r\n");  // a closing CR LF makes an 81st, empty line
    EXPECT_TRUE(world.chat_view.paragraphs.empty());
    Idle().Text7.Set(Block(80));
    ASSERT_EQ(world.chat_view.paragraphs.size(), 1u);
    EXPECT_EQ(View().substr(0, 4), "0\r\n1");
    EXPECT_EQ(View().substr(View().size() - 4), "\n79 ");
    Idle().Text7.Set("one\ntwo\rthree");  // only CR LF splits lines
    EXPECT_EQ(world.chat_view.paragraphs.size(), 1u) << "no tag, nothing shown";
}

TEST_F(IdlePaths, BlockGetsTheLineColoursExceptU0017) {
    Build();
    Idle().Text7.Set(
        "\x17kept\x10\x10w\x12g\x1ay\x14"
        "b\r\n\x10W\x11gr\x1br\x13gel\x15\x10\x10\x10x");
    ASSERT_EQ(world.chat_view.paragraphs.size(), 1u);
    EXPECT_EQ(world.chat_view.paragraphs[0], (ColouredText{
                                                 {"\x17kept", kStagingTextColour},
                                                 {"w", kColourWhite},
                                                 {"g", kColourGree},
                                                 {"y", kColourYell},
                                                 {"b\r\n", kColourBlue},
                                                 {"W", kColourWhite},
                                                 {"gr", kColourGrey},
                                                 {"r", kColourRed},
                                                 {"gel\x15", kColourGel},
                                                 {"x ", kColourWhite},
                                             }));
}

TEST_F(IdlePaths, Timer7ReadsTheGameLastHundredFiftyRowsForTexta) {
    SimGame game(world.windows);
    for (int i = 0; i < 195; ++i)
        game.AddChatRow("r" + std::to_string(i) + " \xc3\xbc\xe2\x82\xac");
    Build();
    form->boxes.list.Set(Handle(game.Control(9)));  // adds the five welcome lines: 200 rows
    Idle().Timer7.SetEnabled(true);
    world.clock.Advance(200);
    std::string expected;
    for (int row = 50; row < 200; ++row) {
        expected += game.ChatList().rows[static_cast<size_t>(row)] + "\r\n";
    }
    EXPECT_EQ(Idle().texta.Get(), expected);
    EXPECT_TRUE(Idle().Timera.Enabled()) << "texta's change switches Timera on";
    EXPECT_EQ(Idle().Text8.Get(), "");
    world.clock.Advance(100);
    EXPECT_EQ(Idle().Text8.Get(), expected);
    EXPECT_FALSE(Idle().Timera.Enabled());
    EXPECT_TRUE(Idle().Timer7.Enabled()) << "Timer7 keeps reading";

    game.AddChatRow("new");
    world.clock.Advance(200);
    EXPECT_EQ(Idle().texta.Get().substr(0, 5), "r51 \xc3");
    EXPECT_EQ(Idle().texta.Get().substr(Idle().texta.Get().size() - 5), "new\r\n");
}

TEST_F(IdlePaths, ASmallOrUnboundListGivesOnlyItsRows) {
    SimGame game(world.windows);
    game.AddChatRow("only");
    Build();
    Idle().Timer7.SetEnabled(true);
    world.clock.Advance(200);
    EXPECT_EQ(Idle().texta.Get(), "") << "unbound: no rows";
    form->boxes.list.Set(Handle(game.Control(9)));
    world.clock.Advance(200);
    EXPECT_EQ(Idle().texta.Get().substr(0, 6), "only\r\n");
    EXPECT_EQ(std::count(Idle().texta.Get().begin(), Idle().texta.Get().end(), '\n'), 6);
}

TEST_F(IdlePaths, TimeraCopiesTextaWithItsCaretAtTheEndAndHidesTheLoadingNote) {
    Build();
    ASSERT_TRUE(form->Text9.Visible.Get());
    Idle().texta.Set(kCp1252Block);
    world.clock.Advance(99);
    EXPECT_TRUE(form->Text9.Visible.Get());
    world.clock.Advance(1);
    EXPECT_EQ(Idle().Text8.Get(), kCp1252Block);
    EXPECT_EQ(Idle().Text8_SelStart, kCp1252BlockUnits);
    EXPECT_FALSE(form->Text9.Visible.Get()) << "Text8's change hides the loading note";
    EXPECT_TRUE(world.chat_view.paragraphs.empty());

    // Emptied from outside, Text8 is filled again only once Timera is switched on.
    form->boxes.text.Set("1234");
    EXPECT_EQ(Idle().Text8.Get(), "");
    world.clock.Advance(1000);
    EXPECT_EQ(Idle().Text8.Get(), "");
    Idle().EnableTimera();
    world.clock.Advance(100);
    EXPECT_EQ(Idle().Text8.Get(), kCp1252Block);
}

TEST_F(IdlePaths, ChatViewChangesHideTheLoadingNote) {
    Build();
    ASSERT_TRUE(form->Text9.Visible.Get());
    form->Text11.Set("no colour code");  // nothing shown, the view does not change
    EXPECT_TRUE(form->Text9.Visible.Get());
    form->Text11.Set("\x12shown");
    EXPECT_FALSE(form->Text9.Visible.Get());
}

TEST_F(IdlePaths, Timer33PutsTheStagingBoxContentInPlaceOfTheView) {
    Build();
    form->RichTextBox1.Replace("\x08Gree one");
    form->RichTextBox1.Replace("\x08Red two \x08Gel three");
    ASSERT_EQ(View(), "one \r\ntwo three ");
    Idle().Timer33.SetEnabled(true);
    world.clock.Advance(599);
    EXPECT_EQ(world.chat_view.paragraphs.size(), 2u);
    world.clock.Advance(1);
    ASSERT_EQ(world.chat_view.paragraphs.size(), 1u);
    EXPECT_EQ(world.chat_view.paragraphs[0],
              (ColouredText{{"two ", kColourRed}, {"three ", kColourGel}}));
    EXPECT_FALSE(Idle().Timer33.Enabled());
    EXPECT_EQ(world.chat_view.selection_start, 10) << "the view follows its end";

    // A processed offline line stays in the staging box untagged; a tagged line is emptied
    // out of it after it is shown.
    form->Text11.Set("\x12Your friend Tassadar, offline");
    Idle().Timer33.SetEnabled(true);
    world.clock.Advance(600);
    EXPECT_EQ(
        world.chat_view.paragraphs,
        (std::vector<ColouredText>{{{"\x12Your friend Tassadar, offline", kStagingTextColour}}}));
    form->Text11.Set(
        "\x12"
        "Fenix: gg");
    EXPECT_EQ(world.chat_view.paragraphs.size(), 2u);
    Idle().Timer33.SetEnabled(true);
    world.clock.Advance(600);
    EXPECT_TRUE(world.chat_view.paragraphs.empty());
}

}  // namespace
}  // namespace qv
