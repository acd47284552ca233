#include "listcontrol/list_error.h"

namespace qv {

namespace {

// The standard descriptions; the object error has none of its own.
const char* Describe(int32_t number) {
    switch (number) {
        case kErrSubscriptOutOfRange:
            return "Subscript out of range";
        case kErrOverflow:
            return "Overflow";
        case kErrTypeMismatch:
            return "Type mismatch";
        case kErrInvalidPropertyValue:
            return "Invalid property value";
        default:
            return "";
    }
}

}  // namespace

ListError::ListError(int32_t number) : std::runtime_error(Describe(number)), number_(number) {}

}  // namespace qv
