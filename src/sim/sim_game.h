// The game's Battle.net chat screen as the program sees it, in the simulated window
// system: a titled game window with three untitled windows above it in the Z-order, the
// top one holding the 18 controls of the chat screen.
#pragma once

#include <array>
#include <string>

#include "sim/sim_screen.h"
#include "sim/sim_window_system.h"

namespace qv {

class SimGame {
  public:
    static constexpr int kControlCount = 18;

    SimGame(SimWindowSystem& windows, const std::string& title = "Brood War");

    // Leaving the chat screen removes the last control; entering adds it back.
    void LeaveChatScreen();
    void EnterChatScreen();

    WindowHandle Control(int row) const { return controls_[static_cast<size_t>(row)]; }
    WindowHandle TitleWindow() const { return title_window_; }
    WindowHandle ScreenWindow() const { return screen_window_; }

    SimWindow& InputBox() { return windows_.Get(Control(0)); }
    SimWindow& ChatList() { return windows_.Get(Control(9)); }
    SimWindow& SendButton() { return windows_.Get(Control(10)); }
    void AddChatRow(const std::string& row) { ChatList().rows.push_back(row); }

    // Puts the 640 x 480 chat screen on `screen` with its top-left corner at x, y, its
    // controls where the game lays them out (the stand-in game's layout).
    void PlaceOnScreen(SimScreen& screen, int32_t x, int32_t y) const;

  private:
    SimWindowSystem& windows_;
    WindowHandle title_window_ = 0;
    WindowHandle screen_window_ = 0;
    std::array<WindowHandle, kControlCount> controls_{};
};

}  // namespace qv
