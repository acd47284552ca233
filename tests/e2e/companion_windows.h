// Reaching the companion's own windows and settings from the test process: menu entries by
// caption, tool windows by their class, a table's controls by name, and the settings key.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "core/form_table.h"

namespace e2e {

constexpr const wchar_t* kSettingsKey = L"Software\\QuorvaneDIZuvo";

// The command id of the main window's menu entry with this caption, from the menu's table.
int MenuId(const char* caption);

// The companion's top-level window of the class "Quorvane" + form name, once it is visible.
HWND WaitToolWindow(DWORD pid, const wchar_t* form_class, int timeout_ms = 10000);

// The window of the control `name` of a window built from `layout`.
HWND ToolControl(HWND window, const qv::FormSpec& layout, const char* name);

// A press and release of the button, as the platform notes measured: one BN_CLICKED.
void Press(HWND button);

// Puts UTF-8 text into a control as a player's typing would leave it.
void SetText(HWND control, const std::string& utf8);

// A value under the settings key, or nothing when it is missing.
std::optional<std::wstring> RegistryText(HKEY root, const wchar_t* group, const wchar_t* name);

// Removes the settings under the machine and the per-user key.
void RemoveSettings();

// The machine key as an ordinary account meets it: a volatile key takes no lasting subkeys,
// so every value the companion writes below it is refused.
bool RefuseMachineWrites();

}  // namespace e2e
