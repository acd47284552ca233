// Twips (1/1440 inch), the unit of the windows' stored layouts, and pixels. The tables of the
// program's windows are in pixels at 15 twips per pixel, a display of 96 dots per inch.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

#include "core/rounding.h"

namespace qv {

constexpr int kTwipsPerPixel = 15;

// Twips to whole pixels at 15 twips per pixel, halves to even, kept within 32-bit range.
inline int TwipsToPixels(double twips) {
    const double pixels = RoundHalfEven(twips / kTwipsPerPixel);
    if (!(pixels > std::numeric_limits<int32_t>::min())) return std::numeric_limits<int32_t>::min();
    if (!(pixels < std::numeric_limits<int32_t>::max())) return std::numeric_limits<int32_t>::max();
    return static_cast<int>(pixels);
}

}  // namespace qv
