// Part 4.102: the friends list with "Hide offline friends", the Channel, Friends and Both views
// and the lists' own scroll bars.
#include "unit/userlists/user_lists_fixture.h"

namespace qv {
namespace {

using Entries = UserEntries;

class FriendsAndViews : public UserListsTest {
  protected:
    void SetUp() override {
        FriendsList().rows = {"Carol\t0 RATS", "Dave\t0", "\xC3\x84nne\t0 PX3W PXES",
                              "bob\t32 PXES"};
    }
    FormControl& Check1() { return form->form["Check1"]; }
    FormControl& Label9() { return form->form["Label9"]; }
    FormControl& Option(int n) { return form->form["Option" + std::to_string(n)]; }
    int FriendsCounts() { return Count("LB_GETCOUNT " + std::to_string(game.Control(8))); }

    // Fills the channel list and the friends list with `channel` and `friends` coded rows.
    void FillLists(int channel, int friends) {
        ChannelList().rows.clear();
        FriendsList().rows.clear();
        for (int i = 0; i < channel; ++i) {
            ChannelList().rows.push_back("c" + std::to_string(i) + "\t0 RATS");
        }
        for (int i = 0; i < friends; ++i) {
            FriendsList().rows.push_back("f" + std::to_string(i) + "\t0 RATS");
        }
    }
};

TEST_F(FriendsAndViews, UntickingShowsOfflineFriendsFromTheRowsCopiedLast) {
    Start();
    Check1().Click();  // untick
    EXPECT_EQ(Check1().Value(), 0);
    EXPECT_FALSE(Label9().Visible());
    EXPECT_EQ(FriendsCounts(), 0) << "unticking copies nothing";
    EXPECT_TRUE(form->friends.List4.empty());
    EXPECT_EQ(Fx2().ListCount(), 0);

    Check1().Click();  // tick: copies the game's friends list at once
    EXPECT_TRUE(Label9().Visible());
    EXPECT_EQ(FriendsCounts(), 1);
    EXPECT_EQ(EntriesOf(Fx2()), (Entries{{Shown("Carol", "0 RATS"), 2},
                                         {Shown("\xC3\x84nne", "0 PX3W PXES"), 0},
                                         {Shown("bob", "32 PXES"), 24}}))
        << "first code only; Dave, offline, left out";

    Check1().Click();  // untick: the rows copied last, offline ones with the default icon
    EXPECT_EQ(FriendsCounts(), 1);
    EXPECT_EQ(EntriesOf(Fx2()), (Entries{{Shown("Carol", "0 RATS"), 2},
                                         {Shown("Dave", "0"), 0},
                                         {Shown("\xC3\x84nne", "0 PX3W PXES"), 0},
                                         {Shown("bob", "32 PXES"), 24}}));
}

TEST_F(FriendsAndViews, TheStartUpRestoreOfAnUntickedBoxRunsItsClickOnce) {
    world.settings.values["SaveHide\\Hide"] = "0";
    Start(false);
    world.clock.Advance(1);
    EXPECT_EQ(Check1().Value(), 0);
    EXPECT_FALSE(Label9().Visible());
}

TEST_F(FriendsAndViews, FriendsViewPlacesShowsAndFillsTheFriendsList) {
    Start();
    form->ListBoxFX2.SetTop(314);  // as the Both view left it
    Option(2).Click();
    EXPECT_EQ(Option(1).Value(), 0);
    EXPECT_TRUE(form->ListBoxFX2.Visible());
    EXPECT_FALSE(form->ListBoxFX1.Visible());
    EXPECT_EQ(form->ListBoxFX2.Top(), 54);
    EXPECT_EQ(form->ListBoxFX2.Height(), 433);
    EXPECT_EQ(Fx2().Appearance(), 0);
    EXPECT_EQ(FriendsCounts(), 1);
    EXPECT_EQ(IconsOf(Fx2()), (std::vector<int>{2, 0, 24}));
    // The game's friends list is copied and shown anew every 800 ms in this view.
    FriendsList().rows.push_back("Eve\t0 VD2D");
    world.clock.Advance(800);
    EXPECT_EQ(IconsOf(Fx2()), (std::vector<int>{2, 0, 24, 10}));
}

TEST_F(FriendsAndViews, BothViewPlacesBothListsAndFillsTheFriendsList) {
    Start();
    Option(3).Click();
    EXPECT_TRUE(form->ListBoxFX1.Visible());
    EXPECT_TRUE(form->ListBoxFX2.Visible());
    EXPECT_EQ(form->ListBoxFX1.Top(), 55);
    EXPECT_EQ(form->ListBoxFX1.Height(), 227);
    EXPECT_EQ(form->ListBoxFX2.Top(), 314);
    EXPECT_EQ(form->ListBoxFX2.Height(), 170);
    EXPECT_EQ(Fx1().Appearance(), 1);
    EXPECT_EQ(Fx2().Appearance(), 1);
    // Shown after its rebuild, the list runs its showing steps: sorted by name until the next
    // rebuild (bob, Carol, Ãnne).
    EXPECT_EQ(IconsOf(Fx2()), (std::vector<int>{24, 2, 0}));
    const int counts = FriendsCounts();
    world.clock.Advance(800);
    EXPECT_EQ(FriendsCounts(), counts + 1) << "refreshed at every upkeep tick";
    EXPECT_EQ(IconsOf(Fx2()), (std::vector<int>{2, 0, 24})) << "the game's order again";
}

TEST_F(FriendsAndViews, ChannelAfterBothRestoresTheChannelListAndLeavesTheOtherAsItWas) {
    Start();
    Option(3).Click();
    Option(1).Click();
    EXPECT_TRUE(form->ListBoxFX1.Visible());
    EXPECT_FALSE(form->ListBoxFX2.Visible());
    EXPECT_EQ(form->ListBoxFX1.Top(), 54);
    EXPECT_EQ(form->ListBoxFX1.Height(), 433);
    EXPECT_EQ(Fx1().Appearance(), 0);
    EXPECT_EQ(form->ListBoxFX2.Top(), 314);
    EXPECT_EQ(form->ListBoxFX2.Height(), 170);
    EXPECT_EQ(Fx2().Appearance(), 1);
    // In the Channel view the friends list is not refreshed by the upkeep.
    const int counts = FriendsCounts();
    world.clock.Advance(1600);
    EXPECT_EQ(FriendsCounts(), counts);
}

TEST_F(FriendsAndViews, ScrollBarsAppearAboveEachViewsThreshold) {
    FillLists(25, 25);
    Start();
    Check1().SetValue(0);
    Check1().SetValue(1);  // copies the friends list
    world.clock.Advance(1000);
    EXPECT_FALSE(Fx1().scrollbar()) << "25 rows fit a single view";
    EXPECT_FALSE(Fx2().scrollbar()) << "hidden lists are set too";
    ChannelList().rows.push_back("c25\t0 RATS");
    FriendsList().rows.push_back("f25\t0 RATS");
    Check1().SetValue(0);
    Check1().SetValue(1);
    world.clock.Advance(1000);
    EXPECT_TRUE(Fx1().scrollbar());
    EXPECT_TRUE(Fx2().scrollbar());

    FillLists(14, 10);
    Option(3).Click();
    world.clock.Advance(1000);
    EXPECT_FALSE(Fx1().scrollbar()) << "14 rows fit the Both view's channel list";
    EXPECT_FALSE(Fx2().scrollbar()) << "10 rows fit the Both view's friends list";
    ChannelList().rows.push_back("c14\t0 RATS");
    FriendsList().rows.push_back("f10\t0 RATS");
    world.clock.Advance(1000);
    EXPECT_TRUE(Fx1().scrollbar()) << "at 15 rows";
    EXPECT_TRUE(Fx2().scrollbar()) << "at 11 rows";
}

TEST_F(FriendsAndViews, ChoosingTheChosenViewAgainRunsItsClickAgain) {
    Start();
    Option(2).Click();
    const int counts = FriendsCounts();
    Option(2).Click();
    EXPECT_EQ(FriendsCounts(), counts + 1);
}

}  // namespace
}  // namespace qv
