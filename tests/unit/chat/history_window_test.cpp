// The message history window Form6 on the sim: Load, the colour steps, the display 1.5 s later
// with the history renderer on the view itself, Save, and the rescale at every size change.
#include "chat/history_window.h"

#include <gtest/gtest.h>

#include "chat/colour_renderer.h"
#include "sim/sim_game.h"
#include "sim/sim_history_view.h"
#include "sim/sim_platform.h"

namespace qv {
namespace {

class HistoryWindowTest : public ::testing::Test {
  protected:
    HistoryWindowTest() : game(world.windows) {
        boxes.list.Set(std::to_string(game.Control(9)));
        form.hWnd = 4242;
        form.Form_Load(kHistoryClientWidth, kHistoryClientHeight);
        state.Show();
        form.Form_Resize(kHistoryClientWidth, kHistoryClientHeight);
    }

    void Rows(std::initializer_list<std::string> rows) {
        game.ChatList().rows.assign(rows.begin(), rows.end());
    }
    std::string Text1() { return state["Text1"].Text(); }
    ControlRect Bounds(const char* name) { return state[name].Bounds(); }
    std::string File() { return world.files.files[world.files.current_folder + "/StarcraftLOG.rtf"]; }

    SimWorld world;
    SimGame game;
    HandleBoxes boxes;
    FormState state{Form6Layout()};
    SimHistoryView view;
    Form6 form{world.platform, boxes, state, view};
};

TEST_F(HistoryWindowTest, ThreeRowsGiveThreeLinesEachWithCrLf) {
    Rows({"first", "second", "third"});
    state["Command1"].Click();
    EXPECT_EQ(Text1(), "first\r\nsecond\r\nthird\r\n");
    EXPECT_TRUE(form.Timer1.Enabled());
    EXPECT_EQ(view.plain_sets, 0) << "the view waits for the display step";
}

TEST_F(HistoryWindowTest, ColourCodesBecomeTagsAndTheViewShowsThem1500MsLater) {
    Rows({"\x13" "12:00:01: \x1b" "Welcome", "\x10\x10" "Bob\x11: hi \x12green"});
    state["Command1"].Click();
    EXPECT_EQ(Text1(),
              "\x08Gel 12:00:01: \x08Red Welcome\r\n\x08White Bob\x08Grey : hi \x08Gree green\r\n");
    world.clock.Advance(1499);
    EXPECT_EQ(view.plain_sets, 0);
    world.clock.Advance(1);
    EXPECT_FALSE(form.Timer1.Enabled());
    EXPECT_EQ(view.plain_sets, 1);
    EXPECT_EQ(view.coloured, 1) << "the renderer's own edit does not start it again";
    EXPECT_EQ(view.Text(), "12:00:01: Welcome\r\nBob: hi green\r\n ");
    const ColouredText expected = {
        {"12:00:01: ", kColourGel}, {"Welcome\r\n", kColourRed}, {"Bob", kColourWhite},
        {": hi ", kColourGrey},     {"green\r\n ", kColourGree},
    };
    EXPECT_EQ(view.runs, expected);
}

TEST_F(HistoryWindowTest, U0017StaysInTheHistoryAndItsView) {
    Rows({"\x10" "a\x17" "b"});
    state["Command1"].Click();
    EXPECT_EQ(Text1(), "\x08White a\x17" "b\r\n");
    world.clock.Advance(1500);
    EXPECT_EQ(view.Text(), "a\x17" "b\r\n ");
    EXPECT_EQ(view.runs, (ColouredText{{"a\x17" "b\r\n ", kColourWhite}}));
}

TEST_F(HistoryWindowTest, TagsNextToEachOtherGoAndEachColoursUpToTheNextMarker) {
    Rows({"\x10\x12" "abc", "pre \x08Pink x \x08Gr y"});
    state["Command1"].Click();
    world.clock.Advance(1500);
    // The White tag colours nothing but itself; the Gree span runs into the next row, up to
    // the unknown marker, which stays; "\x08Gr" is in the tag list, so it goes.
    // A marker that is no tag keeps its span's colour: the view's default.
    EXPECT_EQ(view.Text(), "abc\r\npre \x08Pink x y\r\n ");
    const ColouredText expected = {{"abc\r\npre ", kColourGree},
                                   {"\x08Pink x y\r\n ", kHistoryTextColour}};
    EXPECT_EQ(view.runs, expected);
}

TEST_F(HistoryWindowTest, ChatTextGoesInAsPlainTextWhateverItHolds) {
    Rows({"{\\rtf1\\ansi {\\b bold}} J\xc3\xbcrgen \xe2\x82\xac \\par"});
    state["Command1"].Click();
    world.clock.Advance(1500);
    EXPECT_EQ(view.Text(), "{\\rtf1\\ansi {\\b bold}} J\xc3\xbcrgen \xe2\x82\xac \\par\r\n");
    EXPECT_EQ(view.coloured, 0) << "no marker: the renderer stops before any edit";
    EXPECT_EQ(view.runs.size(), 1u);
    EXPECT_EQ(view.runs[0].colour, kHistoryTextColour);
}

TEST_F(HistoryWindowTest, TheDisplayIsTimedFromTheFirstRowAndComesOnce) {
    Rows({"\x10one"});
    state["Command1"].Click();
    world.clock.Advance(1000);
    Rows({"\x10two", "\x10three"});
    state["Command1"].Click();  // Timer1 is running: it keeps its period
    world.clock.Advance(500);
    EXPECT_EQ(view.plain_sets, 1);
    EXPECT_EQ(view.Text(), "two\r\nthree\r\n ");
    world.clock.Advance(5000);
    EXPECT_EQ(view.plain_sets, 1) << "one display for both loads";
}

TEST_F(HistoryWindowTest, LoadingAgainReplacesTheTextAndLaterTheView) {
    Rows({"\x10old"});
    state["Command1"].Click();
    world.clock.Advance(1500);
    Rows({"\x11new"});
    state["Command1"].Click();
    EXPECT_EQ(Text1(), "\x08Grey new\r\n");
    EXPECT_EQ(view.Text(), "old\r\n ") << "until the display step";
    world.clock.Advance(1500);
    EXPECT_EQ(view.Text(), "new\r\n ");
}

TEST_F(HistoryWindowTest, NoBoundChatListEmptiesTheHistoryAndLaterTheView) {
    // Empty before: nothing runs at all.
    boxes.list.Set("0");
    state["Command1"].Click();
    EXPECT_FALSE(form.Timer1.Enabled());
    EXPECT_EQ(Text1(), "");
    // Not empty before: emptying it runs the conversion once, and the view empties later.
    boxes.list.Set(std::to_string(game.Control(9)));
    Rows({"\x10shown"});
    state["Command1"].Click();
    world.clock.Advance(1500);
    ASSERT_EQ(view.Text(), "shown\r\n ");
    boxes.list.Set("0");
    state["Command1"].Click();
    EXPECT_EQ(Text1(), "");
    EXPECT_TRUE(form.Timer1.Enabled());
    world.clock.Advance(1500);
    EXPECT_EQ(view.Text(), "");
}

TEST_F(HistoryWindowTest, EachRowIsReadFromTheListBoxAsReadListBoxItemDoes) {
    Rows({"a", "b\xc3\xa4", "c"});
    world.windows.log.clear();
    state["Command1"].Click();
    const WindowHandle list = game.Control(9);
    int count = 0;
    for (const std::string& line : world.windows.log) {
        count += line == "LB_GETCOUNT " + std::to_string(list);
    }
    EXPECT_EQ(count, 1) << "the count is taken once";
    EXPECT_EQ(game.ChatList().length_queries, 3);
    EXPECT_EQ(game.ChatList().text_queries, 3);
    EXPECT_EQ(Text1(), "a\r\nb\xc3\xa4\r\nc\r\n");
}

TEST_F(HistoryWindowTest, RowsThatCannotBeReadStayEmptyWithTheirCrLf) {
    Rows({"one", "two", "three"});
    // A row that vanishes between the count and its read reads as empty.
    world.windows.BeforeNextGetText([&] { game.ChatList().rows.resize(1); });
    state["Command1"].Click();
    EXPECT_EQ(Text1(), "one\r\n\r\n\r\n");
}

TEST_F(HistoryWindowTest, RowsAreReadWhileTheGameAnswersAndAGameSilentFor2SecondsIsLeft) {
    Rows({"one", "two", "three", "four"});
    // One answer comes too late (the wait costs 1 s); then the game answers at once again.
    world.windows.on_no_answer = [&](WindowHandle) {
        world.clock.Elapse(1000);
        game.ChatList().silent = false;
    };
    world.windows.BeforeNextGetText([&] { game.ChatList().silent = true; });
    state["Command1"].Click();
    EXPECT_EQ(Text1(), "\r\ntwo\r\nthree\r\nfour\r\n");

    // A game that hangs: the first wait costs 1 s, each later short question 50 ms.
    game.ChatList().rows.assign(100, "row");
    game.ChatList().length_queries = 0;
    int waits = 0;
    world.windows.on_no_answer = [&](WindowHandle) { world.clock.Elapse(waits++ ? 50 : 1000); };
    world.windows.BeforeNextGetText([&] { game.ChatList().silent = true; });
    const int64_t start = world.clock.Now();
    state["Command1"].Click();
    EXPECT_EQ(world.clock.Now() - start, kHistorySilenceLimitMs) << "the window was held 2 s";
    EXPECT_EQ(game.ChatList().length_queries, 21) << "row 0, then 20 short questions";
    std::string empty_rows;
    for (int i = 0; i < 100; ++i) empty_rows += "\r\n";
    EXPECT_EQ(Text1(), empty_rows);
}

TEST_F(HistoryWindowTest, SaveWritesTheRtfDocumentFollowedByCrLfAndOverwrites) {
    Rows({"\x10" "first {x}"});
    state["Command1"].Click();
    world.clock.Advance(1500);
    state["Command2"].Click();
    EXPECT_EQ(File(), view.RtfDocument() + "\r\n");
    Rows({"\x10second"});
    state["Command1"].Click();
    world.clock.Advance(1500);
    state["Command2"].Click();
    state["Command2"].Click();
    EXPECT_EQ(File(), view.RtfDocument() + "\r\n");
    EXPECT_EQ(File().find("first"), std::string::npos);
    EXPECT_TRUE(world.dialogs.shown.empty());
}

TEST_F(HistoryWindowTest, SaveInTheRootFolderNamesOneSeparator) {
    world.files.current_folder = "C:/";
    world.files.folders.push_back("C:");
    state["Command2"].Click();
    EXPECT_EQ(world.files.files.count("C:/StarcraftLOG.rtf"), 1u);
}

TEST_F(HistoryWindowTest, AFailedSaveTellsThePlayerTheFileAndTheReasonAndChangesNothing) {
    const std::string path = world.files.current_folder + "/StarcraftLOG.rtf";
    world.files.files[path] = "old content";
    world.files.refusals[path] = "Access is denied.";
    Rows({"\x10kept"});
    state["Command1"].Click();
    world.clock.Advance(1500);
    const std::string text_before = Text1();
    const ColouredText view_before = view.runs;
    state["Command2"].Click();
    ASSERT_EQ(world.dialogs.shown.size(), 1u);
    const SimDialogs::Message& message = world.dialogs.shown[0];
    EXPECT_EQ(message.owner, 4242);
    EXPECT_EQ(message.title, "Message History");
    EXPECT_NE(message.text.find(path), std::string::npos) << message.text;
    EXPECT_NE(message.text.find("Access is denied."), std::string::npos);
    EXPECT_EQ(world.files.files[path], "old content");
    EXPECT_EQ(Text1(), text_before);
    EXPECT_EQ(view.runs, view_before);
    EXPECT_FALSE(form.Timer1.Enabled());
    // A folder that is gone is told the same way.
    world.files.current_folder = "C:/Gone";
    state["Command2"].Click();
    ASSERT_EQ(world.dialogs.shown.size(), 2u);
    EXPECT_NE(world.dialogs.shown[1].text.find("C:/Gone/StarcraftLOG.rtf"), std::string::npos);
}

TEST_F(HistoryWindowTest, TheDesignLayoutIsRecordedOnLoad) {
    const std::vector<ControlLayout>& layout = form.Layout();
    ASSERT_EQ(layout.size(), 7u) << "six controls and the timer";
    EXPECT_EQ(layout[0], (ControlLayout{120, 120, 8895, 6615, 8370, 9120, 10}));
    EXPECT_EQ(layout[1], (ControlLayout{6840, 120, 8895, 375, 8370, 9120, 8}));
    EXPECT_EQ(layout[2], (ControlLayout{7320, 120, 8895, 495, 8370, 9120, 0})) << "no font";
    EXPECT_EQ(layout[3], (ControlLayout{7440, 240, 8895, 375, 8370, 9120, 8}));
    EXPECT_EQ(layout[4], (ControlLayout{7920, 120, 8895, 375, 8370, 9120, 8}));
    EXPECT_EQ(layout[5], (ControlLayout{2280, 5040, 3135, 3375, 8370, 9120, 8}));
    EXPECT_EQ(layout[6].Width, 0);
    EXPECT_EQ(layout[6].Height, 0);
    EXPECT_EQ(layout[6].FontSize, 0);
    EXPECT_EQ(layout[6].ParentScaleWidth, 9120);
}

TEST_F(HistoryWindowTest, HalfTheWidthHalvesLeftAndWidthAndKeepsTopAndHeight) {
    form.Form_Resize(304, 558);
    EXPECT_EQ(Bounds("RichTextBox1"), (ControlRect{4, 8, 296, 441}));
    EXPECT_EQ(Bounds("Command1"), (ControlRect{4, 456, 296, 25}));
    EXPECT_EQ(Bounds("Label1"), (ControlRect{8, 496, 296, 25}));
    EXPECT_EQ(Bounds("Text1"), (ControlRect{168, 152, 104, 225})) << "hidden ones too";
}

TEST_F(HistoryWindowTest, NoInnerSizeGivesSizeZeroAndTheNextSizeRestoresTheLayout) {
    form.Form_Resize(0, 0);
    for (const auto& control : state.Controls()) {
        EXPECT_EQ(control->Bounds(), (ControlRect{0, 0, 0, 0})) << control->Name();
    }
    form.Form_Resize(1216, 1116);
    EXPECT_EQ(Bounds("RichTextBox1"), (ControlRect{16, 16, 1186, 882}));
    form.Form_Resize(608, 558);
    EXPECT_EQ(Bounds("RichTextBox1"), (ControlRect{8, 8, 593, 441}));
    EXPECT_EQ(Bounds("Command2"), (ControlRect{8, 528, 593, 25}));
}

TEST_F(HistoryWindowTest, RepeatedResizingDoesNotDrift) {
    for (int i = 0; i < 200; ++i) form.Form_Resize(97 + (i * 37) % 900, 61 + (i * 53) % 700);
    form.Form_Resize(608, 558);
    const FormSpec design = Form6Layout();
    for (size_t i = 0; i < design.controls.size(); ++i) {
        const ControlSpec& c = design.controls[i];
        EXPECT_EQ(state.Controls()[i]->Bounds(), (ControlRect{c.left, c.top, c.width, c.height}))
            << c.name;
    }
}

TEST_F(HistoryWindowTest, ClosingStopsTheDisplayStep) {
    Rows({"\x10late"});
    state["Command1"].Click();
    form.Form_Unload();
    world.clock.Advance(3000);
    EXPECT_EQ(view.plain_sets, 0);
}

}  // namespace
}  // namespace qv
