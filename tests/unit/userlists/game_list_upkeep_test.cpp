// The upkeep of the game's lists every 800 ms: the game's scroll bars by the 13-row
// rule, and the game's Friends tab while the main window is active, Channel once it is left.
#include "unit/userlists/user_lists_fixture.h"

namespace qv {
namespace {

class GameUpkeep : public UserListsTest {
  protected:
    void Rows(SimWindow& list, int count) {
        list.rows.clear();
        for (int i = 0; i < count; ++i) list.rows.push_back("u" + std::to_string(i) + "\t0 RATS");
    }
    std::string Show(int row) { return "SHOW " + std::to_string(game.Control(row)); }
    std::string Hide(int row) { return "HIDE " + std::to_string(game.Control(row)); }
};

TEST_F(GameUpkeep, ThirteenRowsChangeNothing) {
    Rows(ChannelList(), 13);
    Start();
    world.windows.log.clear();
    world.clock.Advance(800);
    EXPECT_EQ(Count("SHOW "), 0);
    EXPECT_EQ(Count("HIDE "), 0);
}

TEST_F(GameUpkeep, AVisibleChannelListOfFourteenShowsItsBarAndHidesTheFriendsBar) {
    Rows(ChannelList(), 14);
    Start();
    world.clock.Advance(800);
    EXPECT_TRUE(ChannelScroll().visible);
    EXPECT_GE(Count(Show(13)), 1);
    EXPECT_GE(Count(Hide(14)), 1);
    EXPECT_EQ(Count(Show(14)), 0);
}

TEST_F(GameUpkeep, AVisibleChannelListOfTwelveHidesItsBarAndLeavesTheFriendsBar) {
    Rows(ChannelList(), 12);
    FriendsScroll().visible = true;
    Start();
    world.clock.Advance(800);
    EXPECT_FALSE(ChannelScroll().visible);
    EXPECT_TRUE(FriendsScroll().visible);
    EXPECT_EQ(Count(Hide(14)) + Count(Show(14)), 0);
}

TEST_F(GameUpkeep, WithTheFriendsTabTheFriendsCountDecides) {
    ChannelList().visible = false;
    FriendsList().visible = true;
    Rows(ChannelList(), 40);
    Rows(FriendsList(), 14);
    Start();
    world.clock.Advance(800);
    EXPECT_TRUE(FriendsScroll().visible);
    EXPECT_FALSE(ChannelScroll().visible);
    Rows(FriendsList(), 12);
    world.clock.Advance(800);
    EXPECT_FALSE(FriendsScroll().visible);
    Rows(FriendsList(), 13);
    FriendsScroll().visible = true;
    world.clock.Advance(800);
    EXPECT_TRUE(FriendsScroll().visible) << "13 rows change nothing";
}

TEST_F(GameUpkeep, AHangingGameHasNoScrollBarShownOrHiddenAndKeepsTheFriendsList) {
    Rows(ChannelList(), 14);
    Rows(FriendsList(), 20);
    Start();
    form->form["Option2"].Click();  // the Friends view: each tick copies the friends list
    world.clock.Advance(800);
    ASSERT_TRUE(ChannelScroll().visible);
    const UserEntries friends = EntriesOf(Fx2());
    ASSERT_EQ(friends.size(), 20u);

    Hang(true);
    world.windows.log.clear();
    world.clock.Advance(2400);
    form->upkeep.SetGameScrollBarsOnce();  // the rule of the shut-down
    EXPECT_EQ(Count("SHOW ") + Count("HIDE "), 0);
    EXPECT_TRUE(ChannelScroll().visible);
    EXPECT_EQ(form->friends.List4.size(), 20u);
    EXPECT_EQ(EntriesOf(Fx2()), friends);
    // The friends list is hidden in the game: its count decides, once the game answers.
    ChannelList().visible = false;
    FriendsList().visible = true;
    world.clock.Advance(2400);
    EXPECT_EQ(Count("SHOW ") + Count("HIDE "), 0);
    Hang(false);
    world.clock.Advance(800);
    EXPECT_TRUE(FriendsScroll().visible);
    EXPECT_FALSE(ChannelScroll().visible);
}

TEST_F(GameUpkeep, TheActiveMainWindowSwitchesTheGameToFriendsOnceAndLeavingItToChannel) {
    Start();
    world.windows.active_window = kMainWindow;
    world.clock.Advance(800);
    EXPECT_EQ(FriendsTab().clicks, 1);
    EXPECT_EQ(form->upkeep.channelaktiv, "1");
    // The game shows its friends list: no more clicks while the main window stays active.
    ChannelList().visible = false;
    FriendsList().visible = true;
    world.clock.Advance(2400);
    EXPECT_EQ(FriendsTab().clicks, 1);
    EXPECT_EQ(ChannelTab().clicks, 0);

    world.windows.active_window = 0;  // another program in front
    world.clock.Advance(800);
    EXPECT_EQ(ChannelTab().clicks, 1);
    EXPECT_EQ(form->upkeep.channelaktiv, "0");
    ChannelList().visible = true;
    FriendsList().visible = false;
    world.clock.Advance(2400);
    EXPECT_EQ(ChannelTab().clicks, 1) << "nothing more to give back";
    EXPECT_EQ(FriendsTab().clicks, 1);
}

TEST_F(GameUpkeep, AFriendsTabThePlayerChoseInTheGameIsLeftAlone) {
    Start();
    ChannelList().visible = false;
    FriendsList().visible = true;
    world.windows.active_window = kMainWindow;
    world.clock.Advance(800);
    EXPECT_EQ(FriendsTab().clicks, 0) << "the channel list is not visible";
    world.windows.active_window = 0;
    world.clock.Advance(800);
    EXPECT_EQ(ChannelTab().clicks, 0) << "channelaktiv is 0";
}

TEST_F(GameUpkeep, OpeningThePopupSwitchesTheGameBackToChannel) {
    ChannelList().rows = {"Alice\t0 RATS"};
    Start();
    world.windows.active_window = kMainWindow;
    world.clock.Advance(800);
    ASSERT_EQ(FriendsTab().clicks, 1);
    world.windows.active_window = 0x7F10;  // the pop-up, another window of this program
    world.clock.Advance(800);
    EXPECT_EQ(ChannelTab().clicks, 1);
}

TEST_F(GameUpkeep, WhileTheChannelListStaysVisibleEachTickClicksFriendsAgain) {
    Start();
    world.windows.active_window = kMainWindow;
    world.clock.Advance(2400);
    EXPECT_EQ(FriendsTab().clicks, 3);
}

TEST_F(GameUpkeep, UnboundNothingReachesAnyWindow) {
    Start(false);
    world.windows.active_window = kMainWindow;
    world.clock.Advance(400);  // before the binding
    world.windows.log.clear();
    form->upkeep.Timer12_Timer();
    // Handle 0 is no window: not visible, no rows; the one hide goes to no window.
    EXPECT_EQ(Count("CLICK "), 0);
    EXPECT_EQ(Count("SHOW "), 0);
    EXPECT_EQ(Count("HIDE "), 1);
    EXPECT_EQ(Count("HIDE 0"), 1);
}

}  // namespace
}  // namespace qv
