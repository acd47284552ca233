// A window of fixed controls built from its table, driven as a player would.
#include "core/form_state.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qv {
namespace {

FormSpec TestSpec() {
    FormSpec spec;
    spec.name = "FormTest";
    spec.caption = "Test";
    spec.client_width = 200;
    spec.client_height = 100;
    spec.controls = {
        {ControlKind::kTextBox, "Text1", "start", 0, 0, 100, 20},
        {ControlKind::kLabel, "Label3", "Status: Off", 0, 20, 100, 20, 0, 0x0000FF},
        {ControlKind::kButton, "Command1", "Start", 0, 40, 50, 20},
        {ControlKind::kCheckBox, "Check1", "", 0, 60, 20, 20, kChecked},
        {ControlKind::kOptionButton, "Option1", "Channel", 100, 0, 80, 20, kChecked},
        {ControlKind::kOptionButton, "Option2", "Friends", 100, 20, 80, 20},
        {ControlKind::kListBox, "List1", "", 100, 40, 80, 60},
        {ControlKind::kLabel, "Hidden", "x", 0, 0, 1, 1, kHidden},
    };
    return spec;
}

TEST(FormState, ControlsStartAsTheirTableSays) {
    FormState form(TestSpec());
    EXPECT_EQ(form.Caption(), "Test");
    EXPECT_FALSE(form.Visible());
    EXPECT_EQ(form["Text1"].Text(), "start");
    EXPECT_EQ(form["Label3"].ForeColour(), 0x0000FFu);
    EXPECT_EQ(form["Check1"].Value(), 1);
    EXPECT_EQ(form["Option1"].Value(), 1);
    EXPECT_EQ(form["Option2"].Value(), 0);
    EXPECT_FALSE(form["Hidden"].Visible());
    EXPECT_EQ(form["Command1"].Bounds(), (ControlRect{0, 40, 50, 20}));
    EXPECT_EQ(form.Find("Nothing"), nullptr);
    EXPECT_THROW(form["Nothing"], std::out_of_range);
}

TEST(FormState, TextChangesRunTheChangeHandlerOnlyWhenTheTextChanges) {
    FormState form(TestSpec());
    std::vector<std::string> seen;
    std::vector<ControlProperty> shown;
    form["Text1"].OnChange([&] { seen.push_back(form["Text1"].Text()); });
    form["Text1"].SetViewListener([&](ControlProperty p) { shown.push_back(p); });
    EXPECT_TRUE(form["Text1"].SetText("J\xC3\xBCrgen"));
    EXPECT_FALSE(form["Text1"].SetText("J\xC3\xBCrgen"));
    EXPECT_EQ(seen, (std::vector<std::string>{"J\xC3\xBCrgen"}));
    EXPECT_EQ(shown, (std::vector<ControlProperty>{ControlProperty::kText}));
}

TEST(FormState, ACheckBoxClickTogglesAndAValueWriteRunsTheClickOnAChange) {
    FormState form(TestSpec());
    std::vector<int> clicks;
    FormControl& check = form["Check1"];
    check.OnClick([&] { clicks.push_back(check.Value()); });
    check.Click();
    check.Click();
    EXPECT_FALSE(check.SetValue(1)) << "the value it holds runs nothing";
    EXPECT_TRUE(check.SetValue(0));
    EXPECT_EQ(clicks, (std::vector<int>{0, 1, 0}));
    check.SetEnabled(false);
    check.Click();
    EXPECT_EQ(check.Value(), 0) << "a disabled box takes no click";
}

TEST(FormState, ChoosingAnOptionClearsTheOthersAndClicksOnlyTheChosenOne) {
    FormState form(TestSpec());
    std::vector<std::string> clicks;
    for (const char* name : {"Option1", "Option2"}) {
        form[name].OnClick([&clicks, name] { clicks.push_back(name); });
    }
    form["Option2"].Click();
    EXPECT_EQ(form["Option1"].Value(), 0);
    EXPECT_EQ(form["Option2"].Value(), 1);
    form["Option2"].Click();
    form["Option1"].SetValue(1);
    EXPECT_EQ(form["Option2"].Value(), 0);
    EXPECT_EQ(clicks, (std::vector<std::string>{"Option2", "Option2", "Option1"}));
}

TEST(FormState, ListRowsSelectionAndClicks) {
    FormState form(TestSpec());
    FormControl& list = form["List1"];
    int clicks = 0;
    int doubles = 0;
    list.OnClick([&] { ++clicks; });
    list.OnDoubleClick([&] { ++doubles; });
    list.AddRow("Public Chat");
    list.AddRow("Clan \xC3\x84");
    list.ClickRow(1);
    EXPECT_EQ(list.SelectedText(), "Clan \xC3\x84");
    list.DoubleClick();
    list.SetSelected(7);
    EXPECT_EQ(list.Selected(), -1) << "a row that is not there selects nothing";
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(doubles, 1);
}

TEST(FormState, CloseRequestsGoToTheWindowsHandlerElseTheWindowHides) {
    FormState form(TestSpec());
    form.Show();
    form.RequestClose();
    EXPECT_FALSE(form.Visible());
    int asked = 0;
    form.Show();
    form.OnCloseRequest([&] { ++asked; });
    form.RequestClose();
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(form.Visible());
}

TEST(FormState, PressesReachTheirControlOrTheWindow) {
    FormState form(TestSpec());
    std::vector<int> presses;
    form["Label3"].OnMouseDown([&](int button) { presses.push_back(button); });
    form.OnMouseDown([&](int button) { presses.push_back(10 * button); });
    form["Label3"].MouseDown(kMouseRight);
    form.MouseDown(kMouseLeft);
    form["Command1"].MouseDown(kMouseLeft);  // nothing hangs on it
    EXPECT_EQ(presses, (std::vector<int>{kMouseRight, 10 * kMouseLeft}));
}

}  // namespace
}  // namespace qv
