#include "e2e/companion_windows.h"

#include <cstring>

#include "app/form1_menu.h"
#include "e2e/e2e_support.h"
#include "win32/win32_text.h"

namespace e2e {
namespace {

constexpr int kFirstToolControlId = 2000;  // FormWindow numbers a table's controls from here

}  // namespace

int MenuId(const char* caption) {
    for (const qv::MenuTable& menu : qv::Form1Menu()) {
        for (const qv::MenuEntryTable& entry : menu.entries) {
            if (std::strcmp(entry.caption, caption) == 0) return entry.id;
        }
    }
    return 0;
}

HWND WaitToolWindow(DWORD pid, const wchar_t* form_class, int timeout_ms) {
    HWND found = nullptr;
    WaitUntil(
        [&] {
            HWND window = nullptr;
            while ((window = FindWindowExW(nullptr, window, form_class, nullptr))) {
                DWORD owner = 0;
                GetWindowThreadProcessId(window, &owner);
                if (owner == pid && IsWindowVisible(window)) {
                    found = window;
                    return true;
                }
            }
            return false;
        },
        timeout_ms);
    return found;
}

HWND ToolControl(HWND window, const qv::FormSpec& layout, const char* name) {
    for (size_t i = 0; i < layout.controls.size(); ++i) {
        if (std::strcmp(layout.controls[i].name, name) == 0) {
            return GetDlgItem(window, kFirstToolControlId + static_cast<int>(i));
        }
    }
    return nullptr;
}

void Press(HWND button) {
    SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, 0);
    SendMessageW(button, WM_LBUTTONUP, 0, 0);
}

void SetText(HWND control, const std::string& utf8) {
    SendMessageW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(qv::Widen(utf8).c_str()));
}

std::optional<std::wstring> RegistryText(HKEY root, const wchar_t* group, const wchar_t* name) {
    wchar_t data[512] = {};
    DWORD size = sizeof data;
    const std::wstring key = std::wstring(kSettingsKey) + L"\\" + group;
    if (RegGetValueW(root, key.c_str(), name, RRF_RT_REG_SZ, nullptr, data, &size) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    return std::wstring(data);
}

void RemoveSettings() {
    for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER}) {
        RegDeleteTreeW(root, kSettingsKey);
        RegDeleteKeyW(root, kSettingsKey);
    }
}

bool RefuseMachineWrites() {
    RemoveSettings();
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, kSettingsKey, 0, nullptr, REG_OPTION_VOLATILE,
                        KEY_ALL_ACCESS, nullptr, &key, nullptr) != ERROR_SUCCESS) {
        return false;
    }
    RegCloseKey(key);
    return true;
}

}  // namespace e2e
