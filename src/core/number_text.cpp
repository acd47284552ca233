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

std::optional<double> ParseEntryNumber(const std::string& text) {
    size_t i = 0;
    const size_t n = text.size();
    auto digit = [&](size_t k) { return k < n && text[k] >= '0' && text[k] <= '9'; };
    while (i < n && text[i] == ' ') ++i;
    const size_t start = i;
    if (i < n && (text[i] == '+' || text[i] == '-')) ++i;
    bool digits = false;
    while (digit(i)) {
        ++i;
        digits = true;
    }
    if (i < n && text[i] == '.') {
        ++i;
        while (digit(i)) {
            ++i;
            digits = true;
        }
    }
    if (!digits) return std::nullopt;
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        size_t k = i + 1;
        if (k < n && (text[k] == '+' || text[k] == '-')) ++k;
        if (!digit(k)) return std::nullopt;
        while (digit(k)) ++k;
        i = k;
    }
    const size_t end = i;
    while (i < n && text[i] == ' ') ++i;
    if (i != n) return std::nullopt;
    const std::string number = text.substr(start, end - start);
    return std::strtod(number.c_str(), nullptr);
}

}  // namespace qv
