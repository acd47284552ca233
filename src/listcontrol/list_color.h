// Colour values of the list control: &H00BBGGRR, or a system colour number with the high bit
// set (&H80000000 + n), translated to a real colour when drawn.
#pragma once

#include <cstdint>

#include "listcontrol/list_canvas.h"

namespace qv {

constexpr uint32_t kColorHighlight = 0x8000000Du;   // system highlight colour
constexpr uint32_t kColorButtonFace = 0x8000000Fu;  // system button-face colour
constexpr uint32_t kColorUntranslatable = 0xFFFFu;  // what a failed translation answers
constexpr int32_t kLastSystemColorIndex = 30;       // COLOR_MENUBAR

// The plain colour of a colour value: a system colour through the canvas, a plain colour as
// it is; kColorUntranslatable for a value that names neither.
uint32_t TranslateColor(ListCanvas& canvas, uint32_t color);

// A colour's red, green and blue bytes as the 16-bit channels of a gradient vertex.
void ColorToVertex(GradientVertex& vertex, uint32_t color);

}  // namespace qv
