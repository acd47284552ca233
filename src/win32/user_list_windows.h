// The two user lists of the main window on screen: the portable UserListBox drives the
// ListBoxFX window (its control, its place, its visibility), and a rebuild holds the window's
// painting so the emptied and refilled list is painted once, by the message loop.
#pragma once

// Windows first: it renames DrawText, which the list's canvas classes must all see alike.
#include <windows.h>

#include "userlists/user_list_box.h"
#include "win32/listboxfx_window.h"

namespace qv {

// Makes `window` the screen of `list`; nothing happens without a window.
void AttachUserListWindow(UserListBox& list, ListBoxFXWindow* window);

}  // namespace qv
