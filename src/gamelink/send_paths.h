// Typing into the game and clicking its buttons. Every line the program sends goes through
// one of these paths; every handle comes from the handle boxes at each use, so an unbound
// control ("0") receives nothing.
#pragma once

#include <deque>
#include <string>

#include "core/change_field.h"
#include "gamelink/game_control_map.h"
#include "platform/platform.h"

namespace qv {

constexpr int kKeyEnter = 13;

class SendPaths {
  public:
    SendPaths(Platform& platform, HandleBoxes& boxes) : platform_(platform), boxes_(boxes) {}

    // WM_LBUTTONDOWN then WM_LBUTTONUP on the button the box holds.
    void GameClick(const TextField& box);
    // WM_SETTEXT of the line into the game's input box.
    void GameLine(const std::string& line);

    // The Send button: sends the typing box as it is, clicks the game's Send twice.
    void Command1_Click();
    // A key typed in the typing box: Enter sends a non-empty box and consumes the key.
    void Text4_KeyPress(int& KeyAscii);
    void send_Click();
    void send2_Click();
    void send3_Click();

    // The outgoing boxes `time`, `time2`, `time3` with their send routines.
    enum class Outgoing { kTime, kTime2, kTime3 };
    // Puts the line into its box and sends it through the box's routine. While the boxes are
    // held, the line waits and goes out right after the held lines, so no sender ever
    // overwrites a line that another has put into a box and not yet sent.
    void SendLine(Outgoing box, std::string line);
    // The timed messages fill the three boxes and send them a moment later: from the fill to
    // the send the boxes are held, then released, which sends the lines that waited, in the
    // order they were made.
    void HoldBoxes() { held_ = true; }
    void ReleaseBoxes();

    void esel_Click() { GameClick(boxes_.button); }
    void Command7_Click() { GameClick(boxes_.create); }
    void Command8_Click() { GameClick(boxes_.join); }
    // The game's Quit, then the program ends at once without its shut-down steps.
    void Command5_Click();

    TextField Text4;
    TextField time;
    TextField time2;
    TextField time3;

  private:
    void SendBox(TextField& box);
    void SendNow(Outgoing box, const std::string& line);

    struct WaitingLine {
        Outgoing box;
        std::string line;
    };
    bool held_ = false;
    std::deque<WaitingLine> waiting_;

    Platform& platform_;
    HandleBoxes& boxes_;
};

}  // namespace qv
