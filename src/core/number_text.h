// Conversions between decimal text and numbers the way the program's text boxes hold them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace qv {

// Parses a decimal number, ignoring blanks around it; fails on anything else or on a
// value outside [min, max].
std::optional<int64_t> ParseNumber(const std::string& text, int64_t min, int64_t max);
std::optional<int32_t> ParseInt32(const std::string& text);
std::optional<int16_t> ParseInt16(const std::string& text);

std::string DecimalText(int64_t value);

// A number as a text box holds it: blanks around it, a sign, digits with a decimal point,
// an exponent; nothing when the text is not such a number.
std::optional<double> ParseEntryNumber(const std::string& text);

}  // namespace qv
