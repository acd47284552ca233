// The settings store in the registry: string values under "Software\QuorvaneDIZuvo" of the
// machine, with the mend that keeps them on an ordinary account. A write goes to
// the machine key as text; when the machine refuses it, to the same path of the current
// user. A read takes the per-user value when there is one, else the machine value. A
// machine write that succeeds removes a per-user copy of the same value, so an older copy
// never shadows it.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "platform/settings_store.h"

namespace qv {

constexpr const wchar_t* kSettingsPath = L"Software\\QuorvaneDIZuvo";

class RegistrySettings : public SettingsStore {
  public:
    // The program's store: HKEY_LOCAL_MACHINE and HKEY_CURRENT_USER.
    RegistrySettings();
    // A store on other roots (tests): keys the caller keeps open while the store lives. A root
    // opened without write access refuses every write through it, as the machine key does for
    // an ordinary account.
    RegistrySettings(HKEY machine_root, HKEY user_root, std::wstring path = kSettingsPath);

    std::optional<std::string> Read(const std::string& name) override;
    bool Write(const std::string& name, const std::string& value) override;

  private:
    HKEY machine_;
    HKEY user_;
    std::wstring path_;
};

}  // namespace qv
