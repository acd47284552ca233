// The user pop-up on the main window: a right click on a user opens the pop-up at the cursor, the
// pop-up's commands and the Whisper button send through the typing box and Send, the double
// click appends the name, and every close rule unloads the pop-up. With two
// obvious faults mended: no name sends nothing, and the pop-up sits on the cursor in pixels.
#include "unit/userlists/user_lists_fixture.h"
#include "userlists/form7_layout.h"

namespace qv {
namespace {

constexpr WindowHandle kPopupWindow = 0x7F20;

class UserPopup : public UserListsTest {
  protected:
    void SetUp() override {
        ChannelList().rows = {"Alice\t0 RATS", "J\xC3\xBCrgen\t0 PXES", "bob\t32 PXES"};
    }
    // Starts, binds and shows the three users; the pop-up's window is a sim handle that is
    // the foreground window once it opens.
    void StartShown() {
        Start();
        world.clock.Advance(1000);
        ASSERT_EQ(Fx1().ListCount(), static_cast<int32_t>(ChannelList().rows.size()));
        form->popup.SetScreen(PopupScreen{
            .open =
                [this](FormState&, int x, int y) {
                    opened.push_back({x, y});
                    world.windows.foreground_window = kPopupWindow;
                    return kPopupWindow;
                },
            .close = [this] { ++closed; },
            .release = [] {},
        });
        world.windows.foreground_window = kMainWindow;
    }
    // The pop-up's controls; the test fails when it is not loaded.
    FormState& Popup() {
        EXPECT_TRUE(form->popup.Loaded());
        return *form->popup.Form();
    }
    // Opens the pop-up for a row: right click there with the cursor at (x, y) on the screen.
    void OpenOn(int row, int x = 700, int y = 300) {
        world.cursor.position = {x, y};
        RightClickRow(RowY(row));  // the tracker reads the cursor at the release
        world.clock.Advance(100);
    }
    void Select(int row) { Fx1().SetListIndex(row); }

    std::vector<CursorPoint> opened;
    int closed = 0;
};

TEST(UserNames, TheNameEndsAtTheFirstBlank) {
    EXPECT_EQ(UserNameOf("J\xC3\xBCrgen" + std::string(24, ' ') + "0 RATS"),
              std::optional<std::string>("J\xC3\xBCrgen"));
    EXPECT_EQ(UserNameOf(" x"), std::optional<std::string>(""));
    EXPECT_EQ(UserNameOf("noblank"), std::nullopt);
    EXPECT_EQ(UserNameOf(""), std::nullopt);
    EXPECT_EQ(NameWithBlankOf("bob  32"), "bob ");
    EXPECT_EQ(NameWithBlankOf("noblank"), "");
    EXPECT_EQ(UserNameOf("bob 0\r\nx"), std::optional<std::string>("bob"))
        << "a line break after the name is not the name's";
}

TEST_F(UserPopup, RightClickSelectsTheRowUnderTheCursorAndOpensThePopupThere) {
    StartShown();
    world.cursor.position = {1234, 567};
    Fx1().ButtonDown(kButtonRight, 0, 20, RowY(1));
    Fx1().ButtonUp(kButtonRight, 0, 20, RowY(1));
    // The tracker reads the cursor at the release, before the synthetic click.
    EXPECT_EQ(form->opener.posaa1, "1234");
    EXPECT_EQ(form->opener.posaa2, "567");
    EXPECT_EQ(form->opener.Label2, "X-Position: ");
    EXPECT_EQ(form->opener.Label3, "Y-Position: ");
    EXPECT_EQ(world.cursor.events, (std::vector<uint32_t>{kMouseEventLeftDown, kMouseEventLeftUp}))
        << "a synthetic left press and release at the cursor";
    EXPECT_EQ(form->opener.Textstein.Get(), "0");
    EXPECT_TRUE(form->opener.timerfenster.Enabled());
    EXPECT_EQ(Fx1().ItemSelectedText(), "") << "the press is handled after the release";
    DeliverQueuedClicks(RowY(1));
    EXPECT_EQ(Fx1().ItemSelectedText(), Shown("J\xC3\xBCrgen", "0 PXES"));
    world.clock.Advance(99);
    EXPECT_FALSE(form->popup.Loaded());
    world.clock.Advance(1);
    ASSERT_TRUE(form->popup.Loaded());
    EXPECT_FALSE(form->opener.timerfenster.Enabled());
    EXPECT_EQ(Popup()["Label1"].Text(), "J\xC3\xBCrgen");
    // Mended: the top-left corner on the cursor in pixels, not at 15 times its position.
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0].x, 1234);
    EXPECT_EQ(opened[0].y, 567);
    EXPECT_EQ(form->popup.Left(), 1234);
    EXPECT_EQ(form->popup.Top(), 567);
    EXPECT_TRUE(Popup().Visible());
    EXPECT_EQ(Popup().Caption(), "Menu");
    EXPECT_TRUE(form->popup.Timer1.Enabled());
}

