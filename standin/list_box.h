// Rows of the stand-in's own list boxes as the game's cp1252 bytes, whichever kind of window
// holds them: an ANSI list box takes the A messages, a Unicode one the W messages.
#pragma once

#include <windows.h>

#include <string>

namespace standin {

int ListBoxRowCount(HWND list);
// The row's bytes; empty when there is no such row.
std::string ListBoxRow(HWND list, int row);
void AddListBoxRow(HWND list, const std::string& row);

}  // namespace standin
