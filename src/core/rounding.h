// Rounding as the program's numbers round: to the nearest whole number, a half to the even
// neighbour (2.5 -> 2, 3.5 -> 4), and into 16-bit fields that refuse what does not fit.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

namespace qv {

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

}  // namespace qv
