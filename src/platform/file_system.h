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

    // Replaces the file's content in one step: afterwards the file holds either all of
    // `bytes` or, on failure, what it held before; then `reason` says why in the system's
    // words. Platforms that cannot do better write the file directly.
    virtual bool ReplaceFile(const std::string& path, const std::string& bytes,
                             std::string* reason) {
        if (WriteFile(path, bytes)) return true;
        if (reason) *reason = "The file could not be written.";
        return false;
    }
    // The path as the player knows it from the system (separators of the system).
    virtual std::string DisplayPath(const std::string& path) { return path; }
};

}  // namespace qv
