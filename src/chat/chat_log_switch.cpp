#include "chat/chat_log_switch.h"

#include "platform/stored_settings.h"

namespace qv {

void ChatLogSwitch::enab_Click() {
    settings_.Write(kLogSetting, "1");
    enab_checked_ = true;
    disab_checked_ = false;
}

void ChatLogSwitch::disab_Click() {
    settings_.Write(kLogSetting, "0");
    enab_checked_ = false;
    disab_checked_ = true;
}

}  // namespace qv
