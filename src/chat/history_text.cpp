#include "chat/history_text.h"

#include "chat/colour_tags.h"

namespace qv {

bool ConvertHistoryColourCodes(std::string& text) {
    bool changed = false;
    for (const ColourStep& step : kColourTagTable) {
        if (step.code == "\x17") continue;  // U+0017 stays in the history
        changed |= ApplyColourStep(text, step);
    }
    return changed;
}

std::string HistoryText(const std::vector<std::string>& rows) {
    size_t size = 0;
    for (const std::string& row : rows) size += row.size() + 2;
    std::string text;
    text.reserve(size);
    for (const std::string& row : rows) {
        text += row;
        text += "\r\n";
    }
    ConvertHistoryColourCodes(text);
    return text;
}

}  // namespace qv
