#include "sim/sim_chat_view.h"

#include <algorithm>

namespace qv {
namespace {

// Code points of a UTF-8 text (continuation bytes are not counted).
int CodePoints(const std::string& text) {
    int count = 0;
    for (char c : text) {
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;
    }
    return count;
}

}  // namespace

std::string SimChatView::Text() {
    std::string text;
    for (size_t i = 0; i < paragraphs.size(); ++i) {
        if (i > 0) text += "\r\n";
        for (const ColouredRun& run : paragraphs[i]) text += run.text;
    }
    return text;
}

int SimChatView::TextLength() {
    int length = paragraphs.empty() ? 0 : static_cast<int>(paragraphs.size()) - 1;
    for (const ColouredText& paragraph : paragraphs) {
        for (const ColouredRun& run : paragraph) length += CodePoints(run.text);
    }
    return length;
}

void SimChatView::DoClear() {
    paragraphs.clear();
    selection_start = 0;
    selection_length = 0;
}

void SimChatView::DoRemoveOldestParagraphs(int count) {
    const int before = TextLength();
    paragraphs.erase(paragraphs.begin(),
                     paragraphs.begin() + std::min<size_t>(count, paragraphs.size()));
    // The selection moves with the text it covered; what covered removed text starts the view.
    const int removed = before - TextLength();
    const int end = std::max(0, selection_start + selection_length - removed);
    selection_start = std::max(0, selection_start - removed);
    selection_length = end - selection_start;
}

}  // namespace qv
