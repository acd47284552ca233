// How a right click on the channel list opens the user pop-up: the release of
// the right button sets `Textstein`, whose change makes a synthetic left press and release at
// the cursor (selecting the row under it) and arms the pop-up placer `timerfenster`, which
// opens the pop-up 100 ms later at the cursor position the tracker `Timer9` read last.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "core/change_field.h"
#include "core/timer.h"
#include "platform/platform.h"
#include "userlists/user_list_box.h"
#include "userlists/user_popup.h"

namespace qv {

constexpr int kPopupPlacerDelayMs = 100;    // timerfenster, once per arming
constexpr int kCursorTrackerPeriodMs = 66;  // Timer9

class UserPopupOpener {
  public:
    UserPopupOpener(Platform& platform, UserListBox& ListBoxFX1, Form7& popup);

    void Start();  // the cursor tracker runs from load

    // Raised by ListBoxFX1 when a mouse button is released over it.
    void ListBoxFX1_MouseUp(int16_t button);
    void Textstein_Change();
    void Timer9_Timer();
    void timerfenster_Timer();

    TextField Textstein{"0"};  // click flag: "1" makes the synthetic click
    std::string posaa1;        // cursor x in screen pixels, decimal
    std::string posaa2;        // cursor y
    std::string Label2;        // read-out captions of the tracker
    std::string Label3;
    Timer timerfenster;
    Timer Timer9;

  private:
    Platform& platform_;
    UserListBox& ListBoxFX1_;
    Form7& popup_;
};

}  // namespace qv
