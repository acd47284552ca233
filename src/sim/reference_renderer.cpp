#include "sim/reference_renderer.h"

#include <algorithm>
#include <vector>

namespace qv {
namespace {

constexpr char kMarker = '\x08';

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

std::optional<ColouredText> ReferenceColourAndStripTags(const std::string& staged,
                                                        ChatColour default_colour) {
    if (staged.find(kMarker) == std::string::npos) return std::nullopt;
    const std::string text = staged + ' ';
    std::vector<ChatColour> colours(text.size(), default_colour);
    size_t search = 0;
    for (;;) {
        const size_t p = text.find(kMarker, search);
        if (p == std::string::npos) break;
        const size_t q = text.find(' ', p);
        const size_t next = text.find(kMarker, p + 1);
        const size_t span_end = next == std::string::npos ? text.size() : next;
        if (auto colour = TagColour(std::string_view(text).substr(p, q - p))) {
            std::fill(colours.begin() + static_cast<long>(p),
                      colours.begin() + static_cast<long>(span_end), *colour);
        }
        if (next == std::string::npos) break;
        search = q;
    }
    std::string shown;
    std::vector<ChatColour> shown_colours;
    auto keep = [&](size_t from, size_t to) {
        shown.append(text, from, to - from);
        shown_colours.insert(shown_colours.end(), colours.begin() + static_cast<long>(from),
                             colours.begin() + static_cast<long>(to));
    };
    size_t i = 0;
    for (;;) {
        const size_t p = text.find(kMarker, i);
        if (p == std::string::npos) break;
        keep(i, p);
        const size_t q = text.find(' ', p);
        if (IsTagWordStart(std::string_view(text).substr(p, q - p))) {
            i = q + 1;
        } else {
            keep(p, p + 1);
            i = p + 1;
        }
    }
    keep(i, text.size());
    return ToRuns(shown, shown_colours);
}

}  // namespace qv
