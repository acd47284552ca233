#include "tools/time_messages_window.h"

#include "platform/stored_settings.h"
#include "tools/tool_text.h"

namespace qv {
namespace {

constexpr const char* kMessage1 = "Hello, im using Dunmarrows Quorvane DI Zuvo!";
constexpr const char* kMessage2 = "Its currently %time!";
constexpr const char* kMessageBoxes[3] = {"Text1", "Text2", "Text3"};

}  // namespace

FormSpec Form3Layout() {
    FormSpec layout = ToolWindowLayout("Form3", "Time messages", 420, 276);
    layout.controls = {
        ToolLabel("Label1", "1st Message", {12, 10, 200, 16}),
        TextBox("Text1", kMessage1, {12, 28, 396, 22}),
        ToolLabel("Label2", "2nd Message", {12, 56, 200, 16}),
        TextBox("Text2", kMessage2, {12, 74, 396, 22}),
        ToolLabel("Label4", "3rd Message", {12, 102, 200, 16}),
        TextBox("Text3", "", {12, 120, 396, 22}),
        ToolLabel("Label5", "Time to send messages (Milliseconds)", {12, 152, 250, 16}),
        TextBox("Text4", "40000", {12, 170, 100, 22}),
        Button("Command1", "Set new time", {120, 169, 110, 24}),
        ToolHeading("Label6", "Commands:", {270, 152, 140, 16}),
        ToolLabel("Label7", "%date | Date", {270, 170, 140, 16}),
        ToolLabel("Label8", "%time | Time", {270, 186, 140, 16}),
        ToolLabel("Label9", "For example: its currently %time !", {12, 204, 396, 16}),
        Button("Command2", "Start", {12, 234, 90, 28}),
        Button("Command3", "Stop", {110, 234, 90, 28}),
        ToolHeading("Label3", kStatusOff, {214, 240, 190, 20}).Fore(kStatusRed),
    };
    return layout;
}

Form3::Form3(Platform& platform, SendPaths& send, MainStatusLabel label6)
    : ToolWindow(Form3Layout()),
      Timer1(platform.timers, "Form3.Timer1", kTimeMessagesIntervalMs),
      Timer2(platform.timers, "Form3.Timer2", kTimeMessagesSendDelayMs, true),
      platform_(platform),
      send_(send),
      label6_(std::move(label6)) {
    Timer1.SetHandler([this] { Timer1_Timer(); });
    Timer2.SetHandler([this] { Timer2_Timer(); });
    form["Command1"].OnClick([this] { Command1_Click(); });
    form["Command2"].OnClick([this] { Command2_Click(); });
    form["Command3"].OnClick([this] { Command3_Click(); });
    form.OnCloseRequest([this] { Form_QueryUnload(); });
}

void Form3::Form_Load() {
    // A value that cannot be read leaves its box with the stored text.
    for (int k = 0; k < 3; ++k) {
        if (auto text = platform_.settings.Read(kTimeMessageSettings[k])) {
            form[kMessageBoxes[k]].SetText(*text);
        }
    }
}

void Form3::Command1_Click() {
    const IntervalEntry entry = ApplyIntervalEntry(form["Text4"].Text(), Timer1.Interval());
    if (entry.box) form["Text4"].SetText(*entry.box);
    Timer1.SetInterval(entry.interval);
}

void Form3::Command2_Click() {
    Timer1.SetEnabled(true);
    ShowWindowStatus(form["Label3"], true);
    if (label6_) label6_(true);
    // A write that fails is skipped without a word; the messages run all the same.
    for (int k = 0; k < 3; ++k) {
        platform_.settings.Write(kTimeMessageSettings[k], form[kMessageBoxes[k]].Text());
    }
}

void Form3::Command3_Click() {
    Timer1.SetEnabled(false);
    ShowWindowStatus(form["Label3"], false);
    if (label6_) label6_(false);
}

void Form3::Form_QueryUnload() { form.Hide(); }

void Form3::Timer1_Timer() {
    TextField* boxes[3] = {&send_.time, &send_.time2, &send_.time3};
    for (int k = 0; k < 3; ++k) {
        boxes[k]->Set(FillDateTime(form[kMessageBoxes[k]].Text(), platform_.clock.Now()));
    }
    // Until they are sent, a greeting or a join waits behind them instead of taking a box.
    send_.HoldBoxes();
    Timer2.SetEnabled(true);
}

void Form3::Timer2_Timer() {
    send_.send_Click();
    send_.send2_Click();
    send_.send3_Click();
    send_.ReleaseBoxes();
    Timer2.SetEnabled(false);
}

}  // namespace qv
