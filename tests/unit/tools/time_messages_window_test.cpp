#include "tools/time_messages_window.h"

#include "unit/tools/tool_fixture.h"

namespace qv {
namespace {

class TimeMessages : public ToolFixture {
  protected:
    TimeMessages() {
        world.local_clock.now = {2008, 1, 24, 7, 5, 9};
        window.Load();
    }
    std::vector<std::string> label6;
    Form3 window{world.platform, send, [this](bool on) { label6.push_back(on ? "on" : "off"); }};
};

TEST_F(TimeMessages, FirstRunShowsTheStoredTextsAndTheOffState) {
    EXPECT_EQ(window.form.Caption(), "Time messages");
    EXPECT_EQ(window.form["Text1"].Text(), "Hello, im using Dunmarrows Quorvane DI Zuvo!");
    EXPECT_EQ(window.form["Text2"].Text(), "Its currently %time!");
    EXPECT_EQ(window.form["Text3"].Text(), "");
    EXPECT_EQ(window.form["Text4"].Text(), "40000");
    EXPECT_EQ(window.form["Label3"].Text(), "Status: Off");
    EXPECT_EQ(window.form["Label3"].ForeColour(), 0x0000FFu);
    EXPECT_EQ(window.Timer1.Interval(), 40000);
    EXPECT_FALSE(window.Timer1.Enabled());
    EXPECT_TRUE(world.settings.values.empty()) << "loading writes nothing";
    EXPECT_EQ(window.form["Label5"].Text(), "Time to send messages (Milliseconds)");
    EXPECT_EQ(window.form["Label6"].Text(), "Commands:");
    EXPECT_EQ(window.form["Label7"].Text(), "%date | Date");
    EXPECT_EQ(window.form["Label8"].Text(), "%time | Time");
    EXPECT_EQ(window.form["Label9"].Text(), "For example: its currently %time !");
}

TEST_F(TimeMessages, StartSavesTheThreeMessagesAndSwitchesOn) {
    window.form["Command2"].Click();
    EXPECT_TRUE(window.Timer1.Enabled());
    EXPECT_EQ(window.form["Label3"].Text(), "Status: On");
    EXPECT_EQ(window.form["Label3"].ForeColour(), 0x00FF00u);
    EXPECT_EQ(label6, (std::vector<std::string>{"on"}));
    EXPECT_EQ(world.settings.values["SaveTimeMessage\\Message1"],
              "Hello, im using Dunmarrows Quorvane DI Zuvo!");
    EXPECT_EQ(world.settings.values["SaveTimeMessage\\Message2"], "Its currently %time!");
    ASSERT_EQ(world.settings.values.count("SaveTimeMessage\\Message3"), 1u);
    EXPECT_EQ(world.settings.values["SaveTimeMessage\\Message3"], "");
}

TEST_F(TimeMessages, EachTickSendsAllThreeFortyMillisecondsLaterTheEmptyOneIncluded) {
    window.form["Text1"].SetText("%date %time");
    window.form["Command2"].Click();
    world.clock.Advance(40000);
    EXPECT_TRUE(Sent().empty()) << "the lines wait for the one-shot";
    EXPECT_EQ(send.time.Get(), "01-24-2008 07:05:09");
    EXPECT_EQ(send.time2.Get(), "Its currently 07:05:09!");
    world.clock.Advance(40);
    EXPECT_EQ(Sent(),
              (std::vector<std::string>{"01-24-2008 07:05:09", "Its currently 07:05:09!", ""}));
    EXPECT_EQ(SendClicks(), 3);
    EXPECT_EQ(send.time.Get(), "");
    EXPECT_FALSE(window.Timer2.Enabled());
    world.clock.Advance(40000);
    EXPECT_EQ(Sent().size(), 6u);
}

TEST_F(TimeMessages, SetNewTimeWithANonNumberGivesFiveSeconds) {
    window.form["Text4"].SetText("abc");
    window.form["Command1"].Click();
    EXPECT_EQ(window.form["Text4"].Text(), "5000");
    EXPECT_EQ(window.Timer1.Interval(), 5000);
    EXPECT_FALSE(window.Timer1.Enabled()) << "the on/off state is not changed";
    window.form["Command2"].Click();
    world.clock.Advance(5040);
    EXPECT_EQ(Sent().size(), 3u);
}

TEST_F(TimeMessages, SetNewTimeKeepsTheEntryInsideItsBounds) {
    window.form["Text4"].SetText("");
    window.form["Command1"].Click();
    EXPECT_EQ(window.form["Text4"].Text(), "5000");
    window.form["Text4"].SetText("4999");
    window.form["Command1"].Click();
    EXPECT_EQ(window.form["Text4"].Text(), "5000");
    EXPECT_EQ(window.Timer1.Interval(), 5000);
    window.form["Text4"].SetText("30000");
    window.form["Command1"].Click();
    EXPECT_EQ(window.form["Text4"].Text(), "30000");
    EXPECT_EQ(window.Timer1.Interval(), 30000);
    window.form["Text4"].SetText("100000");
    window.form["Command1"].Click();
    EXPECT_EQ(window.form["Text4"].Text(), "60000");
    EXPECT_EQ(window.Timer1.Interval(), 60000);
}

TEST_F(TimeMessages, AnEditedIntervalWithoutSetNewTimeHasNoEffect) {
    window.form["Text4"].SetText("10000");
    window.form["Command2"].Click();
    world.clock.Advance(39999);
    EXPECT_TRUE(send.time.Get().empty());
    world.clock.Advance(1 + 40);
    EXPECT_EQ(Sent().size(), 3u);
}

TEST_F(TimeMessages, StopWithinFortyMillisecondsStillSendsThatTick) {
    window.form["Command2"].Click();
    world.clock.Advance(40000 + 20);
    window.form["Command3"].Click();
    EXPECT_EQ(window.form["Label3"].Text(), "Status: Off");
    EXPECT_EQ(label6.back(), "off");
    world.clock.Advance(20);
    EXPECT_EQ(Sent().size(), 3u);
    world.clock.Advance(80000);
    EXPECT_EQ(Sent().size(), 3u);
}

TEST_F(TimeMessages, StopWritesNothing) {
    window.form["Command3"].Click();
    EXPECT_TRUE(world.settings.values.empty());
}

TEST_F(TimeMessages, ClosingHidesAndTheMessagesGoOn) {
    window.Show();
    window.form["Command2"].Click();
    window.form.RequestClose();
    EXPECT_FALSE(window.form.Visible());
    EXPECT_EQ(label6.back(), "on");
    world.clock.Advance(40040);
    EXPECT_EQ(Sent().size(), 3u);
}

TEST_F(TimeMessages, LoadRestoresSavedMessagesAndRunsOnce) {
    SimWorld other;
    other.settings.values["SaveTimeMessage\\Message1"] = "gr\xC3\xBC\xC3\x9F dich";
    other.settings.values["SaveTimeMessage\\Message3"] = "third";
    HandleBoxes b;
    SendPaths s(other.platform, b);
    int loads = 0;
    Form3 w(other.platform, s, nullptr);
    w.on_load = [&] { ++loads; };
    w.Show();
    w.form["Text1"].SetText("edited");
    w.Show();
    EXPECT_EQ(loads, 1);
    EXPECT_EQ(w.form["Text1"].Text(), "edited") << "a window already open keeps its contents";
    EXPECT_EQ(w.form["Text2"].Text(), "Its currently %time!");
    EXPECT_EQ(w.form["Text3"].Text(), "third");
}

TEST_F(TimeMessages, AFailedWriteLosesNothingInTheRunningProgram) {
    world.settings.writable = false;
    window.form["Command2"].Click();
    EXPECT_TRUE(window.Timer1.Enabled());
    world.clock.Advance(40040);
    EXPECT_EQ(Sent().size(), 3u);
}

}  // namespace
}  // namespace qv
