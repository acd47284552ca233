#include "tools/channel_window.h"

#include "tools/join_channel_window.h"
#include "tools/tool_pictures.h"
#include "unit/tools/tool_fixture.h"

namespace qv {
namespace {

class ChannelWindow : public ToolFixture {
  protected:
    FormChannel window{send};
};

TEST_F(ChannelWindow, BeforeTheGameIsAttachedItListsTheFourteenChannels) {
    window.Form_Load("");
    const auto& rows = window.form["List4"].Rows();
    EXPECT_EQ(rows, (std::vector<std::string>{
                        "Blizzard Tech Support", "Open Tech Support", "Blizzard Chat",
                        "Public Chat", "Brood War Games", "Brood War Ladder", "Clan Recruitment",
                        "Terran Strategy", "Zerg Strategy", "Protoss Strategy", "Custom Maps",
                        "WCG Info", "WCG Zone", "Season V"}));
    EXPECT_EQ(window.form["Text3"].Text(), "");
    EXPECT_EQ(window.form.Caption(), "Join a Channel");
}

TEST_F(ChannelWindow, TheCurrentChannelIsTheFifteenthRowAndTheBox) {
    window.Form_Load("Clan QV (3)");
    const auto& rows = window.form["List4"].Rows();
    ASSERT_EQ(rows.size(), 15u);
    EXPECT_EQ(rows[14], "Clan QV");
    EXPECT_EQ(window.form["Text3"].Text(), "Clan QV");
}

TEST_F(ChannelWindow, AParenthesisSecondGivesAnEmptyFifteenthRow) {
    window.form["Text3"].SetText("typed");
    window.Form_Load("x(1)");
    ASSERT_EQ(window.form["List4"].Rows().size(), 15u);
    EXPECT_EQ(window.form["List4"].Rows()[14], "");
    EXPECT_EQ(window.form["Text3"].Text(), "");
}

TEST_F(ChannelWindow, JoinRightAfterOpeningJoinsTheCurrentChannel) {
    window.Form_Load("Op M\xC3\xBCnchen (2)");
    window.form["Command2"].Click();
    EXPECT_EQ(Sent(), (std::vector<std::string>{"/join Op M\xC3\xBCnchen"}));
    EXPECT_EQ(send.time2.Get(), "");
}

TEST_F(ChannelWindow, ADoubleClickOnPublicChatTypesTheJoinLine) {
    window.Form_Load("");
    window.form.Show();
    window.form["List4"].ClickRow(3);  // the double click's first click
    window.form["List4"].DoubleClick();
    EXPECT_EQ(window.form["Text3"].Text(), "Public Chat");
    EXPECT_EQ(Sent(), (std::vector<std::string>{"/join Public Chat"}));
    EXPECT_TRUE(window.form.Visible()) << "joining leaves the window open";
    window.form["Command2"].Click();
    EXPECT_EQ(Sent().size(), 2u) << "a second join sends again";
}

TEST_F(ChannelWindow, ATypedNameIsJoinedAsTypedAndAnEmptyOneAlone) {
    window.Form_Load("");
    window.form["Text3"].SetText("  my  channel ");
    window.form["Command2"].Click();
    window.form["Text3"].SetText("");
    window.form["Command2"].Click();
    EXPECT_EQ(Sent(), (std::vector<std::string>{"/join   my  channel ", "/join "}));
}

TEST_F(ChannelWindow, CloseButtonAndCloseBoxUnload) {
    int unloads = 0;
    window.on_unload = [&] { ++unloads; };
    window.form.Show();
    window.form["Command1"].Click();
    EXPECT_EQ(unloads, 1);
    EXPECT_FALSE(window.form.Visible());
    window.form.Show();
    window.form.RequestClose();
    EXPECT_EQ(unloads, 2);
}

TEST_F(ChannelWindow, PicturesAreOurOwn) {
    EXPECT_EQ(window.form.Picture(), kPictureChannelBack);
    EXPECT_EQ(window.form["Command2"].Picture(), kPictureChannelJoin);
    EXPECT_EQ(window.form["Command1"].Picture(), kPictureChannelClose);
    EXPECT_EQ(window.form["Command1"].Text(), "") << "picture buttons without caption";
}

TEST_F(ChannelWindow, Form5JoinsItsTypedName) {
    Form5 join(send);
    EXPECT_EQ(join.form.Caption(), "Join Channel");
    EXPECT_EQ(join.form["Text1"].Text(), "Channel Name");
    join.form["Text1"].SetText("War Room");
    join.form["Command1"].Click();
    EXPECT_EQ(Sent(), (std::vector<std::string>{"/join War Room"}));
}

}  // namespace
}  // namespace qv
