// The chat view in memory: paragraphs of coloured runs, a caret and a selection.
#pragma once

#include <string>
#include <vector>

#include "chat/chat_view.h"

namespace qv {

class SimChatView : public ChatView {
  public:
    std::string Text() override;
    int TextLength() override;
    void CollapseSelection() override { selection_length = 0; }
    void SetCaret(int position) override {
        selection_start = position;
        selection_length = 0;
        ++caret_moves;
    }

    std::vector<ColouredText> paragraphs;
    int selection_start = 0;
    int selection_length = 0;
    int caret_moves = 0;
    int draws = 0;  // the times the view was drawn after a change

  protected:
    void DoClear() override;
    void DoAppendParagraph(const ColouredText& text) override { paragraphs.push_back(text); }
    void DoRemoveOldestParagraphs(int count) override;
    void DoDraw() override { ++draws; }
};

}  // namespace qv
