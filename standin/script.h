// The stand-in's commands: read from a file that the test appends to while we run.
#pragma once

#include <string>
#include <vector>

#include "chat_screen.h"
#include "transcript.h"

namespace standin {

// Follows a file that grows: each call returns the lines appended since the previous call.
class ScriptFile {
  public:
    explicit ScriptFile(std::wstring path) : path_(std::move(path)) {}

    // Complete lines (ended by LF; a CR before it is dropped). With `include_unfinished`, a
    // last line without its LF is returned too. A missing file gives no lines.
    std::vector<std::string> TakeNewLines(bool include_unfinished = false);

  private:
    std::wstring path_;
    unsigned long long offset_ = 0;  // bytes already taken
};

enum class CommandResult { kDone, kExit };

// Runs one command line; a line the stand-in does not understand is logged as "error <line>".
CommandResult RunCommand(const std::string& line, ChatScreen* screen, Transcript* transcript);

}  // namespace standin
