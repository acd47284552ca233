#include "sim/sim_chat_view.h"

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

}  // namespace qv
