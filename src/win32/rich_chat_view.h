// The chat view on screen: a read-only RichEdit (Msftedit.dll, RICHEDIT50W) that takes each
// rendered text as plain text with colours set on the selection, never as RTF, so chat text
// always shows literally. Emptying it, or taking its oldest rows away, puts a new control in
// its place (same id and place), so its window handle can change then.
#pragma once

#include <windows.h>

#include <array>
#include <functional>
#include <string>

#include "chat/chat_view.h"

namespace qv {

class RichChatView : public ChatView {
  public:
    // Creates the control as a child of `parent` at x, y (client pixels), width x height;
    // `extra_style` adds edit styles to the view's own.
    RichChatView(HWND parent, int id, int x, int y, int width, int height, DWORD extra_style = 0);
    ~RichChatView() override;
    RichChatView(const RichChatView&) = delete;
    RichChatView& operator=(const RichChatView&) = delete;

    HWND Handle() const { return hwnd_; }

    // Any mouse button pressed / released over the view (SuspendAutoScroll / ResumeAutoScroll).
    void SetMouseHandlers(std::function<void()> down, std::function<void()> up);

    // WM_GETTEXT: paragraphs separated by CR LF. Works from another process too.
    std::string Text() override;
    int TextLength() override;
    void CollapseSelection() override;
    void SetCaret(int position) override;

  protected:
    void DoClear() override;
    void DoAppendParagraph(const ColouredText& text) override;
    void DoRemoveOldestParagraphs(int count) override;
    void DoHoldDrawing() override;
    void DoDraw() override;

  private:
    const DWORD extra_style_;  // kept for the controls that later take the view's place
    static LRESULT CALLBACK ViewProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    // A new control, subclassed, with the view's text limit and background.
    HWND CreateControl(HWND parent, int id, const RECT& place);
    void DestroyControl(HWND hwnd);
    // Puts a new control holding `rtf` in the current one's place; false when none could be
    // made, and the current one stays.
    bool Renew(const std::string& rtf);
    void InsertAtEnd(const std::wstring& text, ChatColour colour);
    void Select(LONG from, LONG to);
    // Whether the vertical scroll bar shows, its range, page and position.
    std::array<int, 5> ScrollBar() const;
    // The position just after the `count`-th paragraph break, or -1 when there are fewer.
    LONG PositionAfterBreak(int count);

    HWND hwnd_ = nullptr;
    WNDPROC original_proc_ = nullptr;
    bool capture_given_ = false;  // by Renew, from the control it replaced
    std::array<int, 5> held_scroll_bar_{};
    std::function<void()> on_mouse_down_;
    std::function<void()> on_mouse_up_;
};

}  // namespace qv
