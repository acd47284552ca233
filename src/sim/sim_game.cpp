#include "sim/sim_game.h"

namespace qv {
namespace {

constexpr SimKind kKinds[SimGame::kControlCount] = {
    SimKind::Edit,   SimKind::Button, SimKind::Button,  SimKind::Button,    SimKind::Button,
    SimKind::Button, SimKind::Button, SimKind::ListBox, SimKind::ListBox,   SimKind::ListBox,
    SimKind::Button, SimKind::Static, SimKind::Static,  SimKind::ScrollBar, SimKind::ScrollBar,
    SimKind::Static, SimKind::Static, SimKind::Static};

}  // namespace

SimGame::SimGame(SimWindowSystem& windows, const std::string& title) : windows_(windows) {
    title_window_ = windows_.AddTopLevel(title);
    windows_.AddTopLevel("");
    windows_.AddTopLevel("");
    screen_window_ = windows_.AddTopLevel("");
    for (int i = 0; i < kControlCount; ++i) {
        controls_[static_cast<size_t>(i)] = windows_.AddChild(screen_window_, kKinds[i]);
    }
}

void SimGame::LeaveChatScreen() { windows_.RemoveWindow(controls_[kControlCount - 1]); }

void SimGame::EnterChatScreen() {
    controls_[kControlCount - 1] = windows_.AddChild(screen_window_, kKinds[kControlCount - 1]);
}

}  // namespace qv
