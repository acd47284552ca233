// Colour tags: the marker U+0008, a colour word and one space. A tag stands where the game
// had a colour control character and colours the text after it in the chat view.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace qv {

struct ColourTag {
    static constexpr std::string_view kMarker = "\x08";
    static constexpr std::string_view kWhite = "\x08White ";
    static constexpr std::string_view kGree = "\x08Gree ";
    static constexpr std::string_view kYell = "\x08Yell ";
    static constexpr std::string_view kBlue =
        "\x08"
        "Blue ";
    static constexpr std::string_view kGrey = "\x08Grey ";
    static constexpr std::string_view kRed = "\x08Red ";
    static constexpr std::string_view kGel = "\x08Gel ";
};

// One step of the colour tag table: every occurrence of `code` becomes `tag`.
struct ColourStep {
    std::string_view code;
    std::string_view tag;
};

// The game's colour codes to tags, in the order they must be applied: the pair U+0010 U+0010
// goes before the single U+0010, so a pair gives one white tag and a run of three gives two.
extern const std::array<ColourStep, 9> kColourTagTable;

// Replaces every occurrence of `from`, left to right without overlap; true when any was found.
bool ReplaceAll(std::string& text, std::string_view from, std::string_view to);

// Applies one step of the table; true when it changed the text.
inline bool ApplyColourStep(std::string& text, const ColourStep& step) {
    return ReplaceAll(text, step.code, step.tag);
}

// The text with every tag (and its space) removed, as it goes into the chat log.
std::string RemoveColourTags(std::string text);

}  // namespace qv
