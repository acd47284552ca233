// The handle capture window Form2 and its INSERT trigger on the main window, on the virtual
// clock: the eleven steps in order, the probe under the cursor, the end, and the fixed spots.
#include "gamelink/capture_window.h"

#include <gtest/gtest.h>

#include <memory>

#include "app/form1.h"
#include "core/rounding.h"
#include "sim/sim_game.h"
#include "sim/sim_platform.h"

namespace qv {
namespace {

constexpr CursorPoint kPlayersCursor{900, 700};

// The spot from the design twips: the marker's centre in twips (halves to even), divided by
// the display's twips per pixel (halves to even).
CursorPoint MarkerCentreInPixels(const CaptureMarker& marker, double twips_per_pixel) {
    const double x = RoundHalfEven(marker.left + marker.width / 2.0);
    const double y = RoundHalfEven(marker.top + marker.height / 2.0);
    return {static_cast<int32_t>(RoundHalfEven(x / twips_per_pixel)),
            static_cast<int32_t>(RoundHalfEven(y / twips_per_pixel))};
}
constexpr int16_t kNewPress = static_cast<int16_t>(0x8001);

class CaptureTest : public ::testing::Test {
  protected:
    // `title`: a game the attach scan binds ("Brood War") or one it never binds.
    void Start(const std::string& title) {
        game = std::make_unique<SimGame>(world.windows, title);
        game->PlaceOnScreen(world.screen, 0, 0);
        world.windows.AddTopLevel(kMainCaption);
        world.cursor.position = kPlayersCursor;
        form = std::make_unique<Form1>(world.platform, world.chat_view);
        form->Start();
    }
    // Switches the trigger on and presses INSERT: the trigger fires at its next tick.
    void PressInsert() {
        world.keyboard.scripted[kVkInsert].push_back(kNewPress);
        form->Timer5.SetEnabled(true);
        world.clock.Advance(kCaptureTriggerMs);
        ASSERT_NE(form->LoadedForm2(), nullptr) << "the trigger loads the capture window";
    }
    std::string Handle(int row) const { return std::to_string(game->Control(row)); }
    bool ViewEmpty() const { return world.chat_view.paragraphs.empty(); }

