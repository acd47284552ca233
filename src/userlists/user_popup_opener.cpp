#include "userlists/user_popup_opener.h"

#include "core/number_text.h"
#include "listcontrol/list_events.h"

namespace qv {

UserPopupOpener::UserPopupOpener(Platform& platform, UserListBox& ListBoxFX1, Form7& popup)
    : timerfenster(platform.timers, "timerfenster", kPopupPlacerDelayMs, true),
      Timer9(platform.timers, "Timer9", kCursorTrackerPeriodMs),
      platform_(platform),
      ListBoxFX1_(ListBoxFX1),
      popup_(popup) {
    Textstein.OnChange([this] { Textstein_Change(); });
    timerfenster.SetHandler([this] { timerfenster_Timer(); });
    Timer9.SetHandler([this] { Timer9_Timer(); });
}

void UserPopupOpener::Start() { Timer9.SetEnabled(true); }

void UserPopupOpener::ListBoxFX1_MouseUp(int16_t button) {
    if (button == kButtonRight) {
        Textstein.Set("1");
        // Armed before the queued press is handled, so the press selects the row first.
        timerfenster.SetEnabled(true);
    } else if (button == kButtonLeft) {
        // The pop-up was meant to yield to pending events first; nothing here depends on what they
        // do, and this program yields inside no handler.
        popup_.Unload();
    }
    Textstein.Set("0");
}

void UserPopupOpener::Textstein_Change() {
    if (Textstein.Get() != "1") return;
    // The tracker reads the cursor now and follows it until the pop-up is placed. The read
    // also brings the window system's idea of the cursor up to date, which the synthetic click
    // below uses.
    Timer9_Timer();
    Timer9.Wake();
    platform_.cursor.MouseEvent(kMouseEventLeftDown, 0, 0, 0);
    platform_.cursor.MouseEvent(kMouseEventLeftUp, 0, 0, 0);
}

void UserPopupOpener::Timer9_Timer() {
    CursorPoint point;
    platform_.cursor.GetCursorPos(&point);
    Label2 = "X-Position: ";
    posaa1 = DecimalText(point.x);
    Label3 = "Y-Position: ";
    posaa2 = DecimalText(point.y);
    // Its reading is used only by the pop-up placer: while no placement is due the tracker
    // rests (each reading costs the window system a round trip to the display).
    if (!timerfenster.Enabled()) Timer9.Rest();
}

void UserPopupOpener::timerfenster_Timer() {
    if (ListBoxFX1_.Control().ItemSelectedText().empty()) {
        timerfenster.SetEnabled(false);
        return;
    }
    // Mended (an obvious fault): the top-left corner goes on the cursor in pixels; the cursor
    // position times 15 twips would land elsewhere on a display not at 96 DPI.
    const auto x = ParseInt32(posaa1);
    const auto y = ParseInt32(posaa2);
    popup_.Show(x.value_or(0), y.value_or(0));
    timerfenster.SetEnabled(false);
}

}  // namespace qv
