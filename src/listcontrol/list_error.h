// The errors that the list control raises to its caller. Each carries the error number that a
// host of the control tests for, so a host can catch ListError and look at Number().
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace qv {

// The object-error base plus 9: a bad index of AppendItem, AppendKey, MoveEx or a negative
// ListIndex. It has no description of its own.
constexpr int32_t kErrBadListIndex = static_cast<int32_t>(0x80040009u);
// Subscript out of range: a bad index of ListItem or Key.
constexpr int32_t kErrSubscriptOutOfRange = 9;
// A 32-bit value that does not fit a property held in 16 bits.
constexpr int32_t kErrOverflow = 6;
// A stored value that cannot be converted to the property's type.
constexpr int32_t kErrTypeMismatch = 13;
// A value that the surface or the container refuses (mouse pointer, appearance, border).
constexpr int32_t kErrInvalidPropertyValue = 380;

class ListError : public std::runtime_error {
  public:
    explicit ListError(int32_t number);
    int32_t Number() const { return number_; }

  private:
    int32_t number_;
};

}  // namespace qv
