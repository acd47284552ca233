#include "listcontrol/list_checks.h"

#include "listcontrol/list_error.h"

namespace qv {

int16_t Narrow16(int32_t value) {
    if (value < -32768 || value > 32767) throw ListError(kErrOverflow);
    return static_cast<int16_t>(value);
}

int16_t CheckedMousePointer(int32_t value) {
    const int16_t pointer = Narrow16(value);
    if ((pointer < 0 || pointer > 15) && pointer != 99) throw ListError(kErrInvalidPropertyValue);
    return pointer;
}

int16_t CheckedZeroOrOne(int32_t value) {
    const int16_t narrow = Narrow16(value);
    if (narrow != 0 && narrow != 1) throw ListError(kErrInvalidPropertyValue);
    return narrow;
}

}  // namespace qv
