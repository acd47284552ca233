// The history view RichTextBox1 on screen: the chat view's read-only RichEdit without a text
// limit (RichChatView), in Verdana 9.75. It takes the history as plain text (streamed in as
// text, never read as RTF), shows the renderer's coloured runs as one RTF document of them
// (their text escaped, so it still shows literally), and streams its whole content out as RTF.
//
// Wine's RichEdit deletes a long content in time that grows with the square of its length
// (measured: 13.7 s to empty 5,000 rows of history, 1.5 s for 2,000), while a new control
// costs nothing and fills in linear time. So each replacement of the whole content empties
// the chat view, which puts a fresh control in the same place, with the same id and format.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "chat/history_view.h"
#include "win32/rich_chat_view.h"

namespace qv {

class RichHistoryView : public HistoryView {
  public:
    // Creates the control as a child of `parent` at x, y (client pixels), width x height.
    RichHistoryView(HWND parent, int id, int x, int y, int width, int height);

    // The control now (a replacement of the whole content makes a new one).
    HWND Handle() const { return view_.Handle(); }
    void Move(int x, int y, int width, int height);

    void SetColouredText(const ColouredText& text) override;
    std::string Text() override;
    std::string RtfDocument() override;

  protected:
    void DoSetPlainText(const std::string& text) override;
    void AfterChange() override;

  private:
    // An empty control in the place of the current one, unless that is still empty; no
    // plain text waits any more.
    void Renew();
    // Puts the plain text that waits into the control.
    void ShowPending();

    RichChatView view_;
    // Plain text that is the content but not yet in the control.
    std::optional<std::wstring> pending_;
};

}  // namespace qv
