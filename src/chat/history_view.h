// The history view RichTextBox1 of the message history window, as the portable code sees it:
// it takes the history as plain text, the renderer's coloured result, and gives its plain
// text and its whole rich content as an RTF document.
#pragma once

#include <functional>
#include <string>
#include <utility>

#include "chat/chat_view.h"

namespace qv {

class HistoryView {
  public:
    virtual ~HistoryView() = default;

    // Runs after every change of the content except the renderer's own (the history
    // renderer is wired here).
    void OnChange(std::function<void()> handler) { on_change_ = std::move(handler); }

    // The whole content becomes `text` as plain text: braces, backslashes, "{\rtf1" and 8-bit
    // letters show as they are, never read as RTF. Then the change handler runs.
    void SetPlainText(const std::string& text) {
        DoSetPlainText(text);
        if (on_change_) on_change_();
        AfterChange();
    }

    // The renderer's edit: the whole content becomes these coloured runs (CR LF inside a run
    // is a paragraph break). Runs no change handler.
    virtual void SetColouredText(const ColouredText& text) = 0;

    // The plain text, paragraphs separated by CR LF.
    virtual std::string Text() = 0;
    // The whole rich content (text and colours) as an RTF document, as the control writes it.
    virtual std::string RtfDocument() = 0;

  protected:
    virtual void DoSetPlainText(const std::string& text) = 0;
    // After the change handler: a view that put off drawing the plain text (the renderer's
    // edit may replace it at once) draws it now if it is still the content.
    virtual void AfterChange() {}

  private:
    std::function<void()> on_change_;
};

}  // namespace qv