    SimWorld world;
    std::unique_ptr<SimGame> game;
    std::unique_ptr<Form1> form;
};

TEST(CaptureSpots, DesignTwipsGiveTheSpotsOnlyAt15TwipsAPixel) {
    for (const CaptureMarker& marker : kCaptureMarkers) {
        EXPECT_EQ(MarkerCentreInPixels(marker, 15), marker.spot) << marker.name;
    }
    // At 120 dots per inch (12 twips a pixel) the twips conversion lands elsewhere, which is
    // why the capture uses the pixel spots.
    EXPECT_EQ(MarkerCentreInPixels(kCaptureMarkers[0], 12), (CursorPoint{206, 561}));
    EXPECT_EQ(kCaptureMarkers[0].spot, (CursorPoint{165, 449}));
    EXPECT_EQ(kCaptureMarkers[1].spot, (CursorPoint{229, 329}));
    EXPECT_EQ(kCaptureMarkers[2].spot, (CursorPoint{489, 457}));
    EXPECT_EQ(kCaptureMarkers[3].spot, (CursorPoint{545, 297}));
    EXPECT_EQ(kCaptureMarkers[4].spot, (CursorPoint{529, 161}));
}

TEST(CaptureSpots, TheWindowIsBuiltFromItsTable) {
    const FormSpec spec = Form2Layout();
    EXPECT_STREQ(spec.caption, "Get Handle Window");
    EXPECT_EQ(spec.frame, FormFrame::kBorderless);
    EXPECT_EQ(spec.client_width * 15, 10050);
    EXPECT_EQ(spec.client_height * 15, 7380);
    FormState state(spec);
    EXPECT_FALSE(state.Visible());
    EXPECT_EQ(state["Label1"].Bounds(), (ControlRect{144, 440, 41, 17}));
    EXPECT_EQ(state["Label2"].Bounds(), (ControlRect{208, 320, 41, 17}));
    EXPECT_EQ(state["Label3"].Bounds(), (ControlRect{472, 448, 33, 17}));
    EXPECT_EQ(state["Label4"].Bounds(), (ControlRect{520, 288, 49, 17}));
    EXPECT_EQ(state["Label6"].Bounds(), (ControlRect{488, 152, 81, 17}));
    EXPECT_NE(state.Find("Label5"), nullptr);
}

TEST(CaptureSpots, TheGameScreenHasItsControlsUnderTheSpots) {
    SimWorld world;
    SimGame game(world.windows);
    game.PlaceOnScreen(world.screen, 0, 0);
    const int rows[] = {0, 9, 10, 7, 12};
    for (size_t i = 0; i < kCaptureMarkers.size(); ++i) {
        EXPECT_EQ(world.screen.WindowFromPoint(kCaptureMarkers[i].spot), game.Control(rows[i]))
            << kCaptureMarkers[i].name;
    }
}

TEST_F(CaptureTest, Timer5IsOffAtStartAndNothingSwitchesItOn) {
    Start("Brood War");
    EXPECT_EQ(form->Timer5.Interval(), 5);
    world.keyboard.scripted[kVkInsert] = {kNewPress};
    world.clock.Advance(10000);
    EXPECT_FALSE(form->Timer5.Enabled());
    EXPECT_TRUE(world.keyboard.queries.empty());
    EXPECT_EQ(form->LoadedForm2(), nullptr);
}

TEST_F(CaptureTest, OnlyANewPressOfInsertStartsTheCapture) {
    Start("Brood War");
    world.keyboard.scripted[kVkInsert] = {static_cast<int16_t>(0x8000), 0x0001, 0};
    form->Timer5.SetEnabled(true);
    world.clock.Advance(15);
    EXPECT_EQ(world.keyboard.queries, (std::vector<int32_t>{45, 45, 45}));
    EXPECT_EQ(form->LoadedForm2(), nullptr);
}

TEST_F(CaptureTest, TheTriggerLoadsTheHiddenWindowArmsStepOneAndThePump) {
    Start("Elsewhere");
    form->pump.Timer2.SetEnabled(false);
    PressInsert();
    Form2& capture = *form->LoadedForm2();
    EXPECT_FALSE(capture.form.Visible());
    EXPECT_TRUE(capture.Timer5.Enabled()) << "the probe runs from load";
    EXPECT_TRUE(capture.Timer9.Enabled());
    EXPECT_TRUE(capture.Timer1.Enabled());
    EXPECT_TRUE(form->pump.Timer2.Enabled());
    world.clock.Advance(1);
    EXPECT_EQ(capture.form["Label5"].Text(), "0") << "nothing under the player's cursor";
    EXPECT_EQ(capture.SavedCursorPos, kPlayersCursor);
}

TEST_F(CaptureTest, TheElevenStepsInOrderBindByPositionAndTheEndResets) {
    Start("Elsewhere");  // the attach scan never binds this game
    for (int i = 0; i < 30; ++i) game->AddChatRow("\x10Player\x11: row " + std::to_string(i));
    PressInsert();
    struct Step {
        int at;  // ms after the trigger
        CursorPoint cursor;
        const char* box;
        std::string value;
    };
    auto box = [&](const char* name) -> const TextField& {
        const HandleBoxes& b = form->boxes;
        const std::string n = name;
        if (n == "text") return b.text;
        if (n == "list") return b.list;
        if (n == "button") return b.button;
        if (n == "channel") return b.channel;
        return b.channeln;
    };
    const Step steps[] = {
        {190, {165, 449}, nullptr, ""},      {380, {165, 449}, "text", Handle(0)},
        {570, {229, 329}, nullptr, ""},      {760, {229, 329}, "list", Handle(9)},
        {950, {489, 457}, nullptr, ""},      {1140, {489, 457}, "button", Handle(10)},
        {1330, {545, 297}, nullptr, ""},     {1480, {545, 297}, "channel", Handle(7)},
        {1670, {529, 161}, nullptr, ""},     {1860, {529, 161}, "channeln", Handle(12)},
    };
    int now = 0;
    for (const Step& step : steps) {
        world.clock.Advance(step.at - 1 - now);
        if (step.box) {
            EXPECT_EQ(box(step.box).Get(), "0") << "before step at " << step.at;
        }
        world.clock.Advance(1);
        now = step.at;
        EXPECT_EQ(world.cursor.position, step.cursor) << "step at " << step.at;
        if (step.box) {
            EXPECT_EQ(box(step.box).Get(), step.value) << step.box;
        }
        if (step.at == 190) {
            EXPECT_FALSE(form->LoadedForm2()->Timer9.Enabled()) << "step 1 stops the recorder";
        }
    }
    // Capturing the chat list wrote the welcome lines into it. (With no game the attach scan
    // can bind, the scan's every step resets the mirror, so the view stays empty here.)
    EXPECT_EQ(game->ChatList().rows.size(), 35u);
    world.clock.Advance(kCaptureTotalMs - 1 - now);
    EXPECT_NE(form->LoadedForm2(), nullptr);
    world.clock.Advance(1);
    // The end: cursor back, the whole mirror reset, the window unloaded.
    EXPECT_EQ(world.cursor.position, kPlayersCursor);
    EXPECT_EQ(form->boxes.list.Get(), "0");
    EXPECT_TRUE(ViewEmpty());
    EXPECT_TRUE(form->pump.List2().empty());
    EXPECT_EQ(form->Text11.Get(), "");
    EXPECT_EQ(form->boxes.text.Get(), Handle(0));
    EXPECT_EQ(form->boxes.button.Get(), Handle(10));
    EXPECT_EQ(form->boxes.channel.Get(), Handle(7));
    EXPECT_EQ(form->boxes.channeln.Get(), Handle(12));
    EXPECT_EQ(form->LoadedForm2(), nullptr);
    const std::vector<CursorPoint> moves = {{165, 449}, {229, 329}, {489, 457},
                                            {545, 297}, {529, 161}, kPlayersCursor};
    EXPECT_EQ(world.cursor.moves, moves);
    // The text box and the Send button captured, a typed line reaches the game.
    form->send.Text4.Set("hello");
    form->send.Command1_Click();
    EXPECT_EQ(game->InputBox().title, "hello");
    EXPECT_EQ(game->SendButton().clicks, 2);
}

TEST_F(CaptureTest, OnABoundGameTheAttachScanBindsTheChatListAgainAfterTheEnd) {
    Start("Brood War");
    world.clock.Advance(555);
    ASSERT_EQ(form->boxes.list.Get(), Handle(9));
    const size_t welcome_rounds = game->ChatList().rows.size() / 5;
    PressInsert();
    world.clock.Advance(kCaptureTotalMs - 1);
    EXPECT_EQ(form->boxes.list.Get(), Handle(9)) << "the capture wrote the same handle";
    EXPECT_FALSE(ViewEmpty());
    world.clock.Advance(1);
    EXPECT_EQ(form->boxes.list.Get(), "0");
    EXPECT_TRUE(ViewEmpty());
    EXPECT_EQ(world.cursor.position, kPlayersCursor);
    world.clock.Advance(555);
    EXPECT_EQ(form->boxes.list.Get(), Handle(9)) << "the 555 ms check binds it anew";
    world.clock.Advance(300);
    EXPECT_EQ(game->ChatList().rows.size() / 5, welcome_rounds + 1) << "new welcome lines";
    EXPECT_FALSE(ViewEmpty());
}

TEST_F(CaptureTest, ACopyTakesTheWindowUnderTheCursorWhenThePlayerMovesTheMouse) {
    Start("Elsewhere");
    PressInsert();
    world.clock.Advance(190);
    world.cursor.position = {500, 460};  // the player moves onto the Send button
    world.clock.Advance(190);
    EXPECT_EQ(form->boxes.text.Get(), Handle(10));
    world.clock.Advance(190 + 190 + 190);  // steps 3 to 5: the cursor is on Send again
    world.cursor.position = {530, 160};     // the player moves onto the channel name
    world.clock.Advance(190);
    EXPECT_EQ(form->boxes.button.Get(), Handle(12));
}

TEST_F(CaptureTest, InsertAgainAfterStepOneRunsASecondChainAndBothEndsRestore) {
    Start("Elsewhere");
    PressInsert();
    world.clock.Advance(300 - kCaptureTriggerMs);  // step 1 at 190 moved the cursor
    world.keyboard.scripted[kVkInsert].push_back(kNewPress);
    world.clock.Advance(kCaptureTriggerMs);  // the second trigger, 300 ms after the first
    // The recorder runs again until the second chain's step 1, on the first chain's spot.
    world.clock.Advance(kCaptureTotalMs - 300);
    // The first chain's five moves and its end, the second chain's first four moves.
    ASSERT_EQ(world.cursor.moves.size(), 10u);
    EXPECT_EQ(world.cursor.moves.back(), (CursorPoint{165, 449}));
    EXPECT_NE(form->LoadedForm2(), nullptr) << "loaded while the second chain runs";
    world.clock.Advance(400);
    EXPECT_EQ(world.cursor.moves.size(), 12u);
    EXPECT_EQ(world.cursor.moves.back(), (CursorPoint{165, 449}));
    EXPECT_EQ(form->LoadedForm2(), nullptr);
    EXPECT_EQ(form->boxes.channeln.Get(), Handle(12));
    // The next INSERT loads the window again.
    PressInsert();
    EXPECT_TRUE(form->LoadedForm2()->Timer1.Enabled());
}

// A capture window that lies elsewhere than the screen's corner: its spots move with it, as
// the capture maps them with ClientToScreen.
class OffsetScreen : public CaptureScreen {
  public:
    explicit OffsetScreen(WindowHandle handle) : handle_(handle) {}
    WindowHandle Handle() const override { return handle_; }

  private:
    WindowHandle handle_;
};

TEST_F(CaptureTest, SpotsAreMappedFromTheCaptureWindowsClientArea) {
    Start("Elsewhere");
    const WindowHandle window = world.windows.AddTopLevelAtBottom("");
    world.windows.Get(window).visible = false;
    world.screen.Place(window, {100, 50, 670, 492});
    form->open_capture_screen = [&](FormState&) { return std::make_unique<OffsetScreen>(window); };
    PressInsert();
    world.clock.Advance(190);
    EXPECT_EQ(world.cursor.position, (CursorPoint{265, 499}));
}

}  // namespace
}  // namespace qv
