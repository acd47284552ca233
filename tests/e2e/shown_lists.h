// The companion's user lists as the screen shows them: each row found by the plate colour of
// its product badge down the list's left edge, and the channel name above them.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace e2e {

// One row of a list as it shows on screen: its badge and where the badge's middle is.
struct ShownRow {
    std::string badge;
    int y;  // client pixels of the list
};

// The client area of a window as the screen shows it, one COLORREF a pixel, row by row.
std::vector<COLORREF> ClientPixels(HWND window, int* width, int* height);

// True once the companion's main window shows a channel name above its user list.
bool ChannelNameShown(HWND main);

// Keeps a screenshot named `name` once the screen shows the windows drawn, the companion's
// main window with its channel's name (every test's game is in a channel; the companion
// reads the name about a second after binding) and `also` holds (SaveScreenshotOnceShown).
bool SaveCompanionScreenshot(const std::wstring& name, HWND main,
                             const std::function<bool()>& also = {});

// The rows the list shows, top to bottom.
std::vector<ShownRow> ShownRows(HWND list);

std::vector<std::string> Badges(const std::vector<ShownRow>& rows);

// The items separated by single blanks, for messages.
std::string Join(const std::vector<std::string>& items);

}  // namespace e2e
