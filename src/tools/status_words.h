// The status words of the tool windows (the same in all of them): the window's own label
// reads "Status: On" in green or "Status: Off" in red, and the feature's label on the main
// window reads "Enabled" in green or "Disabled" in red. All show the "Off" state at start.
#pragma once

#include <cstdint>
#include <functional>

#include "core/form_state.h"

namespace qv {

constexpr const char* kStatusOn = "Status: On";
constexpr const char* kStatusOff = "Status: Off";
constexpr const char* kMainEnabled = "Enabled";
constexpr const char* kMainDisabled = "Disabled";
constexpr uint32_t kStatusGreen = 0x0000FF00;  // &H00FF00
constexpr uint32_t kStatusRed = 0x000000FF;    // &H0000FF

// Sets the feature's label on the main window: "Enabled" (true) or "Disabled".
using MainStatusLabel = std::function<void(bool on)>;

// A window's own status label.
inline void ShowWindowStatus(FormControl& label, bool on) {
    label.SetText(on ? kStatusOn : kStatusOff);
    label.SetForeColour(on ? kStatusGreen : kStatusRed);
}

// A status label of the main window.
inline void ShowMainStatus(FormControl& label, bool on) {
    label.SetText(on ? kMainEnabled : kMainDisabled);
    label.SetForeColour(on ? kStatusGreen : kStatusRed);
}

}  // namespace qv
