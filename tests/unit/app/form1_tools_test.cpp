// The main window's tool windows and menu bar, driven as a player would: through
// the menu entries and the channel button, on the simulated game and the virtual clock.
#include <gtest/gtest.h>

#include <algorithm>

#include "app/form1_layout.h"
#include "unit/form_fixture.h"

namespace qv {
namespace {

class Form1Tools : public FormFixture {
  protected:
    void Start() {
        form = std::make_unique<Form1>(world.platform, world.chat_view);
        form->Start();
        form->shell = &world.shell;
        form->form_loaded = [this](FormState& state) { loaded.push_back(state.Spec().name); };
        form->form_unloaded = [this](FormState& state) { unloaded.push_back(state.Spec().name); };
    }
    std::vector<std::string> Sent() const {
        std::vector<std::string> lines;
        const std::string prefix = "WM_SETTEXT " + Handle(game->Control(0)) + " ";
        for (const std::string& entry : world.windows.log) {
            if (entry.rfind(prefix, 0) == 0) lines.push_back(entry.substr(prefix.size()));
        }
        return lines;
    }
    void Bind() {
        game = std::make_unique<SimGame>(world.windows);
        Start();
        world.clock.Advance(555);
        ASSERT_EQ(form->boxes.text.Get(), Handle(game->Control(0)));
    }
    // The game's channel user list box and its channel-name control.
    SimWindow& GameUsers() { return world.windows.Get(game->Control(7)); }
    SimWindow& GameChannelName() { return world.windows.Get(game->Control(12)); }

