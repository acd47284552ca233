#include "win32/registry_settings.h"

#include <winternl.h>

#include <vector>

#include "win32/win32_text.h"

namespace qv {
namespace {

constexpr REGSAM kWriteAccess = KEY_SET_VALUE | KEY_CREATE_SUB_KEY;

// "Logfile\Log" -> key "<path>\Logfile", value "Log".
bool SplitName(const std::wstring& path, const std::string& name, std::wstring& key,
               std::wstring& value) {
    const size_t slash = name.find_last_of('\\');
    if (slash == std::string::npos) return false;
    key = path + L"\\" + Widen(name.substr(0, slash));
    value = Widen(name.substr(slash + 1));
    return true;
}

// Whether a root key handle was opened with write access. A key reached through a root
// never gets more than the root allows: Wine does not check a parent handle's access when a
// subkey is opened through it, Windows checks the key's own security, so the store checks
// the root itself. Predefined roots (HKEY_LOCAL_MACHINE) are not real handles: the system's
// own checks decide for them.
bool RootAllowsWrites(HKEY root) {
    // Looked up at run time, so the program links no import library beyond the usual ones.
    using QueryObject = LONG(WINAPI*)(HANDLE, OBJECT_INFORMATION_CLASS, PVOID, ULONG, PULONG);
    static const auto query = reinterpret_cast<QueryObject>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQueryObject")));
    PUBLIC_OBJECT_BASIC_INFORMATION info{};
    ULONG length = 0;
    if (!query || query(reinterpret_cast<HANDLE>(root), ObjectBasicInformation, &info, sizeof info,
                        &length) != 0) {
        return true;
    }
    return (info.GrantedAccess & kWriteAccess) == kWriteAccess;
}

std::optional<std::string> ReadValue(HKEY root, const std::wstring& key,
                                     const std::wstring& value) {
    HKEY hkey = nullptr;
    if (RegOpenKeyExW(root, key.c_str(), 0, KEY_QUERY_VALUE, &hkey) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    DWORD type = 0, size = 0;
    std::optional<std::string> result;
    if (RegQueryValueExW(hkey, value.c_str(), nullptr, &type, nullptr, &size) == ERROR_SUCCESS &&
        (type == REG_SZ || type == REG_EXPAND_SZ)) {
        std::vector<wchar_t> data(size / sizeof(wchar_t) + 1, L'\0');
        if (RegQueryValueExW(hkey, value.c_str(), nullptr, &type,
                             reinterpret_cast<BYTE*>(data.data()), &size) == ERROR_SUCCESS) {
            result = Narrow(std::wstring(data.data()));
        }
    }
    RegCloseKey(hkey);
    return result;
}

bool WriteValue(HKEY root, const std::wstring& key, const std::wstring& value,
                const std::string& text) {
    if (!RootAllowsWrites(root)) return false;
    HKEY hkey = nullptr;
    if (RegCreateKeyExW(root, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &hkey, nullptr) !=
        ERROR_SUCCESS) {
        return false;
    }
    const std::wstring data = Widen(text);
    const LONG rc =
        RegSetValueExW(hkey, value.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                       static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(hkey);
    return rc == ERROR_SUCCESS;
}

void RemoveValue(HKEY root, const std::wstring& key, const std::wstring& value) {
    HKEY hkey = nullptr;
    if (RegOpenKeyExW(root, key.c_str(), 0, KEY_SET_VALUE, &hkey) != ERROR_SUCCESS) return;
    RegDeleteValueW(hkey, value.c_str());
    RegCloseKey(hkey);
}

}  // namespace

RegistrySettings::RegistrySettings() : RegistrySettings(HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER) {}

RegistrySettings::RegistrySettings(HKEY machine_root, HKEY user_root, std::wstring path)
    : machine_(machine_root), user_(user_root), path_(std::move(path)) {}

std::optional<std::string> RegistrySettings::Read(const std::string& name) {
    std::wstring key, value;
    if (!SplitName(path_, name, key, value)) return std::nullopt;
    if (auto mine = ReadValue(user_, key, value)) return mine;
    return ReadValue(machine_, key, value);
}

bool RegistrySettings::Write(const std::string& name, const std::string& text) {
    std::wstring key, value;
    if (!SplitName(path_, name, key, value)) return false;
    if (WriteValue(machine_, key, value, text)) {
        RemoveValue(user_, key, value);
        return true;
    }
    return WriteValue(user_, key, value, text);
}

}  // namespace qv
