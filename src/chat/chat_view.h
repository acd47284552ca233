// The coloured chat view (RichTextBox2), as the portable code sees it: rendered texts go in
// as paragraphs of coloured runs, and every change of the content is reported.
#pragma once

#include <algorithm>
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

// The main window's chat view keeps at least this many of the newest rows (the day's log
// and the message history keep everything). Wine's rich-text control takes about 11 KB for
// a short row and walks all its paragraphs on every paint, so a view that kept every row
// would fall behind the pump and fill the memory within a day.
constexpr int kChatViewRows = 5000;
// Once it holds this many more, the oldest leave in one edit. Taking rows away costs the
// control about as much as holding them does (under Wine, a new control is filled with the
// rows that stay), too much to do for every row.
constexpr int kChatViewSpareRows = 1000;

class ChatView {
  public:
    virtual ~ChatView() = default;

    // Runs after every change of the content (ScrollChatToEnd is wired here).
    void OnChange(std::function<void()> handler) { on_change_ = std::move(handler); }

    void Clear() {
        Edit([this] {
            DoClear();
            paragraphs_ = 0;
        });
    }
    // Adds `text` as a new paragraph after the last one; into an empty view it becomes the
    // whole content.
    void AppendParagraph(const ColouredText& text) {
        Edit([&] {
            DoAppendParagraph(text);
            ++paragraphs_;
        });
    }

    // The whole content becomes `text`, one paragraph, or nothing when it is empty.
    void ReplaceContent(const ColouredText& text) {
        Edit([&] {
            DoClear();
            paragraphs_ = 0;
            if (text.empty()) return;
            DoAppendParagraph(text);
            paragraphs_ = 1;
        });
    }

    // The changes between BeginBatch and EndBatch are drawn once, at EndBatch; a change made
    // outside a batch is drawn at once. Batches nest: the outermost end draws.
    void BeginBatch() { ++batch_depth_; }
    void EndBatch() {
        if (--batch_depth_ > 0 || !drawing_held_) return;
        drawing_held_ = false;
        DoDraw();
    }

    // Keeps the newest `rows` paragraphs: a change that leaves `rows` + `spare` or more takes
    // the oldest away down to `rows`, in one edit, when `may_trim` allows it (while it answers
    // false, the trim waits for a later change). 0 rows: keeps everything.
    void KeepNewest(int rows, int spare, std::function<bool()> may_trim) {
        keep_rows_ = rows;
        spare_rows_ = spare;
        may_trim_ = std::move(may_trim);
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
    // Removes the first `count` paragraphs with the paragraph break after them; the
    // selection stays on the text it covered.
    virtual void DoRemoveOldestParagraphs(int count) = 0;
    // Drawing stops until DoDraw, which draws the content as it is then.
    virtual void DoHoldDrawing() {}
    virtual void DoDraw() {}

  private:
    template <typename Change>
    void Edit(Change&& change) {
        BeginBatch();
        if (!drawing_held_) {
            DoHoldDrawing();
            drawing_held_ = true;
        }
        change();
        TrimOldest();
        Changed();
        EndBatch();
    }
    void TrimOldest() {
        // At least one row leaves, also when no spare rows are asked for.
        if (keep_rows_ <= 0 || paragraphs_ < keep_rows_ + std::max(spare_rows_, 1)) return;
        if (may_trim_ && !may_trim_()) return;
        DoRemoveOldestParagraphs(paragraphs_ - keep_rows_);
        paragraphs_ = keep_rows_;
    }
    void Changed() {
        if (on_change_) on_change_();
    }

    std::function<void()> on_change_;
    int paragraphs_ = 0;  // added since the view was last emptied, less those taken away
    int batch_depth_ = 0;
    bool drawing_held_ = false;
    int keep_rows_ = 0;
    int spare_rows_ = 0;
    std::function<bool()> may_trim_;
};

}  // namespace qv
