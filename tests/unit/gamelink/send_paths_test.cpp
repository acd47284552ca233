#include <gtest/gtest.h>

#include "gamelink/list_read.h"
#include "unit/form_fixture.h"

namespace qv {
namespace {

class SendPathsTest : public FormFixture {
  protected:
    void SetUp() override {
        game = std::make_unique<SimGame>(world.windows);
        StartForm();
        world.clock.Advance(555);
        ASSERT_EQ(form->boxes.button.Get(), Handle(game->Control(10)));
        world.windows.log.clear();
    }
    std::string SetTextToInput(const std::string& line) const {
        return "WM_SETTEXT " + Handle(game->Control(0)) + " " + line;
    }
    std::string ClickOf(int row) const { return "CLICK " + Handle(game->Control(row)); }

    std::unique_ptr<SimGame> game;
};

TEST_F(SendPathsTest, EnterSendsTheLineWithOneClickAndConsumesTheKey) {
    form->send.Text4.Set("hello all");
    int key = kKeyEnter;
    form->send.Text4_KeyPress(key);
    EXPECT_EQ(key, 0);
    EXPECT_EQ(world.windows.log,
              (std::vector<std::string>{SetTextToInput("hello all"), ClickOf(10)}));
    EXPECT_EQ(game->InputBox().title, "hello all");
    EXPECT_EQ(form->send.Text4.Get(), "");
}

TEST_F(SendPathsTest, EnterOnAnEmptyBoxAndOtherKeysSendNothingAndKeepTheKey) {
    int enter = kKeyEnter;
    form->send.Text4_KeyPress(enter);
    EXPECT_EQ(enter, kKeyEnter);
    form->send.Text4.Set("abc");
    int letter = 'd';
    form->send.Text4_KeyPress(letter);
    EXPECT_EQ(letter, 'd');
    EXPECT_TRUE(world.windows.log.empty());
    EXPECT_EQ(form->send.Text4.Get(), "abc");
}

TEST_F(SendPathsTest, SendButtonClicksTheGamesSendTwiceEvenForAnEmptyBox) {
    form->send.Command1_Click();
    form->send.Text4.Set("gg");
    form->send.Command1_Click();
    EXPECT_EQ(world.windows.log,
              (std::vector<std::string>{SetTextToInput(""), ClickOf(10), ClickOf(10),
                                        SetTextToInput("gg"), ClickOf(10), ClickOf(10)}));
    EXPECT_EQ(game->SendButton().clicks, 4);
    EXPECT_EQ(form->send.Text4.Get(), "");
}

TEST_F(SendPathsTest, PublicSendRoutinesSendTheirBoxAndEmptyIt) {
    form->send.time.Set("one");
    form->send.send_Click();
    form->send.time2.Set("/join Clan");
    form->send.send2_Click();
    form->send.send3_Click();  // empty: still sent
    EXPECT_EQ(
        world.windows.log,
        (std::vector<std::string>{SetTextToInput("one"), ClickOf(10), SetTextToInput("/join Clan"),
                                  ClickOf(10), SetTextToInput(""), ClickOf(10)}));
    EXPECT_EQ(form->send.time.Get(), "");
    EXPECT_EQ(form->send.time2.Get(), "");
}

TEST_F(SendPathsTest, RelaysClickCreateJoinAndQuitAndQuitEndsTheProgram) {
    form->send.Command7_Click();
    form->send.Command8_Click();
    EXPECT_EQ(world.process.ended, 0);
    form->send.Command5_Click();
    EXPECT_EQ(world.windows.log, (std::vector<std::string>{ClickOf(3), ClickOf(4), ClickOf(6)}));
    EXPECT_EQ(world.process.ended, 1);
}

TEST(SendPathsUnbound, UnboundHandlesSendNothingButStillEmptyTheBoxes) {
    SimWorld world;
    SimGame game(world.windows);
    Form1 form(world.platform, world.chat_view);  // never started: every box reads "0"
    form.send.time.Set("x");
    form.send.send_Click();
    form.send.Text4.Set("y");
    int key = kKeyEnter;
    form.send.Text4_KeyPress(key);
    EXPECT_EQ(form.send.time.Get(), "");
    EXPECT_EQ(form.send.Text4.Get(), "");
    EXPECT_EQ(game.InputBox().title, "");
    EXPECT_EQ(game.SendButton().clicks, 0);
}

TEST(ReadListBoxItem, ReadsRowsAndGivesEmptyTextForWhatCannotBeRead) {
    SimWorld world;
    SimGame game(world.windows);
    game.AddChatRow("first");
    game.AddChatRow("J\xC3\xBCrgen: hi");
    const WindowHandle list = game.Control(9);
    EXPECT_EQ(ReadListBoxItem(world.windows, list, 0), "first");
    EXPECT_EQ(ReadListBoxItem(world.windows, list, 1), "J\xC3\xBCrgen: hi");
    EXPECT_EQ(ReadListBoxItem(world.windows, list, 2), "");
    EXPECT_EQ(ReadListBoxItem(world.windows, list, -1), "");
    EXPECT_EQ(ReadListBoxItem(world.windows, 0, 0), "");
    EXPECT_EQ(ReadListBoxItem(world.windows, 0x7ffff, 0), "");
}

TEST(ReadListBoxItem, ARowThatGrowsBetweenTheTwoMessagesComesBackWhole) {
    SimWorld world;
    SimGame game(world.windows);
    game.AddChatRow("short");
    world.windows.BeforeNextGetText([&] { game.ChatList().rows[0] = "a much longer row now"; });
    EXPECT_EQ(ReadListBoxItem(world.windows, game.Control(9), 0), "a much longer row now");
    world.windows.BeforeNextGetText([&] { game.ChatList().rows[0] = "tiny"; });
    EXPECT_EQ(ReadListBoxItem(world.windows, game.Control(9), 0), "tiny");
}

}  // namespace
}  // namespace qv