// The tracker follows the cursor from a right-button release until the pop-up is placed.
TEST_F(UserPopup, TheTrackerFollowsTheCursorUntilThePopupIsPlaced) {
    StartShown();
    OpenOn(1);
    ASSERT_TRUE(form->popup.Loaded());
    const int reads = world.cursor.reads;
    world.clock.Advance(66 * 5);
    EXPECT_LE(world.cursor.reads, reads + 1) << "resting while no placement is due";
    form->popup.Unload();
    Fx1().ButtonDown(kButtonRight, 0, 20, RowY(0));
    Fx1().ButtonUp(kButtonRight, 0, 20, RowY(0));
    DeliverQueuedClicks(RowY(0));
    world.cursor.position = {-5, -1200};  // moved after the release, before the placement
    world.clock.Advance(100);
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_EQ(opened[1].x, -5);
    EXPECT_EQ(opened[1].y, -1200);
    EXPECT_EQ(form->opener.posaa1, "-5") << "written with its sign";
    EXPECT_EQ(form->opener.posaa2, "-1200");
}

TEST_F(UserPopup, RightClickBelowTheLastRowOpensForTheRowSelectedBeforeOrNothing) {
    StartShown();
    OpenOn(10);  // below the last row, nothing selected
    EXPECT_FALSE(form->popup.Loaded());
    EXPECT_FALSE(form->opener.timerfenster.Enabled());
    Select(2);
    OpenOn(10);
    ASSERT_TRUE(form->popup.Loaded());
    EXPECT_EQ(Popup()["Label1"].Text(), "bob");
}

TEST_F(UserPopup, TheLayoutIsItsTwipsAtFifteenToThePixel) {
    StartShown();
    OpenOn(0);
    FormState& p = Popup();
    EXPECT_EQ(p.Spec().client_width, 146);
    EXPECT_EQ(p.Spec().client_height, 271);
    EXPECT_EQ(p.Spec().frame, FormFrame::kToolWindow);
    EXPECT_EQ(p["Label1"].Bounds(), (ControlRect{8, 8, 129, 33}));
    const char* captions[] = {"Show Stats",
                              "Squelch / Ignore",
                              "Unsquelch / Unignore",
                              "Add to Friendlist",
                              "Remove from Friendlist",
                              "Whisper",
                              "Send"};
    const int tops[] = {32, 64, 96, 128, 160, 200, 232};
    for (int i = 0; i < 7; ++i) {
        FormControl& button = p["Command" + std::to_string(i + 1)];
        EXPECT_EQ(button.Text(), captions[i]);
        EXPECT_EQ(button.Bounds(), (ControlRect{8, tops[i], 129, 25}));
        EXPECT_EQ(button.Spec().back, 0x00FFFFFFu);
    }
    EXPECT_EQ(p["Line1"].Bounds().top, 192);
}

TEST_F(UserPopup, TheBackgroundFollowsTheSavedStyleAtEachOpening) {
    StartShown();
    OpenOn(0);
    EXPECT_EQ(Popup().Picture(), kPopupPictureStarcraft) << "no value: the design picture";
    form->CloseUserPopup();
    for (const auto& [style, picture] :
         std::vector<std::pair<std::string, int>>{{"2", kPopupPictureBlue},
                                                  {"3", kPopupPictureSilver},
                                                  {"1", kPopupPictureStarcraft},
                                                  {"4", kPopupPictureStarcraft},
                                                  {"", kPopupPictureStarcraft}}) {
        world.settings.values["SaveStyle\\Style"] = style;
        OpenOn(0);
        EXPECT_EQ(Popup().Picture(), picture) << "style \"" << style << "\"";
        form->CloseUserPopup();
    }
}

