// Typing into the game and clicking its buttons. Every line the program sends goes through
// one of these paths; every handle comes from the handle boxes at each use, so an unbound
// control ("0") receives nothing.
#pragma once

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

    Platform& platform_;
    HandleBoxes& boxes_;
};

}  // namespace qv
