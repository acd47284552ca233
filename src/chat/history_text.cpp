#include "chat/history_text.h"

#include <array>

#include "chat/colour_tags.h"

namespace qv {
namespace {

constexpr char kPairedCode = '\x10';

// The history's steps as one table by character, taken from the colour tag table: the tag
// of each single-character code, and the tag of the pair of kPairedCode. The table's order
// has the pair before the single code, so a pair gives one tag and a run of three two.
struct HistorySteps {
    std::array<std::string_view, 32> single{};
    std::string_view pair;

    HistorySteps() {
        for (const ColourStep& step : kColourTagTable) {
            if (step.code == "\x17") continue;  // U+0017 stays in the history
            if (step.code.size() == 1) {
                single[static_cast<unsigned char>(step.code[0])] = step.tag;
            } else {
                pair = step.tag;
            }
        }
    }
    // The tag that the code at text[i] and after gives, and how many characters it takes;
    // nothing for a character that is no code.
    std::string_view TagAt(std::string_view text, size_t i, size_t* taken) const {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c >= single.size()) return {};
        if (c == kPairedCode && i + 1 < text.size() && text[i + 1] == kPairedCode) {
            *taken = 2;
            return pair;
        }
        *taken = 1;
        return single[c];
    }
};

const HistorySteps& Steps() {
    static const HistorySteps steps;
    return steps;
}

// The size of `text` once converted.
size_t ConvertedSize(std::string_view text) {
    const HistorySteps& steps = Steps();
    size_t size = text.size();
    for (size_t i = 0; i < text.size();) {
        size_t taken = 1;
        const std::string_view tag = steps.TagAt(text, i, &taken);
        if (!tag.empty()) size = size - taken + tag.size();
        i += taken;
    }
    return size;
}

// Appends `text` converted: each code in one scan, left to right.
void AppendConverted(std::string& out, std::string_view text) {
    const HistorySteps& steps = Steps();
    size_t plain = 0;  // start of the text not yet copied
    for (size_t i = 0; i < text.size();) {
        size_t taken = 1;
        const std::string_view tag = steps.TagAt(text, i, &taken);
        if (!tag.empty()) {
            out.append(text, plain, i - plain);
            out.append(tag);
            plain = i + taken;
        }
        i += taken;
    }
    out.append(text, plain, text.size() - plain);
}

}  // namespace

bool ConvertHistoryColourCodes(std::string& text) {
    const size_t size = ConvertedSize(text);
    if (size == text.size()) return false;  // a tag is longer than its code
    std::string out;
    out.reserve(size);
    AppendConverted(out, text);
    text = std::move(out);
    return true;
}

std::string HistoryText(const std::vector<std::string>& rows) {
    size_t size = 0;
    for (const std::string& row : rows) size += ConvertedSize(row) + 2;
    std::string text;
    text.reserve(size);
    for (const std::string& row : rows) {
        AppendConverted(text, row);
        text += "\r\n";
    }
    return text;
}

}  // namespace qv
