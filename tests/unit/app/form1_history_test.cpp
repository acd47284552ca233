// The main window's side of the message history: the menu entry and the hidden button show
// it, one instance at a time, and closing it unloads it.
#include <gtest/gtest.h>

#include <memory>

#include "app/form1.h"
#include "app/form1_layout.h"
#include "sim/sim_game.h"
#include "sim/sim_history_view.h"
#include "sim/sim_platform.h"

namespace qv {
namespace {

class TestScreen : public Form6Screen {
  public:
    HistoryView& View() override { return view; }
    WindowHandle Handle() const override { return 9090; }
    void InnerSize(int* w, int* h) override {
        // Once bound the window may have been given another size by the time it shows.
        *w = bound && shown_width ? shown_width : width;
        *h = bound && shown_height ? shown_height : height;
    }
    void Bind(Form6& form) override { bound = &form; }
    void Unloaded() override { unloaded = true; }

    SimHistoryView view;
    int width = kHistoryClientWidth;
    int height = kHistoryClientHeight;
    int shown_width = 0;  // 0: the size stays as loaded
    int shown_height = 0;
    Form6* bound = nullptr;
    bool unloaded = false;
};

class Form1HistoryTest : public ::testing::Test {
  protected:
    void Start() {
        world.windows.AddTopLevel(kMainCaption);
        form = std::make_unique<Form1>(world.platform, world.chat_view);
        form->open_history_screen = [this](FormState&) {
            auto screen = std::make_unique<TestScreen>();
            screen->shown_width = shown_width;
            screen->shown_height = shown_height;
            screens.push_back(screen.get());
            return screen;
        };
        form->release_later = [this] { ++releases; };
        form->Start();
    }

    SimWorld world;
    SimGame game{world.windows};
    std::unique_ptr<Form1> form;
    std::vector<TestScreen*> screens;
    int releases = 0;
    int shown_width = 0;
    int shown_height = 0;
};

TEST_F(Form1HistoryTest, TheFirstShowingRescalesToTheSizeTheWindowWasGiven) {
    Start();
    form->Mhistroy_Click();
    ASSERT_NE(form->LoadedForm6State(), nullptr);
    const ControlRect design = (*form->LoadedForm6State())["Command1"].Bounds();
    form->LoadedForm6State()->Hide();
    form->LoadedForm6State()->RequestClose();

    shown_width = kHistoryClientWidth * 2;
    shown_height = kHistoryClientHeight * 2;
    form->Mhistroy_Click();
    ASSERT_NE(form->LoadedForm6State(), nullptr);
    const ControlRect shown = (*form->LoadedForm6State())["Command1"].Bounds();
    EXPECT_NEAR(shown.left, design.left * 2, 1);
    EXPECT_NEAR(shown.top, design.top * 2, 1);
    EXPECT_NEAR(shown.width, design.width * 2, 1);
}

TEST_F(Form1HistoryTest, Command3IsAHiddenButton) {
    Start();
    const FormControl& command3 = form->form["Command3"];
    EXPECT_FALSE(command3.Visible());
    EXPECT_EQ(command3.Spec().kind, ControlKind::kButton);
    EXPECT_EQ(command3.Spec().id, kIdCommand3);
}

TEST_F(Form1HistoryTest, WithoutAScreenTheWindowDoesNotOpen) {
    world.windows.AddTopLevel(kMainCaption);
    Form1 bare(world.platform, world.chat_view);
    bare.Mhistroy_Click();
    EXPECT_EQ(bare.LoadedForm6(), nullptr);
}

TEST_F(Form1HistoryTest, TheEntryShowsOneWindowThatKeepsItsContents) {
    Start();
    world.clock.Advance(555);  // the scan binds the game's chat list
    form->Mhistroy_Click();
    Form6* history = form->LoadedForm6();
    ASSERT_NE(history, nullptr);
    ASSERT_EQ(screens.size(), 1u);
    EXPECT_TRUE(form->LoadedForm6State()->Visible());
    EXPECT_EQ(screens[0]->bound, history);
    EXPECT_EQ(history->hWnd, 9090);
    EXPECT_EQ(history->Layout().size(), 7u) << "the design layout is recorded on load";
    (*form->LoadedForm6State())["Command1"].Click();
    world.clock.Advance(1500);
    const std::string shown = screens[0]->view.Text();
    EXPECT_NE(shown.find("Welcome to the Quorvane Starcraft Chat"), std::string::npos);
    form->LoadedForm6State()->Hide();
    EXPECT_TRUE(form->menu.Click("Mhistroy"));  // the menu entry shows the same window
    EXPECT_EQ(form->LoadedForm6(), history);
    form->LoadedForm6State()->Hide();
    form->form["Command3"].Click();  // and so does the hidden button
    EXPECT_EQ(form->LoadedForm6(), history);
    EXPECT_EQ(screens.size(), 1u);
    EXPECT_TRUE(form->LoadedForm6State()->Visible());
    EXPECT_EQ(screens[0]->view.Text(), shown);
}

TEST_F(Form1HistoryTest, ClosingUnloadsAndTheNextOpeningLoadsAfresh) {
    Start();
    world.clock.Advance(555);
    form->Mhistroy_Click();
    FormState* state = form->LoadedForm6State();
    (*state)["Command1"].Click();
    state->RequestClose();  // the close box, before the display step
    EXPECT_EQ(form->LoadedForm6(), nullptr);
    EXPECT_TRUE(screens[0]->unloaded);
    EXPECT_EQ(releases, 1);
    world.clock.Advance(3000);
    EXPECT_EQ(screens[0]->view.plain_sets, 0) << "an unloaded window shows nothing";
    form->ReleaseUnloadedWindows();
    form->Mhistroy_Click();
    ASSERT_EQ(screens.size(), 2u);
    EXPECT_EQ((*form->LoadedForm6State())["Text1"].Text(), "");
    EXPECT_EQ(screens[1]->view.Text(), "");
}

}  // namespace
}  // namespace qv
