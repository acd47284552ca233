// The channel user list on the main window: the game's channel rows copied into List1 every 175 ms,
// the count published into Text5 every 60 ms, the channel name read into Label1 every second, and
// ListBoxFX1 rebuilt only when the count or the name changes, or 700 ms after a squelch.
#include "unit/userlists/user_lists_fixture.h"

namespace qv {
namespace {

using Entries = UserEntries;

TEST_F(UserListsTest, TimersHaveTheTimerTablesIntervalsAndStates) {
    Start(false);
    auto& users = form->channel_users;
    EXPECT_EQ(users.Timer6.Interval(), 175);
    EXPECT_TRUE(users.Timer6.Enabled());
    EXPECT_EQ(users.Timer1.Interval(), 60);
    EXPECT_TRUE(users.Timer1.Enabled());
    EXPECT_EQ(users.Timer8.Interval(), 1000);
    EXPECT_TRUE(users.Timer8.Enabled());
    EXPECT_EQ(users.Timer10.Interval(), 700);
    EXPECT_TRUE(users.Timer10.OneShot());
    EXPECT_FALSE(users.Timer10.Enabled());
    EXPECT_EQ(form->views.Timer4.Interval(), 100);
    EXPECT_TRUE(form->views.Timer4.Enabled());
    EXPECT_EQ(form->upkeep.Timer12.Interval(), 800);
    EXPECT_TRUE(form->upkeep.Timer12.Enabled());
    EXPECT_EQ(form->opener.Timer9.Interval(), 66);
    EXPECT_TRUE(form->opener.Timer9.Enabled());
    EXPECT_EQ(form->opener.timerfenster.Interval(), 100);
    EXPECT_TRUE(form->opener.timerfenster.OneShot());
    EXPECT_FALSE(form->opener.timerfenster.Enabled());
    EXPECT_EQ(form->popup.Timer1.Interval(), 44);
    EXPECT_FALSE(form->popup.Timer1.Enabled()) << "the pop-up is not loaded";
    EXPECT_EQ(users.Text3, "\t");
    EXPECT_EQ(users.Text5.Get(), "");
}

TEST_F(UserListsTest, StartStateOfTheControls) {
    Start(false);
    FormState& f = form->form;
    EXPECT_EQ(f["Label1"].Text(), "");
    EXPECT_EQ(f["Label1"].ForeColour(), 0x00FFFFFFu);
    EXPECT_EQ(f["Label1"].Bounds(), (ControlRect{578, 16, 177, 33}));
    EXPECT_EQ(f["Option1"].Value(), 1);
    EXPECT_EQ(f["Option2"].Value(), 0);
    EXPECT_EQ(f["Option3"].Value(), 0);
    EXPECT_EQ(f["Check1"].Value(), 1);
    EXPECT_EQ(f["Check1"].Bounds(), (ControlRect{16, 256, 17, 25}));
    EXPECT_EQ(f["Label7"].Text(), "Hide offline friends");
    EXPECT_EQ(f["Label9"].Text(), "Online");
    EXPECT_EQ(f["Label9"].ForeColour(), 0x0000FF00u);
    EXPECT_TRUE(f["Label9"].Visible());
    EXPECT_EQ(f["Label9"].Bounds(), (ControlRect{584, 296, 169, 17}));
    EXPECT_EQ(f["Label8"].Text(), "Friends");
    EXPECT_EQ(f["Label8"].Bounds(), (ControlRect{584, 282, 169, 17}));
    EXPECT_EQ(f["Option2"].Bounds(), (ControlRect{16, 208, 89, 17}));
    EXPECT_EQ(f["Command4"].Text(), "Whisper");
    EXPECT_EQ(f["Command4"].Bounds(), (ControlRect{669, 502, 81, 29}));
    EXPECT_TRUE(form->ListBoxFX1.Visible());
    EXPECT_FALSE(form->ListBoxFX2.Visible());
    EXPECT_EQ(form->ListBoxFX2.Top(), 54);
    EXPECT_EQ(form->ListBoxFX2.Height(), 433);
    EXPECT_EQ(form->upkeep.channelaktiv, "0");
    EXPECT_EQ(form->opener.Textstein.Get(), "0");
    EXPECT_TRUE(form->friends.List4.empty());
    EXPECT_TRUE(form->List1.empty());
}

TEST_F(UserListsTest, TheGamesRowsAreShownInOrderWithTheirIcons) {
    ChannelList().rows = {"Alice\t0 RATS", "J\xC3\xBCrgen\t0 PXES", "bob\t32 PXES",
                          "Zo\xC3\xAB\t0 NB2W"};
    Start();
    world.clock.Advance(175 + 60);
    EXPECT_EQ(form->List1, ChannelList().rows) << "List1 holds the game's rows as they are";
    EXPECT_EQ(form->channel_users.Text5.Get(), "4");
    EXPECT_EQ(EntriesOf(Fx1()), (Entries{{Shown("Alice", "0 RATS"), 2},
                                         {Shown("J\xC3\xBCrgen", "0 PXES"), 0},
                                         {Shown("bob", "32 PXES"), 24},
                                         {Shown("Zo\xC3\xAB", "0 NB2W"), 22}}));
}

TEST_F(UserListsTest, FirstCountRebuildsAnEmptyListBeforeAnythingIsBound) {
    Start(false);
    world.clock.Advance(60);
    EXPECT_EQ(form->channel_users.Text5.Get(), "0");
    EXPECT_EQ(Fx1().ListCount(), 0);
    EXPECT_EQ(Count("LB_GETCOUNT 0"), 0) << "no copy before 175 ms";
    world.clock.Advance(115);
    EXPECT_EQ(Count("LB_GETCOUNT 0"), 1) << "the unbound handle gets the count message";
}

TEST_F(UserListsTest, ALeaveAndAJoinBetweenTwoCopiesLeaveTheShownListUntilTheNextRebuild) {
    ChannelList().rows = {"Alice\t0 RATS", "bob\t0 PXES"};
    Start();
    world.clock.Advance(1000);
    ASSERT_EQ(Fx1().ListCount(), 2);
    ChannelList().rows = {"Alice\t0 RATS", "Carl\t0 NB2W"};
    world.clock.Advance(2000);
    EXPECT_EQ(form->List1[1], "Carl\t0 NB2W") << "List1 is current";
    EXPECT_EQ(Fx1().ListItem(2), Shown("bob", "0 PXES")) << "the count stayed: no rebuild";
    // A join changes the count: the list is rebuilt from List1.
    ChannelList().rows.push_back("Dora\t0 RATS");
    world.clock.Advance(175 + 60);
    EXPECT_EQ(Fx1().ListItem(2), Shown("Carl", "0 NB2W"));
    EXPECT_EQ(Fx1().ListCount(), 3);
}

TEST_F(UserListsTest, TheChannelNameIsReadEverySecondAndItsChangeRebuildsTheList) {
    ChannelName().title = "Clan QV (2)";
    ChannelList().rows = {"Alice\t0 RATS", "bob\t0 PXES"};
    Start();
    world.clock.Advance(1000 - kBindMs);
    EXPECT_EQ(form->form["Label1"].Text(), "Clan QV (2)");
    // Another channel with as many users: only the name tells.
    ChannelList().rows = {"Kerrigan\t0 3RAW", "Raynor\t0 RTSJ"};
    ChannelName().title =
        "Op Gr\xC3\xBC\xC3\x9F"
        "e (2)";
    world.clock.Advance(999);
    EXPECT_EQ(Fx1().ListItem(1), Shown("Alice", "0 RATS")) << "the name is not read yet";
    world.clock.Advance(1);
    EXPECT_EQ(form->form["Label1"].Text(),
              "Op Gr\xC3\xBC\xC3\x9F"
              "e (2)");
    EXPECT_EQ(EntriesOf(Fx1()),
              (Entries{{Shown("Kerrigan", "0 3RAW"), 6}, {Shown("Raynor", "0 RTSJ"), 18}}));
}

TEST_F(UserListsTest, AnUnchangedCountOrNameGivesNoRebuild) {
    ChannelName().title = "Clan QV (1)";
    ChannelList().rows = {"Alice\t0 RATS"};
    Start();
    world.clock.Advance(2000);
    Fx1().SetListItem(1, "marked");  // a rebuild would replace it
    world.clock.Advance(5000);
    EXPECT_EQ(Fx1().ListItem(1), "marked");
}

TEST_F(UserListsTest, Timer10RebuildsOnce700msAfterItIsArmed) {
    ChannelList().rows = {"Alice\t0 RATS", "bob\t0 PXES"};
    Start();
    world.clock.Advance(1000);
    ChannelList().rows[1] = "bob\t32 PXES";  // the game marks a squelched user in place
    form->channel_users.Timer10.SetEnabled(true);
    world.clock.Advance(699);
    EXPECT_EQ(IconsOf(Fx1()), (std::vector<int>{2, 0}));
    world.clock.Advance(1);
    EXPECT_EQ(IconsOf(Fx1()), (std::vector<int>{2, 24}));
    EXPECT_FALSE(form->channel_users.Timer10.Enabled());
    Fx1().SetListItem(1, "marked");
    world.clock.Advance(2000);
    EXPECT_EQ(Fx1().ListItem(1), "marked") << "one rebuild per arming";
}

TEST_F(UserListsTest, ARebuildKeepsTheSelectedPosition) {
    ChannelList().rows = {"Alice\t0 RATS", "bob\t0 PXES", "Carl\t0 NB2W"};
    Start();
    world.clock.Advance(1000);
    Fx1().SetListIndex(1);
    ChannelList().rows.erase(ChannelList().rows.begin());
    world.clock.Advance(175 + 60);
    EXPECT_EQ(Fx1().ItemSelectedText(), Shown("Carl", "0 NB2W"));
}

TEST_F(UserListsTest, AListThatIsGoneEmptiesTheListAndTheLabel) {
    ChannelName().title = "Clan QV (1)";
    ChannelList().rows = {"Alice\t0 RATS"};
    Start();
    world.clock.Advance(1000);
    ASSERT_EQ(Fx1().ListCount(), 1);
    world.windows.RemoveWindow(game.Control(7));
    world.windows.RemoveWindow(game.Control(12));
    world.clock.Advance(1000);
    EXPECT_TRUE(form->List1.empty());
    EXPECT_EQ(form->channel_users.Text5.Get(), "0");
    EXPECT_EQ(Fx1().ListCount(), 0);
    EXPECT_EQ(form->form["Label1"].Text(), "");
}

TEST_F(UserListsTest, AHangKeepsTheUsersAndTheNameAndGreetsNobodyWhenTheGameAnswersAgain) {
    ChannelName().title = "Clan QV (3)";
    ChannelList().rows = {"Alice\t0 RATS", "bob\t0 PXES", "Zo\xC3\xAB\t0 NB2W"};
    Start();
    form->greet.form["Command1"].Click();
    world.clock.Advance(1000);
    ASSERT_EQ(SentLines().size(), 1u) << "the channel grew since the greet window loaded";
    const UserEntries shown = EntriesOf(Fx1());
    ASSERT_EQ(shown.size(), 3u);

    Hang(true);
    world.clock.Advance(5000);
    EXPECT_EQ(form->List1, ChannelList().rows);
    EXPECT_EQ(form->channel_users.Text5.Get(), "3");
    EXPECT_EQ(EntriesOf(Fx1()), shown);
    EXPECT_EQ(form->form["Label1"].Text(), "Clan QV (3)");
    // The game answers again; a hang that starts part-way through a copy keeps the last one.
    Hang(false);
    world.clock.Advance(2000);
    bool hung = false;
    world.windows.BeforeNextGetText([&] { Hang(hung = true); });
    for (int ms = 0; ms < 450 && !hung; ++ms) world.clock.Advance(1);
    ASSERT_TRUE(hung);
    EXPECT_EQ(form->List1, ChannelList().rows);
    Hang(false);
    world.clock.Advance(2000);
    EXPECT_EQ(SentLines().size(), 1u) << "nobody joined";
    EXPECT_EQ(EntriesOf(Fx1()), shown);
}

TEST_F(UserListsTest, AnUnreadableRowCopiesAsEmptyAndShowsNothing) {
    ChannelList().rows = {"Alice\t0 RATS", "bob\t0 PXES"};
    Start();
    world.windows.BeforeNextGetText([this] { ChannelList().rows.pop_back(); });
    world.clock.Advance(175);
    world.clock.Advance(1000);
    EXPECT_EQ(Fx1().ListCount(), 1);
}

}  // namespace
}  // namespace qv
