// Painting of the chat screen: dark background, colour-coded rows, flat buttons.
#pragma once

#include <windows.h>

#include <string>

namespace standin {

constexpr COLORREF kScreenColour = RGB(6, 8, 22);
constexpr COLORREF kListColour = RGB(0, 0, 8);
constexpr COLORREF kInputColour = RGB(0, 0, 0);
constexpr COLORREF kInputTextColour = RGB(235, 235, 235);

HBRUSH ScreenBrush();
HBRUSH ListBrush();
HBRUSH InputBrush();

// Colour of the text that follows a colour code 0x10..0x1B in a row.
COLORREF ColourOfCode(char code);

// A list row: the colour codes switch colours and are not drawn; a TAB splits the row into
// the name on the left and the rest (a user's product code) right-aligned and dimmed. The row
// is the game's cp1252 bytes.
void DrawRow(const DRAWITEMSTRUCT& item, const std::string& row);

// A flat button; `highlighted` marks the tab of the list on show.
void DrawButton(const DRAWITEMSTRUCT& item, const std::string& caption, bool highlighted);

// The background and panel frames; away from the chat screen a notice replaces the status.
void PaintScreen(HDC dc, const RECT& client, bool in_chat);

}  // namespace standin
