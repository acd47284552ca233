// Moves the game's chat into the program. When the chat list is bound it gets five welcome
// lines and its rows are counted; from then on every 200 ms each new row is read, kept in
// the mirror list List2 and handed, one at a time, to the line box.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/change_field.h"
#include "core/timer.h"
#include "gamelink/game_control_map.h"
#include "platform/platform.h"

namespace qv {

constexpr int kPumpPeriodMs = 200;
constexpr int kLineCounterDelayMs = 50;
// The first pass after a binding starts this many rows before the count at binding.
constexpr int kBacklogRows = 200;

extern const char* const kWelcomeTexts[5];

// What the pump drives in the rest of the main window.
struct ChatPumpHooks {
    std::function<void(const std::string&)> set_line_box;  // Text11 := row
    std::function<void()> clear_line_box;                  // Text11 := ""
    std::function<void()> clear_view;                      // empty RichTextBox2
    std::function<void()> clear_staging;                   // empty RichTextBox1
    std::function<void()> clear_backlog;                   // Text8 := ""
    // The welcome lines' time stamp: the greet window's hidden time button pressed (which
    // loads that window on first use), then its hidden time box read.
    std::function<std::string()> welcome_stamp;
    // Around the rows of one pass, so the view draws once for all of them.
    std::function<void()> begin_pass;
    std::function<void()> end_pass;
};

class ChatPump {
  public:
    ChatPump(Platform& platform, HandleBoxes& boxes, ChatPumpHooks hooks);

    void list_Change();
    void timerlistcount_Timer();
    void Text12_Change();
    void Timer2_Timer();
    void Kaunta_Change();
    void text_Change();

    // The mirror list: one row per game row read since the binding, from the game's row
    // (count at binding - 200) on; rows before the game's first row are empty.
    const std::vector<std::string>& List2() const { return List2_; }
    int64_t MirrorCount() const { return static_cast<int64_t>(List2_.size()); }

    TextField Text12;
    Timer Timer2;
    Timer timerlistcount;

  private:
    Platform& platform_;
    HandleBoxes& boxes_;
    ChatPumpHooks hooks_;
    std::vector<std::string> List2_;
    // Set by each binding until the line counter has stored its count, so no pass reads
    // with the count of an earlier binding.
    bool count_pending_ = false;
    bool in_pass_ = false;
    // Bumped by every reset and new handle: a pass that sees it change stops at once.
    uint64_t generation_ = 0;
};

}  // namespace qv
