#include "core/number_text.h"

#include <cctype>

namespace qv {

std::optional<int64_t> ParseNumber(const std::string& text, int64_t min, int64_t max) {
    size_t i = 0;
    const size_t n = text.size();
    while (i < n && text[i] == ' ') ++i;
    bool negative = false;
    if (i < n && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    if (i >= n || !std::isdigit(static_cast<unsigned char>(text[i]))) return std::nullopt;
    int64_t value = 0;
    while (i < n && std::isdigit(static_cast<unsigned char>(text[i]))) {
        value = value * 10 + (text[i] - '0');
        if (value > (int64_t{1} << 40)) return std::nullopt;
        ++i;
    }
    while (i < n && text[i] == ' ') ++i;
    if (i != n) return std::nullopt;
    if (negative) value = -value;
    if (value < min || value > max) return std::nullopt;
    return value;
}

std::optional<int32_t> ParseInt32(const std::string& text) {
    auto v = ParseNumber(text, INT32_MIN, INT32_MAX);
    if (!v) return std::nullopt;
    return static_cast<int32_t>(*v);
}

std::optional<int16_t> ParseInt16(const std::string& text) {
    auto v = ParseNumber(text, INT16_MIN, INT16_MAX);
    if (!v) return std::nullopt;
    return static_cast<int16_t>(*v);
}

std::string DecimalText(int64_t value) { return std::to_string(value); }

}  // namespace qv
