#include "chat/colour_renderer.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace qv {
namespace {

// A stretch of the text that a tag coloured: [from, to).
struct ColouredSpan {
    size_t from;
    size_t to;
    ChatColour colour;
};

// Appends text[from, to) in `colour`, merged into the last run when it has that colour. The
// text goes on with one space after its end (the renderer appends it).
void Append(ColouredText& runs, std::string_view text, size_t from, size_t to, ChatColour colour) {
    if (from >= to) return;
    const std::string_view part = text.substr(from, to - from);
    const bool space = to > text.size();
    if (runs.empty() || runs.back().colour != colour) runs.push_back({std::string(), colour});
    std::string& run = runs.back().text;
    run.append(part);
    if (space) run += ' ';
}

}  // namespace

std::optional<ColouredText> ColourAndStripTags(const std::string& staged,
                                               ChatColour default_colour) {
    const size_t markers =
        static_cast<size_t>(std::count(staged.begin(), staged.end(), kTagMarker));
    if (markers == 0) return std::nullopt;
    // The text is the staged text and one space after it, so every marker has a space after
    // it; the space is not copied in, a search that finds no space finds it at the end.
    const std::string_view text = staged;
    const size_t size = text.size() + 1;
    auto space_after = [&](size_t p) {
        const size_t q = text.find(' ', p);
        return q == std::string_view::npos ? text.size() : q;
    };

    // Both passes note what they do to stretches of the text (a few entries per tag) and the
    // runs are built from those notes at the end, so a long history costs time in proportion
    // to its length, with no per-character bookkeeping.

    // Colouring: a tag colours its span, up to the next marker. The next search starts after
    // the tag word's space, so a marker inside a word without a space is passed over. Spans
    // come in text order and never overlap; the text outside them keeps the default colour.
    std::vector<ColouredSpan> spans;
    spans.reserve(markers);
    size_t search = 0;
    for (;;) {
        const size_t p = text.find(kTagMarker, search);
        if (p == std::string_view::npos) break;
        const size_t q = space_after(p);
        const size_t next = text.find(kTagMarker, p + 1);
        const size_t span_end = next == std::string_view::npos ? size : next;
        if (const std::optional<ChatColour> colour = TagColour(text.substr(p, q - p))) {
            spans.push_back({p, span_end, *colour});
        }
        if (next == std::string_view::npos) break;
        search = q;
    }

    // Removal, left to right: a listed tag word goes with its space, any other marker stays.
    std::vector<std::pair<size_t, size_t>> kept;  // [from, to), in text order
    kept.reserve(2 * markers + 1);
    size_t i = 0;
    for (;;) {
        const size_t p = text.find(kTagMarker, i);
        if (p == std::string_view::npos) break;
        kept.emplace_back(i, p);
        const size_t q = space_after(p);
        if (IsTagWordStart(text.substr(p, q - p))) {
            i = q + 1;
        } else {
            kept.emplace_back(p, p + 1);
            i = p + 1;
        }
    }
    kept.emplace_back(i, size);

    // The kept stretches in their colours.
    ColouredText runs;
    runs.reserve(2 * spans.size() + 1);
    size_t span = 0;
    for (auto [from, to] : kept) {
        while (from < to) {
            while (span < spans.size() && spans[span].to <= from) ++span;
            if (span < spans.size() && spans[span].from <= from) {
                const size_t end = std::min(to, spans[span].to);
                Append(runs, text, from, end, spans[span].colour);
                from = end;
            } else {
                const size_t end = span < spans.size() ? std::min(to, spans[span].from) : to;
                Append(runs, text, from, end, default_colour);
                from = end;
            }
        }
    }
    return runs;
}

std::optional<ColouredText> ColourRenderer::RenderColourTags(const std::string& staged) {
    std::optional<ColouredText> shown = ColourAndStripTags(staged);
    if (!shown) return shown;
    view_.AppendParagraph(*shown);
    if (on_shown_) on_shown_();
    return shown;
}

}  // namespace qv
