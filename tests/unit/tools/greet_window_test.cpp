#include "tools/greet_window.h"

#include "unit/tools/tool_fixture.h"

namespace qv {
namespace {

class Greet : public ToolFixture {
  protected:
    Greet() {
        world.local_clock.now = {2008, 1, 24, 7, 5, 9};
        window.Connect(GreetLinks{
            .user_count = [this] { return static_cast<int>(List1.size()); },
            .user_row = [this](int row) { return List1.at(static_cast<size_t>(row)); },
            .user_copier = [this](bool on) { copier.push_back(on); },
            .send = &send,
            .label5 = [this](bool on) { label5.push_back(on ? "on" : "off"); },
        });
    }
    void Join(const std::string& name) { List1.push_back(name + "\t0 RATS"); }

    std::vector<std::string> List1;
    std::vector<bool> copier;
    std::vector<std::string> label5;
    Form4 window{world.platform};
};

TEST_F(Greet, LoadTakesTheCountAndTheDefaultText) {
    Join("Alice");
    Join("Bob");
    window.Load();
    EXPECT_EQ(window.LastUserCount, 2);
    EXPECT_EQ(window.form.Caption(), "Greet message");
    EXPECT_EQ(window.form["Text1"].Text(),
              "/w %user Hello %user I'm using Dunmarrows Quorvane DI Zuvo! Its currently the %date "
              "and it is %time");
    EXPECT_EQ(window.form["Text2"].Text(), "Text2");
    EXPECT_EQ(window.form["Label3"].Text(), "Status: Off");
    EXPECT_FALSE(window.Timer1.Enabled());
    EXPECT_TRUE(world.settings.values.empty());
}

TEST_F(Greet, OneJoinIsGreetedOnceWithTheDefaultText) {
    Join("Bob");
    window.Load();
    window.form["Command1"].Click();
    EXPECT_EQ(world.settings.values["SaveGreetMessage\\Message"], window.form["Text1"].Text());
    EXPECT_EQ(label5, (std::vector<std::string>{"on"}));
    Join("Alice");
    world.clock.Advance(450);
    EXPECT_EQ(Sent(), (std::vector<std::string>{
                          "/w Alice Hello Alice I'm using Dunmarrows Quorvane DI Zuvo! Its "
                          "currently the 01-24-2008 and it is 07:05:09"}));
    EXPECT_EQ(window.form["Text2"].Text(), "Alice");
    EXPECT_EQ(window.LastUserCount, 2);
    world.clock.Advance(450 * 3);
    EXPECT_EQ(Sent().size(), 1u);
    EXPECT_EQ(window.form["Text2"].Text(), "");
}

TEST_F(Greet, EachTickPausesTheUserCopierAndResumesIt) {
    window.Load();
    window.form["Command1"].Click();
    world.clock.Advance(450);
    EXPECT_EQ(copier, (std::vector<bool>{false, true}));
}

TEST_F(Greet, SeveralJoinsGiveOneGreetingForTheLastRow) {
    window.Load();
    window.form["Command1"].Click();
    Join("Ann");
    Join("Ben");
    Join("Cid");
    window.form["Text1"].SetText("hi %user");
    world.clock.Advance(450);
    EXPECT_EQ(Sent(), (std::vector<std::string>{"hi Cid"}));
}

TEST_F(Greet, ALeaveAndAJoinGiveNoneAndAShrinkOnlyLowersTheCount) {
    Join("Ann");
    Join("Ben");
    window.Load();
    window.form["Command1"].Click();
    List1.erase(List1.begin());
    Join("Cid");
    world.clock.Advance(450);
    EXPECT_TRUE(Sent().empty());
    List1.clear();
    world.clock.Advance(450);
    EXPECT_EQ(window.LastUserCount, 0);
    Join("Dan");
    world.clock.Advance(450);
    EXPECT_EQ(Sent().size(), 1u);
}

TEST_F(Greet, RowsWithoutAUsableBlankAreGreetedWithAnEmptyName) {
    window.Load();
    window.form["Command1"].Click();
    window.form["Text1"].SetText("[%user] %user!");
    List1.push_back("NoBlankAtAll");
    world.clock.Advance(450);
    List1.push_back("ab c");
    world.clock.Advance(450);
    EXPECT_EQ(Sent(), (std::vector<std::string>{"[] !", "[] !"}));
}

// Once its line breaks were gone, such a name could read as another player's.
TEST_F(Greet, ANameWithALineBreakIsNotGreetedAndTheNextJoinIs) {
    window.Load();
    window.form["Command1"].Click();
    window.form["Text1"].SetText("/w %user hi");
    Join("Vic\ntim");
    world.clock.Advance(450);
    EXPECT_TRUE(Sent().empty());
    EXPECT_EQ(window.form["Text2"].Text(), "");
    EXPECT_EQ(window.LastUserCount, 1);
    world.clock.Advance(450);
    Join("Ann");
    world.clock.Advance(450);
    EXPECT_EQ(Sent(), (std::vector<std::string>{"/w Ann hi"}));
}

TEST_F(Greet, AGrownChannelIsGreetedAtOnceAfterALongPause) {
    window.Load();
    Join("Ann");
    Join("Ben");
    world.clock.Advance(10000);
    EXPECT_TRUE(Sent().empty()) << "off: no ticks";
    window.form["Text1"].SetText("%user");
    window.form["Command1"].Click();
    world.clock.Advance(450);
    EXPECT_EQ(Sent(), (std::vector<std::string>{"Ben"}));
}

TEST_F(Greet, StopSwitchesOffAndWritesNothing) {
    window.Load();
    window.form["Command1"].Click();
    world.settings.values.clear();
    window.form["Command2"].Click();
    EXPECT_FALSE(window.Timer1.Enabled());
    EXPECT_EQ(window.form["Label3"].Text(), "Status: Off");
    EXPECT_EQ(window.form["Label3"].ForeColour(), 0x0000FFu);
    EXPECT_EQ(label5.back(), "off");
    EXPECT_TRUE(world.settings.values.empty());
}

TEST_F(Greet, ClosingHidesAndGreetingGoesOn) {
    window.Show();
    window.form["Command1"].Click();
    window.form.RequestClose();
    EXPECT_FALSE(window.form.Visible());
    Join("Eve");
    world.clock.Advance(450);
    EXPECT_EQ(Sent().size(), 1u);
    EXPECT_EQ(label5.back(), "on");
}

TEST_F(Greet, LoadRestoresTheSavedTextOnce) {
    world.settings.values["SaveGreetMessage\\Message"] =
        "Gr\xC3\xBC\xC3\x9F"
        "e %user";
    int loads = 0;
    window.on_load = [&] { ++loads; };
    window.Command3_Click();  // the chat mirror loads it unseen first
    window.Show();
    EXPECT_EQ(loads, 1);
    EXPECT_EQ(window.form["Text1"].Text(),
              "Gr\xC3\xBC\xC3\x9F"
              "e %user");
    EXPECT_TRUE(window.form.Visible());
}

TEST_F(Greet, TheHiddenTimeButtonStampsTheWelcomeLines) {
    window.form["Command3"].Click();
    EXPECT_TRUE(window.Loaded());
    EXPECT_EQ(window.Text3.Get(), "07:05:09");
    EXPECT_EQ(window.form["Text3"].Text(), "07:05:09");
    EXPECT_FALSE(window.form["Text3"].Visible());
}

TEST_F(Greet, CountsBeyondSixteenBitsStayAtTheLargestCount) {
    for (int i = 0; i < 40000; ++i) List1.push_back("u" + std::to_string(i) + "xx y");
    window.Load();
    EXPECT_EQ(window.LastUserCount, 32767);
    // Compared as 16-bit numbers, such a list has not grown: nobody is greeted tick after tick.
    window.form["Command1"].Click();
    world.clock.Advance(450 * 3);
    EXPECT_TRUE(Sent().empty());
}

}  // namespace
}  // namespace qv
