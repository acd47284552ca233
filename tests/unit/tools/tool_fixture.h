// One simulated world with the main window's send paths bound to a simulated game, for the
// tool windows alone: the tests look at the lines the game was sent.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gamelink/send_paths.h"
#include "sim/sim_game.h"
#include "sim/sim_platform.h"

namespace qv {

class ToolFixture : public ::testing::Test {
  protected:
    ToolFixture() {
        boxes.text.Set(std::to_string(game.Control(0)));
        boxes.button.Set(std::to_string(game.Control(10)));
    }

    // The lines typed into the game's input box, in order.
    std::vector<std::string> Sent() const {
        std::vector<std::string> lines;
        const std::string prefix = "WM_SETTEXT " + std::to_string(game.Control(0)) + " ";
        for (const std::string& entry : world.windows.log) {
            if (entry.rfind(prefix, 0) == 0) lines.push_back(entry.substr(prefix.size()));
        }
        return lines;
    }
    int SendClicks() const {
        int n = 0;
        const std::string click = "CLICK " + std::to_string(game.Control(10));
        for (const std::string& entry : world.windows.log) n += entry == click;
        return n;
    }

    SimWorld world;
    SimGame game{world.windows};
    HandleBoxes boxes;
    SendPaths send{world.platform, boxes};
};

}  // namespace qv
