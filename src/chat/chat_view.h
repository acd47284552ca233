// The coloured chat view (RichTextBox2), as the portable code sees it: rendered texts go in
// as paragraphs of coloured runs, and every change of the content is reported.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "core/colour.h"

namespace qv {

// &H00BBGGRR (red in the low byte), or a system colour number with the high bit set, which
// the view translates when it draws.
using ChatColour = uint32_t;

struct ColouredRun {
    std::string text;  // UTF-8, shown literally
    ChatColour colour;
    bool operator==(const ColouredRun& other) const {
        return text == other.text && colour == other.colour;
    }
};
using ColouredText = std::vector<ColouredRun>;

class ChatView {
  public:
    virtual ~ChatView() = default;

    // Runs after every change of the content (ScrollChatToEnd is wired here).
    void OnChange(std::function<void()> handler) { on_change_ = std::move(handler); }

    void Clear() {
        DoClear();
        Changed();
    }
    // Adds `text` as a new paragraph after the last one; into an empty view it becomes the
    // whole content.
    void AppendParagraph(const ColouredText& text) {
        DoAppendParagraph(text);
        Changed();
    }

    // The whole content becomes `text`, one paragraph, or nothing when it is empty.
    void ReplaceContent(const ColouredText& text) {
        DoClear();
        if (!text.empty()) DoAppendParagraph(text);
        Changed();
    }

    // The plain text, paragraphs separated by CR LF.
    virtual std::string Text() = 0;
    // The length in caret positions (a paragraph break counts as one).
    virtual int TextLength() = 0;
    // Selection length 0, keeping its start.
    virtual void CollapseSelection() = 0;
    // Caret at `position`, scrolled into sight.
    virtual void SetCaret(int position) = 0;

  protected:
    virtual void DoClear() = 0;
    virtual void DoAppendParagraph(const ColouredText& text) = 0;

  private:
    void Changed() {
        if (on_change_) on_change_();
    }
    std::function<void()> on_change_;
};

}  // namespace qv