    std::unique_ptr<SimGame> game;
    std::vector<std::string> loaded;
    std::vector<std::string> unloaded;
};

TEST_F(Form1Tools, MenuBarHasEveryMenuAndEntryWithItsCaption) {
    Start();
    const MenuBarTable& bar = form->menu.Table();
    std::vector<std::string> menus;
    std::vector<std::string> entries;
    for (const MenuTable& menu : bar) {
        menus.push_back(std::string(menu.name) + "=" + menu.caption);
        for (const MenuEntryTable& entry : menu.entries) {
            entries.push_back(std::string(entry.name) + "=" + entry.caption);
        }
    }
    EXPECT_EQ(menus, (std::vector<std::string>{"File=File", "Message=Message", "NAlert=Name Alert",
                                               "Histroy=Show Message History", "Style=Style",
                                               "chatlog=Chat Logging", "Help=Help"}));
    EXPECT_EQ(entries, (std::vector<std::string>{
                           "exit=Exit", "Gmessage=Greet Message", "TMessage=Time Message",
                           "namealertfun=Open Name Alert window",
                           "Mhistroy=This show all messages from the game",
                           "scstyle=Starcraft Style", "bluestyle=Blue Style", "silver=Silver Style",
                           "enab=Enable", "disab=Disable", "hp=HomePage / How to use it"}));
}

TEST_F(Form1Tools, CheckMarksAtStart) {
    Start();
    EXPECT_TRUE(form->menu.Checked("scstyle"));
    EXPECT_FALSE(form->menu.Checked("bluestyle"));
    EXPECT_FALSE(form->menu.Checked("silver"));
    EXPECT_FALSE(form->menu.Checked("enab"));
    EXPECT_TRUE(form->menu.Checked("disab"));
    world.clock.Advance(1);  // the start-up restore leaves them, with no values stored
    EXPECT_TRUE(form->menu.Checked("disab"));
}

TEST_F(Form1Tools, StatusBlockShowsDisabledInRedAtStart) {
    Start();
    for (const char* label : {"Label5", "Label6", "Label11"}) {
        EXPECT_EQ(form->form[label].Text(), "Disabled") << label;
        EXPECT_EQ(form->form[label].ForeColour(), 0x0000FFu) << label;
    }
    EXPECT_EQ(form->form["Label4(0)"].Text(), "Greet Message");
    EXPECT_EQ(form->form["Label4(1)"].Text(), "Time Message");
    EXPECT_EQ(form->form["Label10"].Text(), "Name Alert");
    const ControlRect shape = form->form["Shape1"].Bounds();
    EXPECT_EQ(shape, (ControlRect{12, 18, 102, 161}));
    EXPECT_EQ(form->form["Label11"].Bounds(), (ControlRect{24, 152, 81, 17}));
    EXPECT_EQ(form->form["Command6"].Bounds(), (ControlRect{12, 308, 102, 50}));
}

TEST_F(Form1Tools, EntriesOpenTheirWindowsAsSingleInstances) {
    Start();
    form->menu.Click("TMessage");
    EXPECT_TRUE(form->time_messages.form.Visible());
    form->time_messages.form["Text3"].SetText("kept");
    form->time_messages.form.RequestClose();
    form->menu.Click("TMessage");
    EXPECT_EQ(form->time_messages.form["Text3"].Text(), "kept");
    form->menu.Click("Gmessage");
    form->menu.Click("Gmessage");
    EXPECT_TRUE(form->greet.form.Visible());
    form->menu.Click("namealertfun");
    EXPECT_TRUE(form->name_alert.form.Visible());
    EXPECT_EQ(loaded, (std::vector<std::string>{"Form3", "Form4", "Form8"}));
}

TEST_F(Form1Tools, StartUpLoadsTheNameAlertWindowHidden) {
    world.settings.values["SaveAlertMessage\\Message1"] = "bob";
    world.settings.values["SaveAlertMessage\\Enable"] = "1";
    Start();
    EXPECT_EQ(form->form["Label11"].Text(), "Disabled");
    world.clock.Advance(1);
    EXPECT_EQ(loaded, (std::vector<std::string>{"Form8"}));
    EXPECT_FALSE(form->name_alert.form.Visible());
    EXPECT_EQ(form->Label11.Get(), "Enabled");
    EXPECT_EQ(form->form["Label11"].Text(), "Enabled");
    EXPECT_EQ(form->form["Label11"].ForeColour(), 0x00FF00u);
    form->menu.Click("namealertfun");
    EXPECT_EQ(form->name_alert.form["Text1"].Text(), "bob");
    EXPECT_EQ(loaded.size(), 1u);
}

TEST_F(Form1Tools, TheNameAlertWindowsWordsSoundTheAlert) {
    game = std::make_unique<SimGame>(world.windows);
    Start();
    world.clock.Advance(555 + 50 + 200);
    form->menu.Click("namealertfun");
    form->name_alert.form["Text4"].SetText("J\xC3\xBCrgen");
    form->name_alert.form["Command1"].Click();
    game->AddChatRow(
        "\x10"
        "Bob\x11: hi j\xC3\xBCrgen");
    world.clock.Advance(200);
    EXPECT_FALSE(world.sound.plays.empty());
    const size_t plays = world.sound.plays.size();
    form->name_alert.form["Command2"].Click();
    EXPECT_EQ(form->form["Label11"].Text(), "Disabled");
    game->AddChatRow(
        "\x10"
        "Bob\x11: j\xC3\xBCrgen again");
    world.clock.Advance(200);
    EXPECT_EQ(world.sound.plays.size(), plays);
}

TEST_F(Form1Tools, StartAndStopShowTheirStatusOnTheMainWindow) {
    Start();
    form->menu.Click("TMessage");
    form->time_messages.form["Command2"].Click();
    EXPECT_EQ(form->form["Label6"].Text(), "Enabled");
    EXPECT_EQ(form->form["Label6"].ForeColour(), 0x00FF00u);
    form->menu.Click("Gmessage");
    form->greet.form["Command1"].Click();
    EXPECT_EQ(form->form["Label5"].Text(), "Enabled");
    form->greet.form["Command2"].Click();
    EXPECT_EQ(form->form["Label5"].Text(), "Disabled");
    EXPECT_EQ(form->form["Label5"].ForeColour(), 0x0000FFu);
    form->time_messages.form.RequestClose();
    EXPECT_EQ(form->form["Label6"].Text(), "Enabled") << "closing only hides";
}

TEST_F(Form1Tools, TimedMessagesReachTheGameThroughTheMainWindow) {
    Bind();
    world.local_clock.now = {2008, 1, 24, 7, 5, 9};
    form->menu.Click("TMessage");
    Form3& w = form->time_messages;
    w.form["Text1"].SetText("%date %time");
    w.form["Text4"].SetText("abc");
    w.form["Command1"].Click();
    w.form["Command2"].Click();  // t = 555: ticks at 5555, ..., each sent 40 ms later
    world.clock.Advance(5040);
    const std::vector<std::string> timed{"01-24-2008 07:05:09", "Its currently 07:05:09!", ""};
    EXPECT_EQ(Sent(), timed);

    // The greeting and a join made between a tick and its send take no box from the timed
    // messages: each line reaches the game once, in the order they were made.
    world.clock.Advance(30);  // t = 5625: greet ticks from here come at 6075, ..., 10575
    form->menu.Click("Gmessage");
    form->greet.form["Command1"].Click();
    form->form["Command6"].Click();
    form->channel->form["Text3"].SetText("Op QV");
    world.clock.Advance(10400 - 5625);
    GameUsers().rows = {"Ann\t0 RATS"};  // copied into List1 at 10475
    world.clock.Advance(160);            // t = 10560: the boxes are filled since 10555
    form->channel->form["Command2"].Click();
    world.clock.Advance(15);  // 10575: the greeting
    EXPECT_EQ(Sent(), timed) << "nothing goes out before the timed messages";
    world.clock.Advance(20);  // 10595: the timed messages, then the join and the greeting
    std::vector<std::string> expected = timed;
    expected.insert(expected.end(), timed.begin(), timed.end());
    expected.push_back("/join Op QV");
    expected.push_back(
        "/w Ann Hello Ann I'm using Dunmarrows Quorvane DI Zuvo! Its currently the 01-24-2008 and "
        "it is 07:05:09");
    EXPECT_EQ(Sent(), expected);
}

TEST_F(Form1Tools, ChannelButtonOpensTheChannelWindowAndJoins) {
    Bind();
    GameChannelName().title = "Clan Q\xC3\xA4V (3)";
    world.clock.Advance(1000);  // the channel name reaches Label1
    form->form["Command6"].Click();
    ASSERT_TRUE(form->channel);
    EXPECT_TRUE(form->channel->form.Visible());
    const std::vector<std::string>& rows = form->channel->form["List4"].Rows();
    ASSERT_EQ(rows.size(), 15u);
    EXPECT_EQ(rows[14], "Clan Q\xC3\xA4V") << "the current channel is the fifteenth row";
    EXPECT_EQ(form->channel->form["Text3"].Text(), "Clan Q\xC3\xA4V");
    form->channel->form["List4"].ClickRow(3);
    form->channel->form["List4"].DoubleClick();
    EXPECT_EQ(Sent(), (std::vector<std::string>{"/join Public Chat"}));
    // Open: pressing the button again keeps it as it is.
    form->channel->form["Text3"].SetText("typed");
    form->form["Command6"].Click();
    EXPECT_EQ(form->channel->form["Text3"].Text(), "typed");
    EXPECT_EQ(std::count(loaded.begin(), loaded.end(), "FormChannel"), 1);
    // Closed: the next opening builds it anew.
    form->channel->form["Command1"].Click();
    EXPECT_FALSE(form->channel);
    EXPECT_EQ(unloaded, (std::vector<std::string>{"FormChannel"}));
    // Closed: the next opening builds it anew, with the channel of that moment.
    GameChannelName().title = "";
    world.clock.Advance(1000);
    form->form["Command6"].Click();
    ASSERT_TRUE(form->channel);
    EXPECT_EQ(form->channel->form["Text3"].Text(), "");
    EXPECT_EQ(form->channel->form["List4"].Rows().size(), 14u);
    form->channel->form.RequestClose();
    EXPECT_EQ(unloaded.size(), 2u);
}

// The greeting through the main window: the game's channel rows reach List1 through the
// channel-user copier (Timer6), and the greet window greets the user who joined.
TEST_F(Form1Tools, AUserJoiningTheChannelIsGreetedOnceWithDateAndTime) {
    game = std::make_unique<SimGame>(world.windows);
    GameUsers().rows = {"Ann\t0 RATS"};
    Start();
    world.local_clock.now = {2008, 1, 24, 7, 5, 9};
    world.clock.Advance(555);
    // Binding the chat list loads the greet window unseen, before List1 holds Ann.
    EXPECT_TRUE(form->greet.Loaded());
    EXPECT_EQ(form->greet.LastUserCount, 0);
    world.clock.Advance(445);  // t = 1000: List1 copied
    ASSERT_EQ(form->List1, GameUsers().rows);
    form->menu.Click("Gmessage");
    EXPECT_TRUE(form->greet.form.Visible());
    form->greet.form["Command1"].Click();
    EXPECT_EQ(form->form["Label5"].Text(), "Enabled");

    // Greet ticks at 1450, 1900, ...; the copier ticks every 175 ms from start (1400, 1575,
    // ...) unless a greet tick pauses and resumes it, which restarts its period. The first
    // tick greets Ann: the channel grew since the window loaded.
    world.clock.Advance(451);  // t = 1451
    EXPECT_TRUE(form->channel_users.Timer6.Enabled()) << "each greet tick resumes the copier";
    const std::string ann =
        "/w Ann Hello Ann I'm using Dunmarrows Quorvane DI Zuvo! Its currently the 01-24-2008 "
        "and it is 07:05:09";
    EXPECT_EQ(Sent(), (std::vector<std::string>{ann}));
    EXPECT_EQ(form->greet.LastUserCount, 1);
    GameUsers().rows.push_back("J\xC3\xBCrgen\t0 PXES");
    world.clock.Advance(124);  // t = 1575: the copier would have run here without the pause
    EXPECT_EQ(form->List1.size(), 1u) << "the greet tick at 1450 restarted the copier";
    world.clock.Advance(50);  // t = 1625: the copier runs, List1 grows
    ASSERT_EQ(form->List1.size(), 2u);
    world.clock.Advance(275);  // t = 1900: the greet tick
    const std::vector<std::string> greetings{
        ann,
        "/w J\xC3\xBCrgen Hello J\xC3\xBCrgen I'm using Dunmarrows Quorvane DI Zuvo! Its "
        "currently the 01-24-2008 and it is 07:05:09"};
    EXPECT_EQ(Sent(), greetings);
    EXPECT_EQ(form->greet.LastUserCount, 2);

    // Only once per join; a leave lowers the count, the next join is greeted again.
    world.clock.Advance(450 * 4);
    EXPECT_EQ(Sent(), greetings);
    GameUsers().rows.erase(GameUsers().rows.begin() + 1);
    world.clock.Advance(450 * 2);
    EXPECT_EQ(form->greet.LastUserCount, 1);
    EXPECT_EQ(Sent(), greetings);
    GameUsers().rows.push_back("Bob\t0 RATS");
    world.clock.Advance(450 * 2);
    ASSERT_EQ(Sent().size(), 3u);
    EXPECT_EQ(Sent()[2].substr(0, 19), "/w Bob Hello Bob I'");

    // Stop: joins go ungreeted, and the copier keeps its own pace.
    form->greet.form["Command2"].Click();
    EXPECT_EQ(form->form["Label5"].Text(), "Disabled");
    GameUsers().rows.push_back("Cid\t0 RATS");
    world.clock.Advance(2000);
    EXPECT_EQ(form->List1.size(), 3u);
    EXPECT_EQ(Sent().size(), 3u);
}

TEST_F(Form1Tools, LoggingEntriesSwitchAndMoveTheirChecks) {
    Start();
    form->menu.Click("enab");
    EXPECT_TRUE(form->menu.Checked("enab"));
    EXPECT_FALSE(form->menu.Checked("disab"));
    EXPECT_EQ(world.settings.values["Logfile\\Log"], "1");
    form->menu.Click("disab");
    EXPECT_FALSE(form->menu.Checked("enab"));
    EXPECT_TRUE(form->menu.Checked("disab"));
    EXPECT_EQ(world.settings.values["Logfile\\Log"], "0");
}

TEST_F(Form1Tools, RestoredLoggingMovesTheChecks) {
    world.settings.values["Logfile\\Log"] = "1";
    Start();
    world.clock.Advance(1);
    EXPECT_TRUE(form->menu.Checked("enab"));
    EXPECT_FALSE(form->menu.Checked("disab"));
}

TEST_F(Form1Tools, HomePageOpensThroughTheShellInTheProgramsFolder) {
    Start();
    form->menu.Click("hp");
    ASSERT_EQ(world.shell.calls.size(), 1u);
    EXPECT_EQ(world.shell.calls[0].operation, "Open");
    EXPECT_EQ(world.shell.calls[0].file, kHomePage);
    EXPECT_EQ(world.shell.calls[0].working_folder, "C:/Games/Quorvane");
}

TEST_F(Form1Tools, ExitEndsAtOnceWithoutSaving) {
    Start();
    form->menu.Click("exit");
    EXPECT_EQ(world.process.ended, 1);
    EXPECT_TRUE(world.settings.values.empty());
}

TEST_F(Form1Tools, MenuCommandsByIdReachTheirEntries) {
    Start();
    EXPECT_TRUE(form->menu.ClickId(kMenuTMessage));
    EXPECT_TRUE(form->time_messages.form.Visible());
    EXPECT_FALSE(form->menu.ClickId(999));
    EXPECT_FALSE(form->menu.Click("nothing"));
}

// The settings come back after a restart whether the machine key takes them or refuses them.
void SaveEverything(Form1& form) {
    form.menu.Click("TMessage");
    form.time_messages.form["Text3"].SetText("third \xE2\x82\xAC");
    form.time_messages.form["Command2"].Click();
    form.menu.Click("Gmessage");
    form.greet.form["Text1"].SetText("hi %user");
    form.greet.form["Command1"].Click();
    form.menu.Click("namealertfun");
    form.name_alert.form["Text6"].SetText("\xC3\xA4rger");
    form.name_alert.form["Command1"].Click();
}

void ExpectEverythingBack(SimWorld& world) {
    Form1 again(world.platform, world.chat_view);
    again.Start();
    world.clock.Advance(1);
    EXPECT_EQ(again.Label11.Get(), "Enabled");
    again.menu.Click("TMessage");
    again.menu.Click("Gmessage");
    EXPECT_EQ(again.time_messages.form["Text3"].Text(), "third \xE2\x82\xAC");
    EXPECT_EQ(again.greet.form["Text1"].Text(), "hi %user");
    EXPECT_EQ(again.name_alert.form["Text6"].Text(), "\xC3\xA4rger");
    EXPECT_EQ(again.form["Label6"].Text(), "Disabled") << "the on/off state is not saved";
}

TEST_F(Form1Tools, SettingsComeBackAfterARestart) {
    Start();
    SaveEverything(*form);
    EXPECT_TRUE(world.settings.user_values.empty());
    form.reset();
    ExpectEverythingBack(world);
}

TEST_F(Form1Tools, SettingsComeBackAfterARestartWhenTheMachineRefusesThem) {
    world.settings.machine_refused = true;
    Start();
    SaveEverything(*form);
    EXPECT_TRUE(world.settings.values.empty());
    EXPECT_EQ(world.settings.user_values["SaveGreetMessage\\Message"], "hi %user");
    form.reset();
    ExpectEverythingBack(world);
}

}  // namespace
}  // namespace qv
