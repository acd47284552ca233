// Messages to the player that wait for an answer (a message box with an OK button).
#pragma once

#include <string>

#include "platform/window_system.h"

namespace qv {

class Dialogs {
  public:
    virtual ~Dialogs() = default;
    // Shows `text` under `title`, owned by `owner` (0: no owner), and returns once the
    // player has closed it.
    virtual void ShowMessage(WindowHandle owner, const std::string& title,
                             const std::string& text) = 0;
};

}  // namespace qv
