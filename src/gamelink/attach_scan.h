// Finds the game's chat screen and binds its controls. The scanner tests one row of the
// window snapshot EW per tick for the game's title; the row three places earlier is the
// candidate window, whose descendants the child lister keeps in ECW; the candidate check
// binds when there are exactly 18 of them and moves the scan on otherwise.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "core/change_field.h"
#include "core/timer.h"
#include "gamelink/game_control_map.h"
#include "platform/platform.h"

namespace qv {

constexpr int kScannerPeriodMs = 1;
constexpr int kChildListerPeriodMs = 300;
constexpr int kCandidateCheckPeriodMs = 555;

class AttachScan {
  public:
    AttachScan(Platform& platform, HandleBoxes& boxes);

    // Runs after the snapshot of the Load steps: the user lists' scroll bars are switched
    // off there.
    void SetUserListScrollBarsOff(std::function<void()> hook) { scrollbars_off_ = std::move(hook); }

    // The Load steps: lower the priority, read it back, take the window snapshot, switch
    // the user lists' scroll bars off. Run at start and at every restart of the scan.
    void FormLoad();

    // Appends one row per top-level window to EW.
    void Command2_Click();

    // The row EW keeps for a window: its handle, a blank and its title.
    std::string WindowRow(WindowHandle window);

    // Empties the target and fills it with the window's descendants as decimal text.
    void ListChildWindows(WindowHandle window, std::vector<std::string>& target);

    void Ti_Timer();
    void Ti1_Timer();
    void Ti2_Timer();

    // Kaunta and EW are written by the scan alone: the scanner rests while it has matched
    // and the check runs, and only the scan's own steps wake it.
    TextField Kaunta{"0"};
    std::string handlebw;
    std::vector<std::string> EW;
    std::vector<std::string> ECW;

    Timer Ti;
    Timer Ti1;
    Timer Ti2;

  private:
    void Advance(int row);

    Platform& platform_;
    HandleBoxes& boxes_;
    std::vector<int32_t> ChildHandles;
    std::function<void()> scrollbars_off_;
};

}  // namespace qv
