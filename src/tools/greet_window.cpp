#include "tools/greet_window.h"

#include <algorithm>

#include "platform/stored_settings.h"
#include "tools/tool_text.h"

namespace qv {
namespace {

// A count beyond the 16-bit range is kept at its largest value (the window's Integer).
int16_t ToCount16(int count) {
    return static_cast<int16_t>(std::clamp(count, int{INT16_MIN}, int{INT16_MAX}));
}

}  // namespace

FormSpec Form4Layout() {
    // Wide enough to show the whole default greeting in its box.
    FormSpec layout = ToolWindowLayout("Form4", "Greet message", 660, 220);
    layout.controls = {
        ToolHeading("Label1", "Greet mesage", {12, 10, 200, 16}),
        TextBox("Text1", kGreetDefaultText, {12, 28, 636, 22}),
        ToolLabel("Label2", "If you want to  whisper the message type: /w %user message",
                  {12, 56, 396, 16}),
        ToolHeading("Label4", "Commands:", {12, 80, 200, 16}),
        ToolLabel("Label5", "%user | Username of the user who joined the channel",
                  {12, 98, 396, 16}),
        ToolLabel("Label6", "%date | Date", {12, 114, 200, 16}),
        ToolLabel("Label7", "%time | Time", {12, 130, 200, 16}),
        ToolLabel("Label8", "For example: Hello %user its currently %time", {12, 150, 396, 16}),
        Button("Command1", "Start", {12, 180, 90, 28}),
        Button("Command2", "Stop", {110, 180, 90, 28}),
        ToolHeading("Label3", kStatusOff, {214, 186, 190, 20}).Fore(kStatusRed),
        // Work box and time stamp, below the visible area of the window.
        TextBox("Text2", "Text2", {12, 232, 120, 22}).Flags(kNoTabStop),
        TextBox("Text3", "Text3", {140, 232, 120, 22}).Flags(kHidden | kNoTabStop),
        Button("Command3", "Command3", {268, 232, 90, 22}).Flags(kHidden | kNoTabStop),
    };
    return layout;
}

Form4::Form4(Platform& platform)
    : ToolWindow(Form4Layout()),
      Timer1(platform.timers, "Form4.Timer1", kGreetTickMs),
      platform_(platform) {
    Timer1.SetHandler([this] { Timer1_Timer(); });
    form["Command1"].OnClick([this] { Command1_Click(); });
    form["Command2"].OnClick([this] { Command2_Click(); });
    form["Command3"].OnClick([this] { Command3_Click(); });
    form.OnCloseRequest([this] { Form_QueryUnload(); });
    Text3.OnChange([this] { form["Text3"].SetText(Text3.Get()); });
}

int Form4::UserCount() const { return links_.user_count ? links_.user_count() : 0; }

void Form4::Form_Load() {
    LastUserCount = ToCount16(UserCount());
    // A missing value (first run) or a failed read leaves the stored greet text.
    if (auto text = platform_.settings.Read(kGreetSetting)) form["Text1"].SetText(*text);
}

void Form4::Command1_Click() {
    Timer1.SetEnabled(true);
    ShowWindowStatus(form["Label3"], true);
    if (links_.label5) links_.label5(true);
    platform_.settings.Write(kGreetSetting, form["Text1"].Text());
}

void Form4::Command2_Click() {
    Timer1.SetEnabled(false);
    ShowWindowStatus(form["Label3"], false);
    if (links_.label5) links_.label5(false);
}

void Form4::Form_QueryUnload() { form.Hide(); }

void Form4::Timer1_Timer() {
    form["Text2"].SetText("");
    if (links_.user_copier) links_.user_copier(false);
    // Compared as the window's 16-bit numbers: a list beyond their range stays at the largest.
    const int n = UserCount();
    if (ToCount16(n) > LastUserCount) {
        const std::string row = links_.user_row ? links_.user_row(n - 1) : std::string();
        // A name with a line break is no real user's: nobody is greeted for it.
        if (const std::optional<std::string> name = GreetUserName(row)) {
            form["Text2"].SetText(*name);
            const std::string line =
                FillGreeting(form["Text1"].Text(), form["Text2"].Text(), platform_.clock.Now());
            if (links_.send) links_.send->SendLine(SendPaths::Outgoing::kTime, line);
        }
    } else {
        form["Text2"].SetText("");
    }
    LastUserCount = ToCount16(UserCount());
    if (links_.user_copier) links_.user_copier(true);
}

void Form4::Command3_Click() {
    Load();
    Text3.Set(platform_.clock.FormatTime(platform_.clock.Now()));
}

}  // namespace qv
