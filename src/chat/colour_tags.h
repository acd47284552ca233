// Colour tags: the marker U+0008, a colour word and one space. A tag stands where the game
// had a colour control character and colours the text after it in the chat view. The table
// below is the whole colour vocabulary: the game's codes, their tags and the view's colours.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "chat/chat_view.h"

namespace qv {

constexpr char kTagMarker = '\x08';

constexpr ChatColour kColourGree = 0x0000FF00;   // green
constexpr ChatColour kColourYell = 0x0000FFFF;   // yellow
constexpr ChatColour kColourBlue = 0x00FFFF00;   // cyan
constexpr ChatColour kColourWhite = 0x00FFFFFF;  // white
constexpr ChatColour kColourGrey = 0x80000011;   // the system's grey-text colour
constexpr ChatColour kColourRed = 0x000000FF;    // red
constexpr ChatColour kColourGel = 0x0000FFFF;    // yellow, as Yell

// One step of the colour tag table: every occurrence of the game's `code` becomes `tag`, and
// the view shows the text after the tag in `colour`.
struct ColourStep {
    std::string_view code;
    std::string_view tag;  // kTagMarker, the colour word, one space
    ChatColour colour;
};

// The game's colour codes to tags, in the order they must be applied: the pair U+0010 U+0010
// goes before the single U+0010, so a pair gives one white tag and a run of three gives two.
// One step a line; "\x08" "Blue " is split so that the B is not read into the escape.
// clang-format off
inline constexpr std::array<ColourStep, 9> kColourTagTable = {{
    {"\x17",     "\x08White ",   kColourWhite},
    {"\x10\x10", "\x08White ",   kColourWhite},
    {"\x12",     "\x08Gree ",    kColourGree},
    {"\x1a",     "\x08Yell ",    kColourYell},
    {"\x14",     "\x08" "Blue ", kColourBlue},
    {"\x10",     "\x08White ",   kColourWhite},
    {"\x11",     "\x08Grey ",    kColourGrey},
    {"\x1b",     "\x08Red ",     kColourRed},
    {"\x13",     "\x08Gel ",     kColourGel},
}};
// clang-format on

// A step's tag word: its tag without the trailing space.
constexpr std::string_view TagWord(const ColourStep& step) {
    return step.tag.substr(0, step.tag.size() - 1);
}

// The first game code that gives the colour word ("Red" gives U+001B); empty for a word
// that is no colour word.
constexpr std::string_view GameColourCode(std::string_view colour_word) {
    for (const ColourStep& step : kColourTagTable) {
        if (TagWord(step).substr(1) == colour_word) return step.code;
    }
    return {};
}

// Applies one step of the table; true when it changed the text.
bool ApplyColourStep(std::string& text, const ColourStep& step);

// The text with every tag (and its space) removed, as it goes into the chat log.
std::string RemoveColourTags(std::string text);

// The colour of a whole tag word (marker and colour word, no space), compared exactly.
std::optional<ChatColour> TagColour(std::string_view tag_word);

// True when `word` is the start of a tag word, a whole tag word included: the marker alone
// or followed by the start of a colour word. The renderer removes such a word with its space.
bool IsTagWordStart(std::string_view word);

}  // namespace qv
