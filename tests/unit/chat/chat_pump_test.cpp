#include <gtest/gtest.h>

#include "gamelink/list_read.h"
#include "unit/form_fixture.h"

namespace qv {
namespace {

class ChatPumpTest : public FormFixture {
  protected:
    // A game whose chat list holds `rows` rows at binding, the five welcome lines included.
    void BindWith(int rows) {
        game = std::make_unique<SimGame>(world.windows);
        for (int i = 0; i < rows - 5; ++i) game->AddChatRow("row " + std::to_string(i));
        StartForm();
        world.clock.Advance(555);
        ASSERT_EQ(form->boxes.list.Get(), Handle(game->Control(9)));
    }
    const std::vector<std::string>& List2() const { return form->pump.List2(); }
    size_t EmptyRows() const {
        size_t n = 0;
        for (const auto& r : List2()) n += r.empty();
        return n;
    }

    std::unique_ptr<SimGame> game;
};

TEST_F(ChatPumpTest, BindingAddsFiveWelcomeLinesAndSelectsTheFifth) {
    world.local_clock.now = {2026, 12, 7, 14, 3, 9};
    BindWith(5);
    const auto& rows = game->ChatList().rows;
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows[0],
              "\x13"
              "14:03:09: \x1bWelcome to the Quorvane Starcraft Chat");
    EXPECT_EQ(rows[1],
              "\x13"
              "14:03:09: \x1b"
              "For updates visit");
    EXPECT_EQ(rows[3],
              "\x13"
              "14:03:09: \x1bThis programm was made by");
    EXPECT_EQ(rows[4],
              "\x13"
              "14:03:09: \x1b"
              "Dunmarrow aka Dunmarrow]Zelk[");
    EXPECT_EQ(game->ChatList().selected_row, 4);
    EXPECT_TRUE(form->greet.Loaded()) << "the greet window is loaded unseen for its time stamp";
}

TEST_F(ChatPumpTest, WelcomeTimeStampFollowsTheRegionalFormat) {
    world.local_clock.twelve_hour = true;
    world.local_clock.now = {2026, 12, 7, 15, 4, 5};
    BindWith(5);
    EXPECT_EQ(game->ChatList().rows[0].substr(0, 12),
              "\x13"
              "3:04:05 PM:");
}

TEST_F(ChatPumpTest, FiftySevenRowsGiveOneHundredFortyThreeEmptyMirrorRowsFirst) {
    BindWith(57);
    world.clock.Advance(50);
    EXPECT_EQ(form->pump.Text12.Get(), "57");
    world.clock.Advance(200);
    ASSERT_EQ(List2().size(), 200u);
    EXPECT_EQ(EmptyRows(), 143u);
    ASSERT_EQ(processed.size(), 57u);
    EXPECT_EQ(processed.front(), "row 0");
    EXPECT_NE(processed.back().find("Dunmarrow aka"), std::string::npos);
    game->AddChatRow("late");
    world.clock.Advance(200);
    EXPECT_EQ(processed.back(), "late");
    EXPECT_EQ(List2().size(), 201u);
}

TEST_F(ChatPumpTest, ALineCountTheHangingGameDidNotAnswerIsAskedAgainNotTakenAsNoRows) {
    BindWith(57);
    game->ChatList().silent = true;
    world.clock.Advance(1000);
    EXPECT_EQ(form->pump.Text12.Get(), "");
    EXPECT_TRUE(List2().empty());
    game->ChatList().silent = false;
    world.clock.Advance(50);
    EXPECT_EQ(form->pump.Text12.Get(), "57");
    world.clock.Advance(200);
    EXPECT_EQ(List2().size(), 200u);
    EXPECT_EQ(EmptyRows(), 143u);
    EXPECT_EQ(processed.size(), 57u);
}

TEST_F(ChatPumpTest, ThreeHundredFiftyRowsStartTheFirstPassAtRow150) {
    BindWith(350);
    world.clock.Advance(250);
    ASSERT_EQ(processed.size(), 200u);
    EXPECT_EQ(processed.front(), "row 150");
    EXPECT_EQ(List2().size(), 200u);
    EXPECT_EQ(EmptyRows(), 0u);
}

TEST_F(ChatPumpTest, ThreeNewRowsArriveInOrderOneAtATimeAndNoRowMeansNoRead) {
    BindWith(20);
    world.clock.Advance(250);
    processed.clear();
    world.clock.Advance(1000);
    EXPECT_TRUE(processed.empty());
    game->AddChatRow("a");
    game->AddChatRow("b");
    game->AddChatRow("c");
    world.clock.Advance(200);
    EXPECT_EQ(processed, (std::vector<std::string>{"a", "b", "c"}));
}

TEST_F(ChatPumpTest, RowsTheHangingGameDidNotAnswerForAreReadOnceItAnswersAgain) {
    BindWith(20);
    world.clock.Advance(250);
    processed.clear();
    const size_t mirrored = List2().size();
    for (const char* row : {"a", "b", "c", "d"}) game->AddChatRow(row);
    // The game stops answering after the pass has counted its rows and read "a".
    world.windows.BeforeNextGetText(
        [&] { world.windows.BeforeNextGetText([&] { game->ChatList().silent = true; }); });
    world.clock.Advance(200);
    EXPECT_EQ(processed, (std::vector<std::string>{"a"}));
    EXPECT_EQ(List2().size(), mirrored + 1) << "no empty row stands for an unanswered one";
    world.clock.Advance(1000);
    EXPECT_EQ(processed.size(), 1u);
    game->ChatList().silent = false;
    world.clock.Advance(200);
    EXPECT_EQ(processed, (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(List2().size(), mirrored + 4);
    EXPECT_EQ(ReadListBoxItem(world.windows, game->Control(9), 0), game->ChatList().rows[0]);
    game->ChatList().silent = true;
    EXPECT_EQ(ReadListBoxItem(world.windows, game->Control(9), 0), std::nullopt)
        << "an unanswered row is no answer, not an empty row";
}

TEST_F(ChatPumpTest, TheResetStopsThePumpUnbindsAndEmptiesInOrder) {
    BindWith(20);
    world.clock.Advance(250);
    events.clear();
    game->LeaveChatScreen();  // so the scan does not bind it again
    form->scan.Kaunta.Set("77");
    EXPECT_EQ(events, (std::vector<std::string>{"clear view", "clear staging"}));
    EXPECT_FALSE(form->pump.Timer2.Enabled());
    EXPECT_EQ(form->boxes.list.Get(), "0");
    EXPECT_TRUE(List2().empty());
    // The unbinding sends the welcome lines to no window, and 50 ms later counts nothing.
    world.clock.Advance(50);
    EXPECT_EQ(form->pump.Text12.Get(), "0");
    processed.clear();
    game->AddChatRow("after");
    world.clock.Advance(1000);
    EXPECT_TRUE(processed.empty());
}

TEST_F(ChatPumpTest, FirstPassWaitsForTheCountOfItsOwnBinding) {
    BindWith(20);
    world.clock.Advance(250);
    // The pump is on and idle when a different chat list is bound without a reset.
    SimWindow& other =
        world.windows.Get(world.windows.AddChild(game->ScreenWindow(), SimKind::ListBox));
    for (int i = 0; i < 300; ++i) other.rows.push_back("old " + std::to_string(i));
    processed.clear();
    form->boxes.list.Set(std::to_string(other.handle));
    EXPECT_TRUE(List2().empty()) << "the new binding numbers its rows afresh";
    world.clock.Advance(40);  // a pump tick before the counter: it must not read
    EXPECT_TRUE(processed.empty());
    world.clock.Advance(400);
    ASSERT_EQ(processed.size(), 200u);
    EXPECT_EQ(processed.front(), "old 105");
}

TEST_F(ChatPumpTest, AResetDuringAPassStopsThatPass) {
    BindWith(40);
    int seen = 0;
    form->process_line = [&](const std::string& line) {
        if (line.empty()) return;
        if (++seen == 3) form->scan.Kaunta.Set("9");
        form->Text11.Set("");
    };
    world.clock.Advance(250);
    EXPECT_EQ(seen, 3);
    EXPECT_TRUE(List2().empty()) << "no row of the old pass reaches the mirror after the reset";
}

TEST_F(ChatPumpTest, NumberingHoldsBeyondThirtyTwoThousandRows) {
    BindWith(5);
    world.clock.Advance(250);
    for (int i = 0; i < 33000; ++i) game->AddChatRow("r" + std::to_string(i));
    world.clock.Advance(200);
    game->AddChatRow("last");
    processed.clear();
    world.clock.Advance(200);
    EXPECT_EQ(processed, (std::vector<std::string>{"last"}));
    EXPECT_EQ(List2().size(), 200u + 33001u);
}

TEST_F(ChatPumpTest, NewInputBoxHandleEmptiesTheView) {
    StartForm();
    events.clear();
    form->idle.Text8.Set("backlog");
    form->boxes.text.Set("1234");
    EXPECT_EQ(events, (std::vector<std::string>{"clear view"}));
    EXPECT_EQ(form->idle.Text8.Get(), "");
}

}  // namespace
}  // namespace qv
