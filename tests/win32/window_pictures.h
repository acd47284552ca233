// Pictures of windows for the Wine tests to keep: tools/test.sh turns the BMPs into PNGs.
#pragma once

#include <windows.h>

#include <string>

namespace qv {

// Where the Wine tests keep their artefacts: QV_OUT_DIR (a Unix path) or the current folder.
std::wstring OutPath(const std::wstring& name);

// The window's outer rectangle as it is on the screen, as a 24-bit BMP.
bool SaveWindowPicture(HWND window, const std::wstring& path);

}  // namespace qv
