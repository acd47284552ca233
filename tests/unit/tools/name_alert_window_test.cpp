#include "tools/name_alert_window.h"

#include <gtest/gtest.h>

#include "sim/sim_platform.h"

namespace qv {
namespace {

class NameAlert : public ::testing::Test {
  protected:
    SimSettings settings;
    std::vector<std::string> label11;
    Form8 window{settings, [this](bool on) { label11.push_back(on ? "Enabled" : "Disabled"); }};
};

TEST_F(NameAlert, FirstRunHasEightEmptyBoxesAndStaysOffWritingNothing) {
    window.Load();
    EXPECT_EQ(window.form.Caption(), "Name Alert");
    for (int k = 0; k < kAlertWordCount; ++k) EXPECT_EQ(window.AlertWord(k), "");
    EXPECT_TRUE(label11.empty());
    EXPECT_EQ(window.form["Label3"].Text(), "Status: Off");
    EXPECT_TRUE(settings.values.empty());
    EXPECT_EQ(window.form["Label1"].Text(), "Names or Words, that plays the Alert Sound");
}

TEST_F(NameAlert, TheWordBoxesAreWhatTheLineProcessorReads) {
    window.form["Text1"].SetText("bob");
    window.form["Text8"].SetText("J\xC3\xBCrgen");
    AlertWords& words = window;
    EXPECT_EQ(words.AlertWord(0), "bob");
    EXPECT_EQ(words.AlertWord(7), "J\xC3\xBCrgen");
    EXPECT_EQ(words.AlertWord(8), "");
    EXPECT_EQ(words.AlertWord(-1), "");
}

TEST_F(NameAlert, StartShowsOnThenWritesTheWordsAndTheSwitch) {
    window.form["Text2"].SetText("alice");
    window.form["Command1"].Click();
    EXPECT_EQ(label11, (std::vector<std::string>{"Enabled"}));
    EXPECT_EQ(window.form["Label3"].Text(), "Status: On");
    EXPECT_EQ(window.form["Label3"].ForeColour(), 0x00FF00u);
    EXPECT_EQ(settings.values.size(), 9u);
    EXPECT_EQ(settings.values["SaveAlertMessage\\Message1"], "");
    EXPECT_EQ(settings.values["SaveAlertMessage\\Message2"], "alice");
    EXPECT_EQ(settings.values["SaveAlertMessage\\Enable"], "1");
}

TEST_F(NameAlert, StopWritesTheSwitchOnly) {
    window.form["Text1"].SetText("unsaved");
    window.form["Command2"].Click();
    EXPECT_EQ(label11, (std::vector<std::string>{"Disabled"}));
    EXPECT_EQ(settings.values,
              (std::map<std::string, std::string>{{"SaveAlertMessage\\Enable", "0"}}));
}

TEST_F(NameAlert, SavedSwitchOneRestoresTheWordsAndRunsStart) {
    settings.values["SaveAlertMessage\\Message1"] = "bob";
    settings.values["SaveAlertMessage\\Message5"] = "\xC3\xA4rger";
    settings.values["SaveAlertMessage\\Enable"] = "1";
    window.Load();
    EXPECT_EQ(window.AlertWord(0), "bob");
    EXPECT_EQ(window.AlertWord(4), "\xC3\xA4rger");
    EXPECT_EQ(label11, (std::vector<std::string>{"Enabled"}));
    // Start writes the eight values again: a missing word value is created empty.
    EXPECT_EQ(settings.values["SaveAlertMessage\\Message2"], "");
    EXPECT_EQ(settings.values.size(), 9u);
}

TEST_F(NameAlert, AnyOtherSavedSwitchLeavesTheAlertOff) {
    for (const char* saved : {"0", "", " ", "yes", "1 ", "01"}) {
        SimSettings store;
        store.values["SaveAlertMessage\\enable"] = saved;
        int switched = 0;
        Form8 w(store, [&](bool) { ++switched; });
        w.Load();
        EXPECT_EQ(switched, 0) << "saved switch '" << saved << "'";
        EXPECT_EQ(w.form["Label3"].Text(), "Status: Off");
    }
}

TEST_F(NameAlert, TheSwitchIsReadUnderTheNameEnableWithoutRegardToCase) {
    settings.values["SaveAlertMessage\\ENABLE"] = "1";
    window.Load();
    EXPECT_EQ(label11, (std::vector<std::string>{"Enabled"}));
}

TEST_F(NameAlert, ClosingHidesAndKeepsTheWords) {
    window.Show();
    window.form["Text3"].SetText("x");
    window.form["Command1"].Click();
    window.form.RequestClose();
    EXPECT_FALSE(window.form.Visible());
    EXPECT_EQ(window.AlertWord(2), "x");
    EXPECT_EQ(label11.back(), "Enabled");
}

TEST_F(NameAlert, LabelsUpdateEvenWhenWritesFail) {
    settings.writable = false;
    window.form["Command1"].Click();
    EXPECT_EQ(label11, (std::vector<std::string>{"Enabled"}));
    window.form["Command2"].Click();
    EXPECT_EQ(label11.back(), "Disabled");
}

TEST_F(NameAlert, StopThenRestartBringsTheWordsBackWithTheAlertOff) {
    window.form["Text1"].SetText("bob");
    window.form["Command1"].Click();
    window.form["Command2"].Click();
    std::vector<std::string> later;
    Form8 next(settings, [&](bool on) { later.push_back(on ? "on" : "off"); });
    next.Load();
    EXPECT_EQ(next.AlertWord(0), "bob");
    EXPECT_TRUE(later.empty());
}

}  // namespace
}  // namespace qv
