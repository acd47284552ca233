#include "sim/sim_game.h"

namespace qv {
namespace {

constexpr SimKind kKinds[SimGame::kControlCount] = {
    SimKind::Edit,   SimKind::Button, SimKind::Button,  SimKind::Button,    SimKind::Button,
    SimKind::Button, SimKind::Button, SimKind::ListBox, SimKind::ListBox,   SimKind::ListBox,
    SimKind::Button, SimKind::Static, SimKind::Static,  SimKind::ScrollBar, SimKind::ScrollBar,
    SimKind::Static, SimKind::Static, SimKind::Static};

// Left, top, right, bottom of each control in the chat screen, as the stand-in lays them out.
constexpr int32_t kPlaces[SimGame::kControlCount][4] = {
    {12, 436, 432, 458},  {446, 10, 536, 34},   {538, 10, 628, 34},   {446, 44, 536, 70},
    {538, 44, 628, 70},   {446, 420, 536, 444}, {538, 78, 628, 104},  {446, 180, 610, 416},
    {446, 180, 610, 416}, {12, 40, 432, 430},   {446, 448, 628, 474}, {538, 420, 628, 444},
    {446, 146, 628, 176}, {610, 180, 628, 416}, {610, 180, 628, 416}, {12, 8, 432, 34},
    {446, 78, 536, 104},  {12, 460, 432, 478}};

}  // namespace

void SimGame::PlaceOnScreen(SimScreen& screen, int32_t x, int32_t y) const {
    screen.Place(screen_window_, {x, y, 640, 480});
    auto place = [&](int i) {
        const int32_t* r = kPlaces[i];
        screen.Place(controls_[static_cast<size_t>(i)],
                     {x + r[0], y + r[1], r[2] - r[0], r[3] - r[1]});
    };
    // The friends list and its scroll bar lie under the channel list's (the Channel tab).
    place(8);
    place(14);
    for (int i = 0; i < kControlCount; ++i) {
        if (i != 8 && i != 14) place(i);
    }
}

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
