// The chat view follows its end, except while a mouse button is held in it.
#pragma once

#include <functional>
#include <string>

#include "chat/chat_view.h"

namespace qv {

class ChatAutoScroll {
  public:
    explicit ChatAutoScroll(ChatView& view) : view_(view) {}

    // On every change of the view: hide the loading note, and while `maustaste` is "1" put
    // the caret after the last character, which scrolls the end into sight.
    void ScrollChatToEnd();
    // A mouse button pressed over the view: stop following, and close the user pop-up.
    void SuspendAutoScroll();
    // A mouse button released over the view: follow again.
    void ResumeAutoScroll();

    // "1": the view follows its end; "0": a mouse button is held in it. The typing box's
    // mouse press also sets it to "1".
    std::string maustaste = "1";

    // Text9, the loading note, is hidden (optional).
    std::function<void()> hide_loading_note;
    // The user pop-up Form7 is unloaded when it is loaded (optional).
    std::function<void()> unload_user_popup;

  private:
    ChatView& view_;
};

}  // namespace qv
