// The history view in memory: its plain text and, after the renderer, its coloured runs. Its
// RTF document is a plain stand-in that names the text (the real one is the control's own).
#pragma once

#include <string>

#include "chat/history_view.h"
#include "chat/history_window.h"

namespace qv {

class SimHistoryView : public HistoryView {
  public:
    void SetColouredText(const ColouredText& text) override {
        runs = text;
        text_.clear();
        for (const ColouredRun& run : text) text_ += run.text;
        ++coloured;
    }
    std::string Text() override { return text_; }
    std::string RtfDocument() override;

    ColouredText runs;  // the content: plain text in the view's default colour, or the renderer's
    int plain_sets = 0;
    int coloured = 0;

  protected:
    void DoSetPlainText(const std::string& text) override {
        text_ = text;
        runs.clear();
        if (!text.empty()) runs.push_back({text, kHistoryTextColour});
        ++plain_sets;
    }

  private:
    std::string text_;
};

}  // namespace qv
