#include "chat/colour_renderer.h"

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

#include "chat/colour_tags.h"

namespace qv {
namespace {

constexpr char kMarker = '\x08';

struct TagColourEntry {
    std::string_view word;
    ChatColour colour;
};

// A tag word is its tag without the trailing space.
constexpr std::string_view Word(std::string_view tag) { return tag.substr(0, tag.size() - 1); }

constexpr std::array<TagColourEntry, 7> kTagColours = {{
    {Word(ColourTag::kGree), kColourGree},
    {Word(ColourTag::kYell), kColourYell},
    {Word(ColourTag::kBlue), kColourBlue},
    {Word(ColourTag::kWhite), kColourWhite},
    {Word(ColourTag::kGrey), kColourGrey},
    {Word(ColourTag::kRed), kColourRed},
    {Word(ColourTag::kGel), kColourGel},
}};

// Merges neighbouring characters of one colour into runs. Span edges fall on markers, which
// are single bytes, so no run splits a UTF-8 sequence.
ColouredText ToRuns(const std::string& text, const std::vector<ChatColour>& colours) {
    ColouredText runs;
    for (size_t i = 0; i < text.size(); ++i) {
        if (runs.empty() || runs.back().colour != colours[i]) {
            runs.push_back({std::string(), colours[i]});
        }
        runs.back().text += text[i];
    }
    return runs;
}

}  // namespace

std::optional<ChatColour> TagColour(std::string_view tag_word) {
    for (const TagColourEntry& entry : kTagColours) {
        if (entry.word == tag_word) return entry.colour;
    }
    return std::nullopt;
}

std::optional<ColouredText> ColourAndStripTags(const std::string& staged,
                                               ChatColour default_colour) {
    if (staged.find(kMarker) == std::string::npos) return std::nullopt;
    const std::string text = staged + ' ';  // every marker now has a space after it
    std::vector<ChatColour> colours(text.size(), default_colour);

    // Colouring: a tag colours its span, up to the next marker. The next search starts after
    // the tag word's space, so a marker inside a word without a space is passed over.
    size_t search = 0;
    for (;;) {
        const size_t p = text.find(kMarker, search);
        if (p == std::string::npos) break;
        const size_t q = text.find(' ', p);
        const size_t next = text.find(kMarker, p + 1);
        const size_t span_end = next == std::string::npos ? text.size() : next;
        if (auto colour = TagColour(std::string_view(text).substr(p, q - p))) {
            std::fill(colours.begin() + p, colours.begin() + span_end, *colour);
        }
        if (next == std::string::npos) break;
        search = q;
    }

    // Removal, left to right: a listed tag word goes with its space, any other marker stays.
    std::string shown;
    std::vector<ChatColour> shown_colours;
    shown.reserve(text.size());
    shown_colours.reserve(text.size());
    auto keep = [&](size_t from, size_t to) {
        shown.append(text, from, to - from);
        shown_colours.insert(shown_colours.end(), colours.begin() + from, colours.begin() + to);
    };
    size_t i = 0;
    for (;;) {
        const size_t p = text.find(kMarker, i);
        if (p == std::string::npos) break;
        keep(i, p);
        const size_t q = text.find(' ', p);
        if (kTagList.find(std::string_view(text).substr(p, q - p)) != std::string_view::npos) {
            i = q + 1;
        } else {
            keep(p, p + 1);
            i = p + 1;
        }
    }
    keep(i, text.size());
    return ToRuns(shown, shown_colours);
}

std::optional<ColouredText> ColourRenderer::RenderColourTags(const std::string& staged) {
    std::optional<ColouredText> shown = ColourAndStripTags(staged);
    if (!shown) return shown;
    view_.AppendParagraph(*shown);
    if (on_shown_) on_shown_();
    return shown;
}

}  // namespace qv
