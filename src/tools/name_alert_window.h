// The name alert window `Form8` "Name Alert": the eight words that make the
// program play the alert tone, and the alert's switch. The line processor reads the eight
// word boxes (through `AlertWords`) as they stand at each chat line, and tests them only
// while the main window's `Label11` reads "Enabled", which this window sets. Start-up loads
// it hidden; closing it only hides it.
#pragma once

#include <functional>
#include <string>

#include "chat/name_alert.h"
#include "core/form_state.h"
#include "platform/settings_store.h"
#include "tools/status_words.h"
#include "tools/tool_window.h"

namespace qv {


FormSpec Form8Layout();

class Form8 : public ToolWindow, public AlertWords {
  public:
    // `label11` shows (and is) the alert's switch on the main window.
    Form8(SettingsStore& settings, MainStatusLabel label11);

    // The word box k (0 .. 7) as it stands now.
    std::string AlertWord(int index) override;

    // Start-up loads the window hidden (Load); the menu entry shows it (Show).
    void Form_Load() override;
    void Command1_Click();  // "Start"
    void Command2_Click();  // "Stop"
    void Form_Unload();

  private:
    SettingsStore& settings_;
    MainStatusLabel label11_;
};

}  // namespace qv
