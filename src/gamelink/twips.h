// Twips (1/1440 inch), the unit of the windows' stored layouts, and pixels. The tables of the
// program's windows are in pixels at 15 twips per pixel, a display of 96 dots per inch.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

namespace qv {

constexpr int kTwipsPerPixel = 15;

// The nearest whole number; a half goes to the even neighbour (2.5 -> 2, 3.5 -> 4).
inline double RoundHalfEven(double value) {
    const double below = std::floor(value);
    const double fraction = value - below;
    if (fraction > 0.5) return below + 1;
    if (fraction < 0.5) return below;
    return std::fmod(below, 2.0) == 0.0 ? below : below + 1;
}

// The value rounded halves to even as a signed 16-bit number; nothing when it does not fit
// (or is not a number), as an assignment to a 16-bit field would fail.
inline std::optional<int16_t> ToInt16HalfEven(double value) {
    if (!std::isfinite(value)) return std::nullopt;
    const double rounded = RoundHalfEven(value);
    if (rounded < std::numeric_limits<int16_t>::min() ||
        rounded > std::numeric_limits<int16_t>::max()) {
        return std::nullopt;
    }
    return static_cast<int16_t>(rounded);
}

// Twips to whole pixels at 15 twips per pixel, halves to even, kept within 32-bit range.
inline int TwipsToPixels(double twips) {
    const double pixels = RoundHalfEven(twips / kTwipsPerPixel);
    if (!(pixels > std::numeric_limits<int32_t>::min())) return std::numeric_limits<int32_t>::min();
    if (!(pixels < std::numeric_limits<int32_t>::max())) return std::numeric_limits<int32_t>::max();
    return static_cast<int>(pixels);
}

}  // namespace qv
