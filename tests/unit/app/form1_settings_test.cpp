// The main window's settings restore, 1 ms after start, and its shut-down when the player
// closes it, on the simulated game: what comes back from the store, what is saved, and what
// the game's tabs and list scroll bars are left showing.
#include <gtest/gtest.h>

#include "app/skin_pictures.h"
#include "unit/userlists/user_lists_fixture.h"

namespace qv {
namespace {

class SettingsRestore : public UserListsTest {
  protected:
    // Builds the window without binding, counting Check1's click handler runs.
    void StartCounting() {
        Start(false);
        form->form["Check1"].OnClick([this] {
            ++check1_clicks;
            form->friends.Check1_Click();
        });
        world.clock.Advance(1);
    }
    std::vector<int> Places() {
        const ControlRect send = form->form["Command1"].Bounds();
        const ControlRect whisper = form->form["Command4"].Bounds();
        return {send.top, send.height, whisper.top, whisper.height};
    }
    int Picture(const char* name) { return form->form[name].Picture(); }
    std::optional<std::string> Stored(const std::string& name) { return world.settings.Read(name); }
    void Rows(SimWindow& list, int count) {
        list.rows.clear();
        for (int i = 0; i < count; ++i) list.rows.push_back("u" + std::to_string(i) + "\t0 RATS");
    }
    // The game's windows clicked, as rows of its chat screen, from `from` on in the log.
    std::vector<int> ClickedRows(size_t from = 0) {
        std::vector<int> rows;
        for (size_t i = from; i < world.windows.log.size(); ++i) {
            for (int row = 0; row < 18; ++row) {
                if (world.windows.log[i] == "CLICK " + std::to_string(game.Control(row))) {
                    rows.push_back(row);
                }
            }
        }
        return rows;
    }

