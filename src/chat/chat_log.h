// The daily chat log: one text line per processed chat line, in the ANSI code page, in
// <program folder>/Log/mm-dd-yyyy-LogFile.txt.
#pragma once

#include <string>

#include "platform/file_system.h"
#include "platform/local_clock.h"
#include "platform/text_codec.h"

namespace qv {

// "12-06-2026-LogFile.txt" for 6 December 2026.
std::string ChatLogFileName(const LocalDateTime& day);

class ChatLog {
  public:
    ChatLog(FileSystem& files, LocalClock& clock, TextCodec& codec)
        : files_(files), clock_(clock), codec_(codec) {}

    // The "Log" folder under the program's folder; made on every line, in the folder the file
    // is written to, so the log works whatever the current folder is.
    std::string Folder();
    // Today's file.
    std::string FilePath();

    // Appends `line` and CR LF; false when the line could not be written (it is then lost,
    // and the next line tries again).
    bool Append(const std::string& line);

  private:
    FileSystem& files_;
    LocalClock& clock_;
    TextCodec& codec_;
};

}  // namespace qv