TEST_F(UserPopup, ShowStatsSendsTheNameAndLeavesThePopupOpen) {
    StartShown();
    OpenOn(1);
    Text4().SetText("typed");
    Popup()["Command1"].Click();
    EXPECT_EQ(SentLines(), (std::vector<std::string>{"/stats J\xC3\xBCrgen"}));
    EXPECT_EQ(Clicks(10), 2) << "the main window's Send clicks the game's Send twice";
    EXPECT_EQ(Text4().Text(), "") << "sent and emptied";
    EXPECT_TRUE(form->popup.Loaded());
    EXPECT_FALSE(form->channel_users.Timer10.Enabled());
}

TEST_F(UserPopup, EveryCommandSendsItsPrefixAndTheName) {
    StartShown();
    OpenOn(1);
    for (int i = 1; i <= 5; ++i) Popup()["Command" + std::to_string(i)].Click();
    EXPECT_EQ(SentLines(),
              (std::vector<std::string>{"/stats J\xC3\xBCrgen", "/ignore J\xC3\xBCrgen",
                                        "/unignore J\xC3\xBCrgen", "/f a J\xC3\xBCrgen",
                                        "/f r J\xC3\xBCrgen"}));
}

TEST_F(UserPopup, SquelchAndUnsquelchRebuildTheList700msLater) {
    StartShown();
    OpenOn(2);
    Popup()["Command2"].Click();
    EXPECT_EQ(SentLines().back(), "/ignore bob");
    EXPECT_TRUE(form->channel_users.Timer10.Enabled());
    ChannelList().rows[2] = "bob\t0 PXES";  // the game's new state of the user
    world.clock.Advance(699);
    EXPECT_EQ(IconsOf(Fx1()).back(), 24);
    world.clock.Advance(1);
    EXPECT_EQ(IconsOf(Fx1()).back(), 0);
    Popup()["Command3"].Click();
    EXPECT_EQ(SentLines().back(), "/unignore bob");
    EXPECT_TRUE(form->channel_users.Timer10.Enabled());
}

TEST_F(UserPopup, WhisperFromTheMainWindowOrThePopupSendsTheTypedTextToTheUser) {
    StartShown();
    Select(1);
    Text4().SetText(
        "gr\xC3\xBC\xC3\x9F"
        "e");
    form->form["Command4"].Click();
    EXPECT_EQ(SentLines(), (std::vector<std::string>{"/whisper J\xC3\xBCrgen gr\xC3\xBC\xC3\x9F"
                                                     "e"}));
    EXPECT_EQ(Text4().Text(), "");

    OpenOn(0);
    Text4().SetText("hi");
    Popup()["Command6"].Click();
    EXPECT_EQ(SentLines().back(), "/whisper Alice hi");
    Text4().SetText("just this");
    Popup()["Command7"].Click();
    EXPECT_EQ(SentLines().back(), "just this") << "Send sends the typing box unchanged";
    EXPECT_TRUE(form->popup.Loaded()) << "pressed from code: no close handler runs";
}

// Mended: pressing Send without a name would send the typed text to everybody. A name that
// holds a line break is no name either: without its breaks it could be another player's.
TEST_F(UserPopup, WithoutANameNoCommandSendsAnythingAndTheTypingBoxStays) {
    // A row without a TAB or blank that still holds a code from its 15th character, and rows
    // whose names hold line breaks.
    ChannelList().rows = {"nobodyatallxxxRATS", "Vic\ntim\t0 RATS", "Ev\r\n/quit\t0 RATS",
                          "Alice\t0 RATS"};
    StartShown();
    Text4().SetText("private words");
    form->user_commands.SendUserCommand(kStatsCommand, false);
    form->form["Command4"].Click();
    EXPECT_TRUE(SentLines().empty()) << "nothing selected";
    for (int row = 0; row < 3; ++row) {
        Select(row);
        OpenOn(5);  // below the rows: the selected row's pop-up
        ASSERT_TRUE(form->popup.Loaded()) << "row " << row;
        EXPECT_EQ(Popup()["Label1"].Text(), "") << "the label keeps its design text";
        for (int i = 1; i <= 6; ++i) Popup()["Command" + std::to_string(i)].Click();
        form->user_commands.ListBoxFX1_dblClick();
        form->CloseUserPopup();
    }
    EXPECT_TRUE(SentLines().empty());
    EXPECT_EQ(Clicks(10), 0);
    EXPECT_EQ(Text4().Text(), "private words");
    EXPECT_FALSE(form->channel_users.Timer10.Enabled());
}

