// Checks of the property values that the surface and the container keep in 16 bits.
#pragma once

#include <cstdint>

namespace qv {

// A 32-bit argument kept in 16 bits: out of range raises ListError(kErrOverflow).
int16_t Narrow16(int32_t value);
// The surface's pointer shapes: 0 to 15, and 99 for its own mouse icon.
int16_t CheckedMousePointer(int32_t value);
// Appearance (flat, 3D) and border style (none, single) of the container: 0 or 1.
int16_t CheckedZeroOrOne(int32_t value);

}  // namespace qv
