#include "chat/chat_log.h"

#include <cstdio>

namespace qv {

std::string ChatLogFileName(const LocalDateTime& day) {
    char name[48];
    std::snprintf(name, sizeof name, "%02d-%02d-%04d-LogFile.txt", day.month, day.day, day.year);
    return name;
}

std::string ChatLog::Folder() { return files_.ProgramFolder() + "/Log"; }

std::string ChatLog::FilePath() { return Folder() + "/" + ChatLogFileName(clock_.Now()); }

bool ChatLog::Append(const std::string& line) {
    files_.CreateFolder(Folder());  // already there on every line but the day's first
    return files_.AppendToFile(FilePath(), codec_.ToAnsi(line) + "\r\n");
}

}  // namespace qv
