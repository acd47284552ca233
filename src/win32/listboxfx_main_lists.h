// The two lists of the main window: `ListBoxFX1` (channel users, shown) and `ListBoxFX2`
// (friends, hidden), both created from their stored settings in the program's resources.
#pragma once

#include <windows.h>

#include "win32/listboxfx_window.h"

namespace qv {

struct MainWindowLists {
    ListBoxFXWindow* ListBoxFX1 = nullptr;
    ListBoxFXWindow* ListBoxFX2 = nullptr;
};

// Place and size of both lists on the main window, in pixels.
constexpr int kMainListLeft = 583;
constexpr int kMainListTop = 54;
constexpr int kMainListWidth = 169;
constexpr int kMainListHeight = 433;

// Creates both lists on the parent with the given control ids. The windows own their controls
// and go with the parent. A list whose window or stored settings cannot be had is null.
MainWindowLists CreateMainWindowLists(HWND parent, int list1_id, int list2_id);

// The stored settings kept as an RCDATA resource of the program, or null when it is missing.
const char* StoredSettingsText(int resource_id, size_t* length);

}  // namespace qv
