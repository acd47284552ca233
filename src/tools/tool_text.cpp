#include "tools/tool_text.h"

#include <cmath>
#include <cstdio>
#include <initializer_list>

#include "core/number_text.h"
#include "core/rounding.h"

namespace qv {
namespace {

constexpr int kLeastInterval = 5000;
constexpr int kMostInterval = 60000;
constexpr double kTimerMostInterval = 65535;

// Length in bytes of the UTF-8 sequence at i and the UTF-16 units it stands for. A byte that
// starts no valid sequence (shortest form, no surrogate, below 0x110000) is one unit.
void StepCharacter(std::string_view s, size_t i, size_t* bytes, int* units) {
    const auto b0 = static_cast<unsigned char>(s[i]);
    auto cont = [&](size_t k) {
        return k < s.size() && (static_cast<unsigned char>(s[k]) & 0xC0) == 0x80;
    };
    auto bits = [&](size_t k) { return static_cast<unsigned char>(s[k]) & 0x3Fu; };
    *bytes = 1;
    *units = 1;
    if ((b0 & 0xE0) == 0xC0 && cont(i + 1)) {
        if ((((b0 & 0x1Fu) << 6) | bits(i + 1)) >= 0x80) *bytes = 2;
    } else if ((b0 & 0xF0) == 0xE0 && cont(i + 1) && cont(i + 2)) {
        const uint32_t cp = ((b0 & 0x0Fu) << 12) | (bits(i + 1) << 6) | bits(i + 2);
        if (cp >= 0x800 && (cp < 0xD800 || cp > 0xDFFF)) *bytes = 3;
    } else if ((b0 & 0xF8) == 0xF0 && cont(i + 1) && cont(i + 2) && cont(i + 3)) {
        const uint32_t cp =
            ((b0 & 0x07u) << 18) | (bits(i + 1) << 12) | (bits(i + 2) << 6) | bits(i + 3);
        if (cp >= 0x10000 && cp <= 0x10FFFF) {
            *bytes = 4;
            *units = 2;
        }
    }
}

}  // namespace

std::string DatePlaceholderText(const LocalDateTime& when) {
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%02d-%02d-%04d", when.month, when.day, when.year);
    return buffer;
}

std::string TimePlaceholderText(const LocalDateTime& when) {
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%02d:%02d:%02d", when.hour, when.minute, when.second);
    return buffer;
}

namespace {

struct Placeholder {
    std::string_view name;
    std::string_view value;
};

// Every placeholder of the text filled in one pass, left to right: a value put in is never
// searched again, so a user named "%date" is greeted by that name. Values without a "%"
// give the same text as filling the placeholders one after another in the order given.
std::string FillPlaceholders(std::string_view text, std::initializer_list<Placeholder> fills) {
    std::string out;
    out.reserve(text.size());
    size_t i = 0;
    while (i < text.size()) {
        const Placeholder* found = nullptr;
        if (text[i] == '%') {
            for (const Placeholder& fill : fills) {
                if (text.substr(i, fill.name.size()) == fill.name) {
                    found = &fill;
                    break;
                }
            }
        }
        if (found) {
            out.append(found->value);
            i += found->name.size();
        } else {
            out += text[i++];
        }
    }
    return out;
}

}  // namespace

std::string FillDateTime(std::string_view text, const LocalDateTime& when) {
    const std::string date = DatePlaceholderText(when);
    const std::string time = TimePlaceholderText(when);
    return FillPlaceholders(text, {{"%date", date}, {"%time", time}});
}

std::string FillGreeting(std::string_view text, std::string_view user, const LocalDateTime& when) {
    const std::string date = DatePlaceholderText(when);
    const std::string time = TimePlaceholderText(when);
    return FillPlaceholders(text, {{"%user", user}, {"%date", date}, {"%time", time}});
}

std::string LeadingCharacters(std::string_view utf8, long count) {
    if (count <= 0) return "";
    size_t i = 0;
    long taken = 0;
    while (i < utf8.size()) {
        size_t bytes = 0;
        int units = 0;
        StepCharacter(utf8, i, &bytes, &units);
        if (taken + units > count) break;
        taken += units;
        i += bytes;
    }
    return std::string(utf8.substr(0, i));
}

long CharacterPosition(std::string_view utf8, char c) {
    long position = 0;
    size_t i = 0;
    while (i < utf8.size()) {
        size_t bytes = 0;
        int units = 0;
        StepCharacter(utf8, i, &bytes, &units);
        if (bytes == 1 && utf8[i] == c) return position + 1;
        position += units;
        i += bytes;
    }
    return 0;
}

std::optional<std::string> GreetUserName(std::string_view row) {
    // Text2 := the first p characters, then its first (length - 3): p - 3 in all.
    const long p = CharacterPosition(row, ' ');
    const std::string up_to_blank = LeadingCharacters(row, p);
    std::string name = LeadingCharacters(up_to_blank, p - 3);
    if (HoldsLineBreak(name)) return std::nullopt;
    return name;
}

std::optional<std::string> CurrentChannelName(std::string_view caption) {
    const long p = CharacterPosition(caption, '(');
    if (p - 2 < 0) return std::nullopt;
    return WithoutLineBreaks(LeadingCharacters(caption, p - 2));
}

IntervalEntry ApplyIntervalEntry(const std::string& text, int current_interval) {
    IntervalEntry result;
    result.interval = current_interval;
    const std::optional<double> number = ParseEntryNumber(text);
    // Step 1: the timer takes the rounded number when it lies in its range.
    if (number) {
        const double rounded = RoundHalfEven(*number);
        if (rounded >= 0 && rounded <= kTimerMostInterval) {
            result.interval = static_cast<int>(rounded);
        }
    }
    // Step 2: at most 5000, or not a number at all.
    if (!number || *number <= kLeastInterval) {
        result.box = std::to_string(kLeastInterval);
        result.interval = kLeastInterval;
    }
    // Step 3: at least 60000.
    if (number && *number >= kMostInterval) {
        result.box = std::to_string(kMostInterval);
        result.interval = kMostInterval;
    }
    return result;
}

}  // namespace qv
