// The upkeep of the game's own user lists (`Timer12`, every 800 ms): the game's
// two list scroll bars shown or hidden by the 13-row rule, the game switched to its Friends
// tab while the main window is the active window and back to its Channel tab when the player
// leaves it (`channelaktiv`), and the friends list refreshed in the Friends and Both views.
#pragma once

#include <functional>
#include <string>

#include "core/timer.h"
#include "gamelink/game_control_map.h"
#include "platform/platform.h"
#include "userlists/user_list_views.h"

namespace qv {

constexpr int kGameListUpkeepPeriodMs = 800;  // Timer12
// The game's user lists show this many rows; more need their scroll bar.
constexpr int kGameListRowsShown = 13;

class GameListUpkeep {
  public:
    // `main_window` gives the main window's handle, to compare with the active window.
    GameListUpkeep(Platform& platform, HandleBoxes& boxes, UserListViews& views,
                   std::function<WindowHandle()> main_window);

    void Timer12_Timer();
    // The 13-row rule for the game's two list scroll bars, every tick: the channel list's
    // style is asked once for its own rule and again for the friends rule, which a count
    // the game did not answer leaves out.
    void SetGameScrollBars();
    // The rule at shut-down: one look at the channel list's style picks which rule runs.
    void SetGameScrollBarsOnce();
    // Friends tab while the main window is active, Channel tab once it is left.
    void KeepGameTabs();

    std::string channelaktiv = "0";  // "1" while this program has switched to the Friends tab
    Timer Timer12;

  private:
    bool GameWindowVisible(const TextField& box);
    // The three tests on `list`'s count (asked afresh for each): above 13 shows `own` and
    // hides `other`, below 13 hides `own`; exactly 13 changes nothing. A count the game does
    // not answer ends the rule there, false: no bar is shown or hidden on it.
    bool ScrollBarRule(const TextField& list, const TextField& own, const TextField& other);

    Platform& platform_;
    HandleBoxes& boxes_;
    UserListViews& views_;
    std::function<WindowHandle()> main_window_;
};

}  // namespace qv
