// String settings under HKEY_LOCAL_MACHINE\Software\QuorvaneDIZuvo\. Names are relative
// to that key, group and value joined by a backslash, e.g. "Logfile\\Log".
#pragma once

#include <optional>
#include <string>

namespace qv {

constexpr const char* kSettingsRoot = "HKEY_LOCAL_MACHINE\\Software\\QuorvaneDIZuvo\\";

class SettingsStore {
  public:
    virtual ~SettingsStore() = default;
    // Empty when the value is missing or cannot be read.
    virtual std::optional<std::string> Read(const std::string& name) = 0;
    // False when the value could not be written.
    virtual bool Write(const std::string& name, const std::string& value) = 0;
};

}  // namespace qv
