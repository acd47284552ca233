// The chat view on screen: a read-only RichEdit (Msftedit.dll, RICHEDIT50W) that takes each
// rendered text as plain text with colours set on the selection, never as RTF, so chat text
// always shows literally.
#pragma once

#include <windows.h>

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

    // A chat colour as the control draws it: system colours are looked up now.
    static COLORREF Resolve(ChatColour colour);

  protected:
    void DoClear() override;
    void DoAppendParagraph(const ColouredText& text) override;

  private:
    static LRESULT CALLBACK ViewProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    void InsertAtEnd(const std::wstring& text, ChatColour colour);

    HWND hwnd_ = nullptr;
    WNDPROC original_proc_ = nullptr;
    std::function<void()> on_mouse_down_;
    std::function<void()> on_mouse_up_;
};

}  // namespace qv
