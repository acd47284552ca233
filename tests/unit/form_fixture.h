// One simulated world with the main window's logic on it: the tests drive the virtual
// clock and the simulated game, and look at what the program did.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/form1.h"
#include "sim/sim_game.h"
#include "sim/sim_platform.h"

namespace qv {

class FormFixture : public ::testing::Test {
  protected:
    // The program's own window is at the top of the Z-order, as it is once it has shown.
    void AddOwnWindow() { world.windows.AddTopLevel(kMainCaption); }

    void StartForm() {
        form = std::make_unique<Form1>(world.platform, world.chat_view);
        form->process_line = [this](const std::string& line) {
            if (line.empty()) return;
            processed.push_back(line);
            form->Text11.Set("");
        };
        form->clear_view = [this] { events.push_back("clear view"); };
        form->clear_staging = [this] { events.push_back("clear staging"); };
        form->Start();
    }

    int Count(const std::string& prefix) const {
        int n = 0;
        for (const auto& line : world.windows.log) n += line.rfind(prefix, 0) == 0;
        return n;
    }

    std::string Box(const TextField& box) const { return box.Get(); }
    std::string Handle(WindowHandle h) const { return std::to_string(h); }

    SimWorld world;
    std::unique_ptr<Form1> form;
    std::vector<std::string> processed;
    std::vector<std::string> events;
};

}  // namespace qv