    int check1_clicks = 0;
};

TEST_F(SettingsRestore, AFirstRunKeepsTheDesignStateAndKeepsTheDesignPictures) {
    StartCounting();
    EXPECT_FALSE(form->Timer11.Enabled());
    EXPECT_EQ(Picture("Picture1"), kStarcraftPictures.background);
    EXPECT_EQ(Picture("Picture2"), kStarcraftPictures.send);
    EXPECT_EQ(Picture("Picture3"), kStarcraftPictures.whisper);
    EXPECT_EQ(Picture("Picture4"), kStarcraftPictures.quit);
    EXPECT_EQ(Picture("Picture5"), kStarcraftPictures.channels);
    EXPECT_EQ(Picture("Picture6"), kStarcraftPictures.create);
    EXPECT_EQ(Picture("Picture7"), kStarcraftPictures.join);
    EXPECT_EQ(form->form.Picture(), kStarcraftPictures.background);
    EXPECT_EQ(Places(), (std::vector<int>{501, 30, 502, 29}));
    EXPECT_TRUE(form->menu.Checked("scstyle"));
    EXPECT_EQ(form->form["Check1"].Value(), 1);
    EXPECT_EQ(check1_clicks, 0);
    EXPECT_TRUE(form->menu.Checked("disab"));
    EXPECT_EQ(form->AlertToneImage_.size(), 176444u);
    EXPECT_TRUE(form->name_alert.Loaded());
    EXPECT_FALSE(form->name_alert.form.Visible()) << "loaded hidden";
    EXPECT_TRUE(world.settings.values.empty()) << "a first run writes nothing";
}

TEST_F(SettingsRestore, TheRestoredSkinIsWrittenAgainByItsMenuHandler) {
    // Only a per-user value: the handler's write goes to the machine key and so shows.
    world.settings.user_values["SaveStyle\\Style"] = "3";
    StartCounting();
    EXPECT_EQ(world.settings.values["SaveStyle\\Style"], "3");
    EXPECT_EQ(form->form.Picture(), kSilverPictures.background);
}

TEST_F(SettingsRestore, TheStoredSkinComesBackAndIsWrittenBack) {
    world.settings.values["SaveStyle\\Style"] = "2";
    StartCounting();
    EXPECT_EQ(form->form.Picture(), kBluePictures.background);
    EXPECT_EQ(Picture("Command1"), kBluePictures.send);
    EXPECT_EQ(Picture("Command6"), kBluePictures.channels);
    EXPECT_EQ(Places(), (std::vector<int>{497, 30, 498, 28}));
    EXPECT_TRUE(form->menu.Checked("bluestyle"));
    EXPECT_FALSE(form->menu.Checked("scstyle"));
    // The backup still holds the design-time pictures, taken before the skin was shown.
    EXPECT_EQ(Picture("Picture1"), kStarcraftPictures.background);
    EXPECT_EQ(Picture("Picture3"), kStarcraftPictures.whisper);
    EXPECT_FALSE(form->Timer11.Enabled());
}

TEST_F(SettingsRestore, SilverComesBackAndOtherStyleTextsKeepTheStarcraftSkin) {
    world.settings.values["SaveStyle\\Style"] = "3";
    StartCounting();
    EXPECT_EQ(form->form.Picture(), kSilverPictures.background);
    EXPECT_EQ(Picture("Command4"), kSilverPictures.whisper);
    EXPECT_EQ(Places(), (std::vector<int>{496, 30, 497, 28}));
    EXPECT_TRUE(form->menu.Checked("silver"));

    for (const char* style : {"1", "4", "", " 2", "blue"}) {
        SCOPED_TRACE(style);
        SimWorld other;
        other.settings.values["SaveStyle\\Style"] = style;
        Form1 f(other.platform, other.chat_view);
        f.Start();
        other.clock.Advance(1);
        EXPECT_EQ(f.form.Picture(), kStarcraftPictures.background);
        EXPECT_EQ(f.form["Command1"].Picture(), kStarcraftPictures.send);
        EXPECT_EQ(f.form["Command4"].Bounds().top, 502);
        EXPECT_TRUE(f.menu.Checked("scstyle"));
        EXPECT_FALSE(f.menu.Checked("bluestyle"));
        EXPECT_EQ(other.settings.values.at("SaveStyle\\Style"), style) << "nothing rewritten";
        EXPECT_FALSE(f.Timer11.Enabled());
    }
}

TEST_F(SettingsRestore, TheHideValueSetsTheBoxOnlyWhenItIsAValidCheckBoxValue) {
    world.settings.values["SaveHide\\Hide"] = "0";
    StartCounting();
    EXPECT_EQ(form->form["Check1"].Value(), 0);
    EXPECT_EQ(check1_clicks, 1) << "the change runs the click handler once";

    struct Case {
        const char* stored;
        int value;
        int clicks;
    };
    for (const Case& c :
         {Case{"1", 1, 0}, Case{"2", 2, 1}, Case{"3", 1, 0}, Case{"-1", 1, 0}, Case{"abc", 1, 0},
          Case{"", 1, 0}, Case{"70000", 1, 0}, Case{" 0.0 ", 0, 1}, Case{"0.4", 0, 1},
          Case{"0.6", 1, 0}, Case{"2.5", 2, 1}, Case{"1e0", 1, 0}}) {
        SCOPED_TRACE(c.stored);
        SimWorld other;
        other.settings.values["SaveHide\\Hide"] = c.stored;
        Form1 f(other.platform, other.chat_view);
        int clicks = 0;
        f.form["Check1"].OnClick([&] { ++clicks; });
        f.Start();
        other.clock.Advance(1);
        EXPECT_EQ(f.form["Check1"].Value(), c.value);
        EXPECT_EQ(clicks, c.clicks);
    }
}

TEST_F(SettingsRestore, LoggingAndTheAlertWordsComeBackWithTheirChecks) {
    world.settings.values["Logfile\\Log"] = "1";
    world.settings.values["SaveAlertMessage\\Message1"] = "\xC3\xA4rger \xE2\x82\xAC";
    StartCounting();
    EXPECT_TRUE(form->menu.Checked("enab"));
    EXPECT_FALSE(form->menu.Checked("disab"));
    EXPECT_TRUE(form->log_switch.EnabChecked());
    EXPECT_EQ(form->name_alert.AlertWord(0), "\xC3\xA4rger \xE2\x82\xAC");
    EXPECT_FALSE(form->name_alert.form.Visible());

    SimWorld other;
    other.settings.values["Logfile\\Log"] = "yes";
    Form1 f(other.platform, other.chat_view);
    f.Start();
    other.clock.Advance(1);
    EXPECT_TRUE(f.menu.Checked("disab")) << "any other text leaves logging off";
}

TEST_F(SettingsRestore, TheRestoreRunsOnce) {
    world.settings.values["SaveHide\\Hide"] = "0";
    StartCounting();
    form->form["Check1"].Click();  // the player ticks it again
    world.clock.Advance(5000);
    EXPECT_EQ(form->form["Check1"].Value(), 1);
    EXPECT_EQ(check1_clicks, 2);
    EXPECT_FALSE(form->Timer11.Enabled());
}

class ShutDown : public SettingsRestore {};

TEST_F(ShutDown, ClosingSavesTheBoxThenLeavesTheGameOnItsChannelTabAndEnds) {
    Start();
    form->form["Check1"].Click();  // the player unticks it
    const size_t before = world.windows.log.size();
    form->form.RequestClose();
    EXPECT_EQ(Stored("SaveHide\\Hide"), "0");
    EXPECT_EQ(ClickedRows(before), (std::vector<int>{2, 1})) << "Friends tab, then Channel tab";
    EXPECT_EQ(world.process.ended, 1);
}

TEST_F(ShutDown, TheVisibleChannelListDecidesTheScrollBarsByTheThirteenRowRule) {
    Rows(ChannelList(), 20);
    FriendsScroll().visible = true;
    Start();
    // Hidden behind the program's back since its last upkeep.
    ChannelScroll().visible = false;
    FriendsScroll().visible = true;
    form->form.RequestClose();
    EXPECT_TRUE(ChannelScroll().visible);
    EXPECT_FALSE(FriendsScroll().visible);

    SimWorld other;
    SimGame other_game(other.windows);
    Form1 f(other.platform, other.chat_view);
    f.Start();
    other.clock.Advance(kBindMs);
    SimWindow& channel = other.windows.Get(other_game.Control(7));
    channel.rows.assign(5, "u\t0 RATS");
    other.windows.Get(other_game.Control(13)).visible = true;
    other.windows.Get(other_game.Control(14)).visible = true;
    f.form.RequestClose();
    EXPECT_FALSE(other.windows.Get(other_game.Control(13)).visible) << "fewer than 13: hidden";
    EXPECT_TRUE(other.windows.Get(other_game.Control(14)).visible) << "the friends bar is left";
}

TEST_F(ShutDown, ExactlyThirteenRowsLeaveBothScrollBarsAsTheyAre) {
    Rows(ChannelList(), 13);
    Start();
    ChannelScroll().visible = false;
    FriendsScroll().visible = true;
    const size_t before = world.windows.log.size();
    form->form.RequestClose();
    for (size_t i = before; i < world.windows.log.size(); ++i) {
        EXPECT_NE(world.windows.log[i].rfind("SHOW ", 0), 0u) << world.windows.log[i];
        EXPECT_NE(world.windows.log[i].rfind("HIDE ", 0), 0u) << world.windows.log[i];
    }
    EXPECT_FALSE(ChannelScroll().visible);
    EXPECT_TRUE(FriendsScroll().visible);
}

TEST_F(ShutDown, OnTheFriendsTabTheFriendsCountDecidesAndTheGameEndsOnItsChannelTab) {
    Start();
    ChannelList().visible = false;
    FriendsList().visible = true;
    Rows(ChannelList(), 40);
    Rows(FriendsList(), 14);
    ChannelScroll().visible = true;
    FriendsScroll().visible = false;
    const size_t before = world.windows.log.size();
    form->form.RequestClose();
    EXPECT_TRUE(FriendsScroll().visible);
    EXPECT_FALSE(ChannelScroll().visible);
    EXPECT_EQ(ClickedRows(before), (std::vector<int>{2, 1})) << "Friends tab, then Channel tab";
}

TEST_F(ShutDown, OnTheFriendsTabFewerThanThirteenFriendsHideTheFriendsBarOnly) {
    Start();
    ChannelList().visible = false;
    FriendsList().visible = true;
    Rows(ChannelList(), 40);
    Rows(FriendsList(), 12);
    ChannelScroll().visible = true;
    FriendsScroll().visible = true;
    form->form.RequestClose();
    EXPECT_FALSE(FriendsScroll().visible);
    EXPECT_TRUE(ChannelScroll().visible) << "the channel count plays no part on this tab";
}

TEST_F(ShutDown, TheChannelListsStyleIsAskedOnceSoOneRuleRuns) {
    Rows(ChannelList(), 20);
    Rows(FriendsList(), 20);
    Start();
    ChannelScroll().visible = false;
    FriendsScroll().visible = false;
    // The game leaves its channel tab while the shut-down looks: a second look at the style
    // would run the friends rule as well and show the friends bar.
    int looks = 0;
    world.windows.on_get_style = [&](WindowHandle window) {
        if (window == game.Control(7) && ++looks == 1) ChannelList().visible = false;
    };
    form->form.RequestClose();
    EXPECT_TRUE(ChannelScroll().visible);
    EXPECT_FALSE(FriendsScroll().visible);
}

TEST_F(ShutDown, NeverBoundOrWithARefusingStoreItStillClicksNothingHarmfulAndEnds) {
    world.settings.writable = false;
    Start(false);
    world.clock.Advance(1);
    const size_t before = world.windows.log.size();
    form->form.RequestClose();
    EXPECT_EQ(Stored("SaveHide\\Hide"), std::nullopt) << "the refused value is lost";
    EXPECT_TRUE(ClickedRows(before).empty());
    std::vector<std::string> clicks;
    for (size_t i = before; i < world.windows.log.size(); ++i) {
        if (world.windows.log[i].rfind("CLICK ", 0) == 0) clicks.push_back(world.windows.log[i]);
    }
    EXPECT_EQ(clicks, (std::vector<std::string>{"CLICK 0", "CLICK 0"}));
    EXPECT_EQ(world.process.ended, 1);
}

TEST_F(ShutDown, ExitEndsAtOnceWithoutSavingOrTouchingTheGame) {
    world.settings.values["SaveHide\\Hide"] = "1";
    Rows(ChannelList(), 20);
    Start();
    form->form["Check1"].Click();
    ChannelScroll().visible = false;
    const size_t before = world.windows.log.size();
    form->menu.Click("exit");
    EXPECT_EQ(world.process.ended, 1);
    EXPECT_EQ(Stored("SaveHide\\Hide"), "1") << "the old value stays";
    EXPECT_TRUE(ClickedRows(before).empty());
    EXPECT_FALSE(ChannelScroll().visible);
}

}  // namespace
}  // namespace qv
