#include <gtest/gtest.h>

#include "unit/form_fixture.h"

namespace qv {
namespace {

class AttachScanTest : public FormFixture {
  protected:
    bool Bound(SimGame& game) const {
        return form->boxes.text.Get() == Handle(game.Control(0)) &&
               form->boxes.list.Get() == Handle(game.Control(9));
    }
};

TEST_F(AttachScanTest, BindsTheChatScreenAtTheFirstCandidateCheck) {
    world.windows.AddTopLevelAtBottom("Program Manager");
    SimGame game(world.windows);
    AddOwnWindow();
    StartForm();
    world.clock.Advance(554);
    EXPECT_EQ(form->boxes.list.Get(), "0");
    world.clock.Advance(1);
    ASSERT_TRUE(Bound(game));
    // Every box gets the control of its row in the chat screen.
    const HandleBoxes& b = form->boxes;
    EXPECT_EQ(b.handlekanal.Get(), Handle(game.Control(1)));
    EXPECT_EQ(b.handlefreunde.Get(), Handle(game.Control(2)));
    EXPECT_EQ(b.create.Get(), Handle(game.Control(3)));
    EXPECT_EQ(b.join.Get(), Handle(game.Control(4)));
    EXPECT_EQ(b.quit.Get(), Handle(game.Control(6)));
    EXPECT_EQ(b.channel.Get(), Handle(game.Control(7)));
    EXPECT_EQ(b.Text13.Get(), Handle(game.Control(8)));
    EXPECT_EQ(b.button.Get(), Handle(game.Control(10)));
    EXPECT_EQ(b.channeln.Get(), Handle(game.Control(12)));
    EXPECT_EQ(b.scrollbarhandle.Get(), Handle(game.Control(13)));
    EXPECT_EQ(b.scrollbarfreunde.Get(), Handle(game.Control(14)));
}

TEST_F(AttachScanTest, BindingWritesTheInputBoxBeforeTheChatList) {
    SimGame game(world.windows);
    AddOwnWindow();
    StartForm();
    std::vector<std::string> order;
    form->boxes.text.OnChange([&] { order.push_back("text"); });
    form->boxes.list.OnChange([&] { order.push_back("list"); });
    form->boxes.channel.OnChange([&] { order.push_back("channel"); });
    world.clock.Advance(555);
    EXPECT_EQ(order, (std::vector<std::string>{"text", "list", "channel"}));
}

TEST_F(AttachScanTest, StarcraftTitleMatchesButTheOwnCaptionNeverDoes) {
    SimGame game(world.windows, "Starcraft");
    StartForm();
    world.clock.Advance(555);
    EXPECT_TRUE(Bound(game));

    SimWorld other;
    other.windows.AddTopLevel(kMainCaption);
    other.windows.AddTopLevel("");
    other.windows.AddTopLevel("");
    other.windows.AddTopLevel("");
    Form1 lonely(other.platform, other.chat_view);
    lonely.Start();
    other.clock.Advance(3000);
    EXPECT_TRUE(lonely.scan.handlebw.empty());
}

TEST_F(AttachScanTest, TitleRowInFirstThreeRowsGivesNoCandidate) {
    for (int row = 0; row < 3; ++row) {
        SimWorld w;
        for (int i = 0; i < 5; ++i) w.windows.AddTopLevelAtBottom("");
        SimGame game(w.windows);  // the game's four windows on top
        // Move the title row up to the wanted place by removing untitled rows above it.
        auto order = w.windows.EnumTopLevelWindows();
        for (int i = 0; i < 3 - row; ++i) w.windows.RemoveWindow(order[static_cast<size_t>(i)]);
        ASSERT_EQ(w.windows.EnumTopLevelWindows()[static_cast<size_t>(row)], game.TitleWindow());
        Form1 f(w.platform, w.chat_view);
        f.Start();
        w.clock.Advance(5000);
        EXPECT_TRUE(f.scan.handlebw.empty()) << "title at row " << row;
        EXPECT_EQ(f.boxes.list.Get(), "0");
    }
}

TEST_F(AttachScanTest, CandidateWithATitleIsSkippedAndEcwKeepsItsLastRows) {
    SimGame game(world.windows);
    StartForm();
    world.clock.Advance(555);
    ASSERT_TRUE(Bound(game));
    const auto listed = form->scan.ECW;
    // A titled window moves into the candidate's place: its row does not convert.
    world.windows.Get(game.ScreenWindow()).title = "Chat";
    form->scan.EW[0] = form->scan.WindowRow(game.ScreenWindow());
    world.clock.Advance(2000);
    EXPECT_EQ(form->scan.handlebw, form->scan.EW[0]);
    EXPECT_EQ(form->scan.ECW, listed);
}

TEST_F(AttachScanTest, SeventeenOrNineteenDescendantsAreRejected) {
    for (int extra : {-1, +1}) {
        SimWorld w;
        SimGame game(w.windows);
        if (extra < 0) game.LeaveChatScreen();
        if (extra > 0) w.windows.AddChild(game.ScreenWindow(), SimKind::Static);
        Form1 f(w.platform, w.chat_view);
        int resets = 0;
        f.scan.Kaunta.OnChange([&] {
            ++resets;
            f.pump.Kaunta_Change();
        });
        f.Start();
        w.clock.Advance(4);  // the scanner reaches the title row
        ASSERT_EQ(f.scan.Kaunta.Get(), "3");
        w.clock.Advance(551);  // the first check comes with descendants listed
        EXPECT_EQ(f.scan.ECW.size(), static_cast<size_t>(18 + extra));
        EXPECT_EQ(f.boxes.list.Get(), "0");
        EXPECT_EQ(f.scan.Kaunta.Get(), "4") << "the check moves the scan on";
        EXPECT_EQ(resets, 4);
    }
}

TEST_F(AttachScanTest, FirstCheckAdvancesTheScanWhenNothingIsListedYet) {
    for (int i = 0; i < 2000; ++i) world.windows.AddTopLevelAtBottom("");
    StartForm();
    world.clock.Advance(554);
    EXPECT_EQ(form->scan.Kaunta.Get(), "554");
    world.clock.Advance(1);
    // The scanner's tick at 555 ms came first, then the check added one row more.
    EXPECT_EQ(form->scan.Kaunta.Get(), "556");
    world.clock.Advance(555);
    EXPECT_EQ(form->scan.Kaunta.Get(), "1111") << "the check is not armed again without a hit";
}

TEST_F(AttachScanTest, RejectionAtTheLastRowReadsPastTheEndAndRestarts) {
    // The title row is the last row of the snapshot, and the game is not on its chat screen.
    SimGame game(world.windows);
    game.LeaveChatScreen();
    StartForm();
    ASSERT_EQ(form->scan.EW.size(), 4u);
    const size_t loads = world.process.priority_calls.size();
    std::vector<std::string> kaunta;
    form->scan.Kaunta.OnChange([&] {
        kaunta.push_back(form->scan.Kaunta.Get());
        form->pump.Kaunta_Change();
    });
    world.clock.Advance(555);
    // Rows 0..2 pass by, row 3 matches until the check rejects it at 555 ms: Kaunta 4 is
    // past the end, and the next scanner tick reads empty text, advances and restarts.
    EXPECT_EQ(kaunta, (std::vector<std::string>{"1", "2", "3", "4"}));
    world.clock.Advance(1);
    EXPECT_EQ(kaunta.back(), "0");
    EXPECT_EQ(kaunta[kaunta.size() - 2], "5");
    EXPECT_EQ(world.process.priority_calls.size(), loads + 1);
    EXPECT_EQ(form->scan.EW.size(), 4u) << "the snapshot is taken anew, not appended";
}

TEST_F(AttachScanTest, WhileBoundTheCheckRepeatsAndUnchangedWritesFireNothing) {
    SimGame game(world.windows);
    StartForm();
    world.clock.Advance(555);
    ASSERT_TRUE(Bound(game));
    const int welcome_adds = Count("LB_ADDSTRING");
    int text_changes = 0;
    form->boxes.text.OnChange([&] { ++text_changes; });
    int checks = 0;
    form->scan.Ti2.SetHandler([&] {
        ++checks;
        form->scan.Ti2_Timer();
    });
    // Each check disarms itself and the next scanner tick arms it again, a tick later; in
    // between, the scanner would only arm the running check again, so it rests.
    world.clock.Advance(555 * 10);
    EXPECT_EQ(checks, 9);
    EXPECT_TRUE(world.clock.Resting(form->scan.Ti));
    EXPECT_TRUE(form->scan.Ti.Enabled());
    EXPECT_EQ(text_changes, 0);
    EXPECT_EQ(Count("LB_ADDSTRING"), welcome_adds);
    EXPECT_EQ(form->scan.Kaunta.Get(), "3");
}

TEST_F(AttachScanTest, LosingTheChatScreenMovesOnResetsAndBindsAgainOnReturn) {
    SimGame game(world.windows);
    StartForm();
    world.clock.Advance(600);
    ASSERT_TRUE(Bound(game));
    events.clear();
    game.LeaveChatScreen();
    world.clock.Advance(600);
    EXPECT_EQ(form->boxes.list.Get(), "0") << "the reset unbinds the chat list";
    EXPECT_FALSE(events.empty());
    EXPECT_EQ(form->boxes.text.Get(), Handle(game.Control(0))) << "other boxes keep their value";
    game.EnterChatScreen();
    world.clock.Advance(3000);
    EXPECT_TRUE(Bound(game));
}

TEST_F(AttachScanTest, WindowRowsKeepTheHandleSignAndTheTitleBuffer) {
    StartForm();
    const WindowHandle h = world.windows.AddTopLevel("Brood War");
    EXPECT_EQ(form->scan.WindowRow(h), " " + Handle(h) + " Brood War");
    const WindowHandle untitled = world.windows.AddTopLevel("");
    EXPECT_EQ(form->scan.WindowRow(untitled), " " + Handle(untitled) + " ");
    // A title longer than its reported length is cut; a shorter one leaves a NUL and blanks.
    world.windows.Get(h).reported_title_length = 5;
    EXPECT_EQ(form->scan.WindowRow(h), " " + Handle(h) + " Brood");
    world.windows.Get(h).reported_title_length = 12;
    EXPECT_EQ(form->scan.WindowRow(h), " " + Handle(h) + " Brood War" + std::string("\0  ", 3));
}

TEST_F(AttachScanTest, NegativeHandleRowHasAMinusInPlaceOfTheBlank) {
    StartForm();
    EXPECT_EQ(form->scan.WindowRow(-42).substr(0, 4), "-42 ");
}

TEST_F(AttachScanTest, LoadStepsLowerThePriorityAndSwitchTheListScrollBarsOff) {
    int scrollbar_calls = 0;
    form = std::make_unique<Form1>(world.platform, world.chat_view);
    form->user_list_scrollbars_off = [&] { ++scrollbar_calls; };
    form->Start();
    ASSERT_EQ(world.process.priority_calls.size(), 1u);
    EXPECT_EQ(world.process.priority_calls[0], 0x4000u);
    EXPECT_EQ(world.process.priority_reads, 1);
    EXPECT_EQ(scrollbar_calls, 1);
}

TEST_F(AttachScanTest, FirstScannerTickResetsTheMirrorWithNothingBound) {
    world.windows.AddTopLevel("");
    world.windows.AddTopLevel("");
    StartForm();
    int resets = 0;
    form->scan.Kaunta.OnChange([&] {
        ++resets;
        form->pump.Kaunta_Change();
    });
    world.clock.Advance(1);
    EXPECT_EQ(form->scan.Kaunta.Get(), "1");
    EXPECT_EQ(resets, 1);
    EXPECT_EQ(Count("LB_ADDSTRING"), 0) << "the chat list was never bound, so no welcome lines";
}

}  // namespace
}  // namespace qv
