// The "Chat Logging" menu's Enable and Disable items: the stored switch and the two checks.
#pragma once

#include "platform/settings_store.h"

namespace qv {


class ChatLogSwitch {
  public:
    explicit ChatLogSwitch(SettingsStore& settings) : settings_(settings) {}

    // Store "1" and check Enable. A failed write changes only the stored value's fate: the
    // checks follow the click all the same.
    void enab_Click();
    // Store "0" and check Disable.
    void disab_Click();

    // Logging is on while Enable is checked; Disable is checked at load, so it starts off.
    bool EnabChecked() const { return enab_checked_; }
    bool DisabChecked() const { return disab_checked_; }

  private:
    SettingsStore& settings_;
    bool enab_checked_ = false;
    bool disab_checked_ = true;
};

}  // namespace qv
