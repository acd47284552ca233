// The words the tool windows show are the program's own texts, misspellings and double blanks
// included: each window's table holds every one of them exactly, with the default texts of its
// boxes and the status word it starts with.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tools/greet_window.h"
#include "tools/name_alert_window.h"
#include "tools/time_messages_window.h"

namespace qv {
namespace {

std::vector<std::string> Captions(const FormSpec& layout) {
    std::vector<std::string> captions;
    for (const ControlSpec& control : layout.controls) captions.emplace_back(control.caption);
    return captions;
}

void ExpectCaptions(const FormSpec& layout, const std::vector<std::string>& wanted) {
    const std::vector<std::string> captions = Captions(layout);
    for (const std::string& text : wanted) {
        EXPECT_NE(std::find(captions.begin(), captions.end(), text), captions.end())
            << layout.name << " lacks \"" << text << "\"";
    }
}

TEST(ToolWindowTexts, TimedMessagesWindowShowsItsLabelsButtonsAndDefaults) {
    const FormSpec layout = Form3Layout();
    EXPECT_STREQ(layout.caption, "Time messages");
    ExpectCaptions(
        layout,
        {"1st Message", "2nd Message", "3rd Message", "Time to send messages (Milliseconds)",
         "Set new time", "Start", "Stop", "Status: Off", "Commands:", "%date | Date",
         "%time | Time", "For example: its currently %time !",
         "Hello, im using Dunmarrows Quorvane DI Zuvo!", "Its currently %time!", "40000"});
}

TEST(ToolWindowTexts, GreetWindowShowsItsHelpWordForWord) {
    const FormSpec layout = Form4Layout();
    EXPECT_STREQ(layout.caption, "Greet message");
    ExpectCaptions(
        layout, {"Greet mesage", "If you want to  whisper the message type: /w %user message",
                 "Commands:", "%user | Username of the user who joined the channel", "%date | Date",
                 "%time | Time", "For example: Hello %user its currently %time", "Start", "Stop",
                 "Status: Off",
                 "/w %user Hello %user I'm using Dunmarrows Quorvane DI Zuvo! Its "
                 "currently the %date and it is %time"});
}

TEST(ToolWindowTexts, NameAlertWindowShowsItsHeadingAndButtons) {
    const FormSpec layout = Form8Layout();
    EXPECT_STREQ(layout.caption, "Name Alert");
    ExpectCaptions(layout,
                   {"Names or Words, that plays the Alert Sound", "Start", "Stop", "Status: Off"});
}

}  // namespace
}  // namespace qv
