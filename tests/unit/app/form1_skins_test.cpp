// The main window's three skins, chosen from the Style menu on the sim: the value saved for
// the next start, the check marks, the places of Send and Whisper and the pictures shown.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/form1.h"
#include "app/form1_layout.h"
#include "app/skin_pictures.h"
#include "sim/sim_platform.h"

namespace qv {
namespace {

class Skins : public ::testing::Test {
  protected:
    void SetUp() override {
        form = std::make_unique<Form1>(world.platform, world.chat_view);
        form->Start();
        world.clock.Advance(1);  // the start-up restore keeps the design-time pictures
    }

    // What the skin shows: the background, then Command1, 4, 5, 6, 7 and 8.
    std::vector<int> Shown() {
        FormState& f = form->form;
        return {f.Picture(),
                f["Command1"].Picture(),
                f["Command4"].Picture(),
                f["Command5"].Picture(),
                f["Command6"].Picture(),
                f["Command7"].Picture(),
                f["Command8"].Picture()};
    }
    static std::vector<int> Of(const SkinPictures& p) {
        return {p.background, p.send, p.whisper, p.quit, p.channels, p.create, p.join};
    }
    // Send's top, Whisper's top and height.
    std::vector<int> Places() {
        return {form->form["Command1"].Bounds().top, form->form["Command4"].Bounds().top,
                form->form["Command4"].Bounds().height};
    }
    std::vector<bool> Checks() {
        return {form->menu.Checked("scstyle"), form->menu.Checked("bluestyle"),
                form->menu.Checked("silver")};
    }
    std::string Stored() { return world.settings.Read("SaveStyle\\Style").value_or("(none)"); }

    SimWorld world;
    std::unique_ptr<Form1> form;
};

TEST_F(Skins, EachSkinSavesItsValueChecksItsEntryPlacesTheButtonsAndShowsItsPictures) {
    struct Case {
        const char* entry;
        std::string value;
        std::vector<bool> checks;
        std::vector<int> places;
        SkinPictures pictures;
    };
    const Case cases[] = {
        {"bluestyle", "2", {false, true, false}, {497, 498, 28}, kBluePictures},
        {"silver", "3", {false, false, true}, {496, 497, 28}, kSilverPictures},
        {"scstyle", "1", {true, false, false}, {501, 502, 29}, kStarcraftPictures},
        {"silver", "3", {false, false, true}, {496, 497, 28}, kSilverPictures},
        {"bluestyle", "2", {false, true, false}, {497, 498, 28}, kBluePictures},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.entry);
        ASSERT_TRUE(form->menu.Click(c.entry));
        EXPECT_EQ(Stored(), c.value);
        EXPECT_EQ(Checks(), c.checks);
        EXPECT_EQ(Places(), c.places);
        EXPECT_EQ(Shown(), Of(c.pictures));
    }
    // The buttons keep their left edges and widths, and Send its height.
    EXPECT_EQ(form->form["Command1"].Bounds(), (ControlRect{584, 497, 81, 30}));
    EXPECT_EQ(form->form["Command4"].Bounds(), (ControlRect{669, 498, 81, 28}));
}

TEST_F(Skins, StarcraftAfterAnotherSkinRestoresExactlyTheDesignTimeLook) {
    const std::vector<int> design_pictures = Shown();
    FormState fresh(Form1Layout());
    form->menu.Click("silver");
    form->menu.Click("scstyle");
    EXPECT_EQ(Shown(), design_pictures);
    EXPECT_EQ(Shown(), Of(kStarcraftPictures));
    for (auto& control : fresh.Controls()) {
        SCOPED_TRACE(control->Name());
        EXPECT_EQ(form->form[control->Name()].Bounds(), control->Bounds());
    }
}

TEST_F(Skins, ChoosingTheShownSkinRepeatsEveryStep) {
    form->menu.Click("bluestyle");
    std::vector<std::string> repainted;
    form->form.SetViewListener([&](FormProperty p) {
        if (p == FormProperty::kPicture) repainted.push_back("background");
    });
    for (const char* name :
         {"Command1", "Command4", "Command5", "Command6", "Command7", "Command8"}) {
        form->form[name].SetViewListener([&repainted, name](ControlProperty p) {
            if (p == ControlProperty::kPicture) repainted.push_back(name);
        });
    }
    world.settings.values.clear();
    form->menu.Click("bluestyle");
    EXPECT_EQ(Stored(), "2") << "written again";
    EXPECT_EQ(repainted, (std::vector<std::string>{"background", "Command1", "Command4", "Command5",
                                                   "Command6", "Command7", "Command8"}));
    EXPECT_EQ(Shown(), Of(kBluePictures));
}

TEST_F(Skins, ARefusedValueIsLostButTheSkinIsStillShown) {
    world.settings.writable = false;
    form->menu.Click("silver");
    EXPECT_EQ(Stored(), "(none)");
    EXPECT_EQ(Shown(), Of(kSilverPictures));
    EXPECT_EQ(Checks(), (std::vector<bool>{false, false, true}));
    EXPECT_EQ(Places(), (std::vector<int>{496, 497, 28}));
}

}  // namespace
}  // namespace qv
