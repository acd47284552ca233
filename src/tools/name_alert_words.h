// The name alert window's eight word boxes and the main window's status label, as the line
// processor reads them. The window itself, which edits and stores them, builds on this.
#pragma once

#include <array>
#include <string>

#include "chat/name_alert.h"

namespace qv {

class Form8Words : public AlertWords {
  public:
    std::string AlertWord(int index) override {
        if (index < 0 || index >= kAlertWordCount) return "";
        return Text[static_cast<size_t>(index)];
    }
    std::array<std::string, kAlertWordCount> Text;  // Text1 .. Text8
};

}  // namespace qv
