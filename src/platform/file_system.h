// The few file operations the program makes. Paths are UTF-8 with '/' separators.
#pragma once

#include <string>

namespace qv {

class FileSystem {
  public:
    virtual ~FileSystem() = default;
    // Folder of the program's own executable, without a trailing separator.
    virtual std::string ProgramFolder() = 0;
    virtual std::string CurrentFolder() = 0;
    // True when the folder exists afterwards.
    virtual bool CreateFolder(const std::string& path) = 0;
    // Appends bytes, creating the file when missing; false when it cannot be written.
    virtual bool AppendToFile(const std::string& path, const std::string& bytes) = 0;
    // Replaces the file's content; false when it cannot be written.
    virtual bool WriteFile(const std::string& path, const std::string& bytes) = 0;
};

}  // namespace qv
