// Chat rows the stand-in makes up on command, as the game would hold them: cp1252 bytes with
// colour codes. Pure functions of a number, so a test computes the very rows the stand-in adds.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

namespace standin {

namespace row_parts {

// clang-format off
// The game's colour codes 0x10..0x1B, and the doubled 0x10 the game writes around names.
constexpr const char* kCodes[] = {
    "\x10", "\x11", "\x12", "\x13", "\x14", "\x15", "\x16", "\x17", "\x18", "\x19", "\x1A",
    "\x1B", "\x10\x10"};
// Names with cp1252 letters at their start, middle and end.
constexpr const char* kNames[] = {
    "J\xFCrgen", "\xC4nne", "Bj\xF6rn", "Ren\xE9", "Zo\xEB", "Stra\xDF" "er", "Fran\xE7ois",
    "\xDEor", "Player", "Zeratul"};
// Words: 8-bit letters and signs (the euro sign, a umlaut, y diaeresis and more), the bytes
// cp1252 leaves unmapped, and text that looks like RTF to a rich edit control.
constexpr const char* kWords[] = {
    "Gr\xFC\xDF" "e", "\x80" "5", "f\xFCr", "das", "\xE4", "\xFF", "{\\rtf1", "}", "\\par", "{",
    "\\", "caf\xE9", "\x81\x8D\x8F\x90\x9D", "na\xEFve", "\x8A\x9C\xA9\xB0\xBF", "gg", "hello",
    "\xAB" "quote\xBB", "\x85", "\x99", "\xC0\xD0\xF0\xFE"};
// clang-format on

template <typename T, size_t N>
constexpr uint32_t CountOf(const T (&)[N]) {
    return static_cast<uint32_t>(N);
}

// A well-mixed 32-bit value from a number and a salt (the finaliser of MurmurHash3).
inline uint32_t Mix(uint32_t value) {
    value ^= value >> 16;
    value *= 0x85EBCA6Bu;
    value ^= value >> 13;
    value *= 0xC2B2AE35u;
    value ^= value >> 16;
    return value;
}

inline uint32_t Pick(int number, uint32_t salt, uint32_t count) {
    return Mix(static_cast<uint32_t>(number) * 2654435761u + salt * 40503u) % count;
}

inline std::string Numbered(const char* mark, int number) {
    char digits[24];
    std::snprintf(digits, sizeof digits, "%s%06d", mark, number);
    return digits;
}

}  // namespace row_parts

// Row `number` of the generated chat: a name and a few words, colour codes between them (about
// one row in eight has none), and "#000123" so every row is unique. Some rows start or end with
// an 8-bit letter.
inline std::string GeneratedRow(int number) {
    using namespace row_parts;
    const bool coloured = Pick(number, 1, 8) != 0;
    auto code = [&](uint32_t salt) {
        return coloured ? std::string(kCodes[Pick(number, salt, CountOf(kCodes))]) : std::string();
    };
    std::string row = code(2) + kNames[Pick(number, 3, CountOf(kNames))] + code(4) + ": ";
    const uint32_t words = 2 + Pick(number, 5, 5);
    const uint32_t number_at = Pick(number, 6, words + 1);
    for (uint32_t i = 0; i < words; ++i) {
        if (i == number_at) row += Numbered("#", number) + " ";
        if (Pick(number, 20 + i, 4) == 0) row += code(40 + i);
        row += kWords[Pick(number, 60 + i, CountOf(kWords))];
        row += ' ';
    }
    if (number_at == words) row += Numbered("#", number);
    if (Pick(number, 7, 4) == 0) row += code(8);
    // A last letter of 8-bit text sits right at the row's end.
    if (Pick(number, 9, 3) == 0) row += Pick(number, 10, 2) ? "\xE4" : "\xFF";
    return row;
}

// Numbered row `number`: "<code>Player<number><code>: hello number <number>", the colour codes
// cycling through 0x10 0x11 0x12 0x13 0x17 0x1A 0x1B from row to row.
inline std::string NumberedRow(int number) {
    static const char kRowCodes[] = {0x10, 0x11, 0x12, 0x13, 0x17, 0x1A, 0x1B};
    constexpr int kRowCodeCount = sizeof kRowCodes;
    const std::string digits = std::to_string(number);
    return std::string(1, kRowCodes[number % kRowCodeCount]) + "Player" + digits +
           kRowCodes[(number + 3) % kRowCodeCount] + ": hello number " + digits;
}

// A row of exactly `length` characters (1 or more; a length under 16 cuts the head): a coloured
// name "Long#000001", then 8-bit letters, signs and braces over and over, ending in byte 0xE4.
inline std::string LongRow(int number, int length) {
    static const char kFill[] = "\xE4\xF6\xFC \x80 abc {\\par} \xDF\x81 xyz \xFF\xE9 ";
    std::string row = "\x10" + row_parts::Numbered("Long#", number) + "\x11: ";
    for (size_t i = 0; row.size() < static_cast<size_t>(length); ++i) {
        row += kFill[i % (sizeof kFill - 1)];
    }
    row.resize(static_cast<size_t>(length > 0 ? length : 1));
    row.back() = '\xE4';
    return row;
}

}  // namespace standin
