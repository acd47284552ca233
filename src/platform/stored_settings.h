// Every value the program keeps in the settings store, with its key, in one place. Names are
// relative to the store's path (settings_store.h): group and value joined by a backslash. All
// values are text.
#pragma once

#include "platform/settings_store.h"

namespace qv {

// ---- Start-up and shut-down of the main window, its skins ----
// The skin: "1" Starcraft, "2" Blue, "3" Silver; written by the Style menu, read at start
// and by the user pop-up at each opening.
constexpr const char* kStyleSetting = "SaveStyle\\Style";
// "Hide offline friends": the check box's value as a number; written when the main window
// is closed, read at start.
constexpr const char* kHideSetting = "SaveHide\\Hide";
// Chat logging: "1" on, "0" off; written by the Chat Logging menu, read at start.
constexpr const char* kLogSetting = "Logfile\\Log";

// ---- Tool windows ----
// The three timed messages, written by their Start, read when their window first loads.
constexpr const char* kTimeMessageSettings[3] = {
    "SaveTimeMessage\\Message1", "SaveTimeMessage\\Message2", "SaveTimeMessage\\Message3"};
// The greet text, written by its Start, read when the greet window first loads.
constexpr const char* kGreetSetting = "SaveGreetMessage\\Message";
// The eight alert words, written by the name alert's Start, read when its window loads.
constexpr const char* kAlertWordSettings[8] = {
    "SaveAlertMessage\\Message1", "SaveAlertMessage\\Message2", "SaveAlertMessage\\Message3",
    "SaveAlertMessage\\Message4", "SaveAlertMessage\\Message5", "SaveAlertMessage\\Message6",
    "SaveAlertMessage\\Message7", "SaveAlertMessage\\Message8"};
// The name alert's switch, "1" or "0": written under this name and read under the one below,
// which the store takes as the same value (names match without regard to case).
constexpr const char* kAlertSwitchSetting = "SaveAlertMessage\\Enable";
constexpr const char* kAlertSwitchReadName = "SaveAlertMessage\\enable";

}  // namespace qv
