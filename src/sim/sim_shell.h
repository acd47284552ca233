// The shell of the tests: records what the program asked it to open.
#pragma once

#include <string>
#include <vector>

#include "platform/shell.h"

namespace qv {

class SimShell : public ShellOpener {
  public:
    struct Call {
        std::string operation;
        std::string file;
        std::string working_folder;
    };
    bool Open(const std::string& operation, const std::string& file,
              const std::string& working_folder) override {
        calls.push_back({operation, file, working_folder});
        return true;
    }
    std::vector<Call> calls;
};

}  // namespace qv
