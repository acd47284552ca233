// Colours as the program stores them (core/colour.h), as the screen draws them.
#pragma once

#include <windows.h>

#include <cstdint>

#include "core/colour.h"

namespace qv {

// A plain colour is itself; a system colour number is looked up now, so it follows the
// system's colour scheme.
inline COLORREF ScreenColour(uint32_t colour) {
    if (colour & kSystemColourFlag) return GetSysColor(static_cast<int>(colour & 0xFF));
    return static_cast<COLORREF>(colour);
}

// A colour of a window's table: the control's own colour and "transparent" give `fallback`.
inline COLORREF ScreenColour(uint32_t colour, COLORREF fallback) {
    if (colour == kDefaultColour || colour == kTransparent) return fallback;
    return ScreenColour(colour);
}

}  // namespace qv
