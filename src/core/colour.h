// Colours as the program's windows store them: &H00BBGGRR (red in the low byte), or a system
// colour number with the high bit set, which is looked up when drawn.
#pragma once

#include <cstdint>

namespace qv {

constexpr uint32_t kSystemColourFlag = 0x80000000;
constexpr uint32_t kDefaultColour = 0xFFFFFFFF;  // the control's own colour
constexpr uint32_t kTransparent = 0xFFFFFFFE;    // a back colour: the window shows through

}  // namespace qv