TEST_F(UserPopup, ARowThatBeginsWithABlankGivesAnEmptyName) {
    ChannelList().rows = {" lead\t0 RATS"};
    StartShown();
    OpenOn(0);
    Popup()["Command1"].Click();
    EXPECT_EQ(SentLines(), (std::vector<std::string>{"/stats "}));
    // Whisper to an empty name would make "hello" the addressee of "there".
    Text4().SetText("hello there");
    Popup()["Command6"].Click();
    EXPECT_EQ(SentLines().size(), 1u);
    EXPECT_EQ(Text4().Text(), "hello there");
}

TEST_F(UserPopup, DoubleClickAppendsTheNameAndItsBlankAndSendsNothing) {
    StartShown();
    Text4().SetText("hi ");
    Fx1().ButtonDown(kButtonLeft, 0, 20, RowY(1));
    Fx1().ButtonUp(kButtonLeft, 0, 20, RowY(1));
    Fx1().ButtonDoubleClick(kButtonLeft, 0, 20, RowY(1));
    Fx1().ButtonUp(kButtonLeft, 0, 20, RowY(1));
    EXPECT_EQ(Text4().Text(), "hi J\xC3\xBCrgen ");
    EXPECT_TRUE(SentLines().empty());
}

TEST_F(UserPopup, ThePopupClosesWhenAnotherWindowIsInFront) {
    StartShown();
    OpenOn(0);
    world.clock.Advance(44 * 3);
    EXPECT_TRUE(form->popup.Loaded()) << "while it is the foreground window";
    world.windows.foreground_window = kMainWindow;
    world.clock.Advance(44);
    EXPECT_FALSE(form->popup.Loaded());
    EXPECT_FALSE(form->popup.Timer1.Enabled());
    EXPECT_EQ(closed, 1);
}

TEST_F(UserPopup, PressesInTheMainWindowCloseThePopupAtOnce) {
    StartShown();
    const std::vector<std::function<void()>> presses = {
        [this] { form->form.MouseDown(kMouseLeft); },
        [this] { form->form["Command1"].MouseDown(kMouseLeft); },
        [this] { form->form["Command4"].MouseDown(kMouseRight); },
        [this] { form->form["Label1"].MouseDown(kMouseLeft); },
        [this] { Text4().MouseDown(kMouseLeft); },
        [this] { form->auto_scroll.SuspendAutoScroll(); },  // the chat view
        [this] {
            Fx1().ButtonDown(kButtonLeft, 0, 20, RowY(0));
            Fx1().ButtonUp(kButtonLeft, 0, 20, RowY(0));
        },
    };
    for (size_t i = 0; i < presses.size(); ++i) {
        OpenOn(1);
        ASSERT_TRUE(form->popup.Loaded()) << "press " << i;
        presses[i]();
        EXPECT_FALSE(form->popup.Loaded()) << "press " << i;
    }
}

TEST_F(UserPopup, APressInTheTypingBoxMakesTheChatViewFollowItsEndAgain) {
    StartShown();
    form->auto_scroll.SuspendAutoScroll();
    EXPECT_EQ(form->auto_scroll.maustaste, "0");
    Text4().MouseDown(kMouseLeft);
    EXPECT_EQ(form->auto_scroll.maustaste, "1");
}

TEST_F(UserPopup, TheCloseBoxUnloadsAndTheNextOpeningLoadsAfresh) {
    StartShown();
    OpenOn(0);
    Popup().RequestClose();
    EXPECT_FALSE(form->popup.Loaded());
    OpenOn(1);
    EXPECT_EQ(Popup()["Label1"].Text(), "J\xC3\xBCrgen");
    EXPECT_EQ(opened.size(), 2u);
}

TEST_F(UserPopup, CommandsActOnTheRowSelectedWhenPressedAndTheLabelKeepsItsName) {
    StartShown();
    OpenOn(0);
    ChannelList().rows.insert(ChannelList().rows.begin(), "Newbie\t0 RATS");
    world.clock.Advance(175 + 60);  // rebuilt: the selected slot now holds Newbie
    Popup()["Command1"].Click();
    EXPECT_EQ(SentLines().back(), "/stats Newbie");
    EXPECT_EQ(Popup()["Label1"].Text(), "Alice");
}

TEST_F(UserPopup, ARightClickWhileThePopupIsOpenOpensItAgainForTheNewRow) {
    StartShown();
    OpenOn(0, 700, 300);
    OpenOn(2, 720, 340);
    ASSERT_TRUE(form->popup.Loaded());
    EXPECT_EQ(Popup()["Label1"].Text(), "bob");
    EXPECT_EQ(opened.back().x, 720);
    EXPECT_EQ(opened.back().y, 340);
}

}  // namespace
}  // namespace qv
