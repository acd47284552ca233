#include "tools/name_alert_window.h"

#include "platform/stored_settings.h"

namespace qv {
namespace {

const char* const kWordBoxes[kAlertWordCount] = {"Text1", "Text2", "Text3", "Text4",
                                                 "Text5", "Text6", "Text7", "Text8"};

}  // namespace

FormSpec Form8Layout() {
    FormSpec layout = ToolWindowLayout("Form8", "Name Alert", 340, 262);
    layout.controls = {
        ToolHeading("Label1", "Names or Words, that plays the Alert Sound", {12, 10, 316, 16}),
        TextBox("Text1", "", {12, 32, 150, 22}),
        TextBox("Text2", "", {178, 32, 150, 22}),
        TextBox("Text3", "", {12, 62, 150, 22}),
        TextBox("Text4", "", {178, 62, 150, 22}),
        TextBox("Text5", "", {12, 92, 150, 22}),
        TextBox("Text6", "", {178, 92, 150, 22}),
        TextBox("Text7", "", {12, 122, 150, 22}),
        TextBox("Text8", "", {178, 122, 150, 22}),
        ToolLabel("Label2",
                  "When one of these names or words appears in a chat line, the alert sound "
                  "plays, so you notice when someone talks to you or about you.",
                  {12, 156, 316, 48}),
        Button("Command1", "Start", {12, 220, 90, 28}),
        Button("Command2", "Stop", {110, 220, 90, 28}),
        ToolHeading("Label3", kStatusOff, {214, 226, 120, 20}).Fore(kStatusRed),
    };
    return layout;
}

Form8::Form8(SettingsStore& settings, MainStatusLabel label11)
    : ToolWindow(Form8Layout()), settings_(settings), label11_(std::move(label11)) {
    form["Command1"].OnClick([this] { Command1_Click(); });
    form["Command2"].OnClick([this] { Command2_Click(); });
    form.OnCloseRequest([this] { Form_Unload(); });
}

std::string Form8::AlertWord(int index) {
    if (index < 0 || index >= kAlertWordCount) return "";
    return form[kWordBoxes[index]].Text();
}

void Form8::Form_Load() {
    // A value that cannot be read leaves its box empty.
    for (int k = 0; k < kAlertWordCount; ++k) {
        if (auto word = settings_.Read(kAlertWordSettings[k])) form[kWordBoxes[k]].SetText(*word);
    }
    // A missing or empty switch leaves the alert off; only "1" exactly turns it on.
    const std::optional<std::string> enable = settings_.Read(kAlertSwitchReadName);
    if (!enable || enable->empty()) return;
    if (settings_.Read(kAlertSwitchReadName).value_or("") == "1") Command1_Click();
}

void Form8::Command1_Click() {
    ShowWindowStatus(form["Label3"], true);
    if (label11_) label11_(true);
    for (int k = 0; k < kAlertWordCount; ++k) {
        settings_.Write(kAlertWordSettings[k], form[kWordBoxes[k]].Text());
    }
    settings_.Write(kAlertSwitchSetting, "1");
}

void Form8::Command2_Click() {
    ShowWindowStatus(form["Label3"], false);
    if (label11_) label11_(false);
    settings_.Write(kAlertSwitchSetting, "0");
}

void Form8::Form_Unload() { form.Hide(); }

}  // namespace qv
