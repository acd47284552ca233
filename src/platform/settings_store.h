// String settings. The program keeps them in the registry under "Software\QuorvaneDIZuvo"
// (win32/registry_settings.h): a write goes to the machine's key (HKEY_LOCAL_MACHINE) or,
// where the machine refuses it as it does an ordinary account, to the same path of the
// current user (HKEY_CURRENT_USER); a read takes the user's value before the machine's.
// Names are relative to that path, group and value joined by a backslash, e.g. "Logfile\\Log".
#pragma once

#include <optional>
#include <string>

namespace qv {

class SettingsStore {
  public:
    virtual ~SettingsStore() = default;
    // Empty when the value is missing or cannot be read.
    virtual std::optional<std::string> Read(const std::string& name) = 0;
    // False when the value could not be written.
    virtual bool Write(const std::string& name, const std::string& value) = 0;
};

}  // namespace qv
