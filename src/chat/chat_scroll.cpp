#include "chat/chat_scroll.h"

namespace qv {

void ChatAutoScroll::ScrollChatToEnd() {
    if (hide_loading_note) hide_loading_note();
    if (maustaste != "1") return;
    view_.CollapseSelection();
    const int length = view_.TextLength();
    if (length > 0) view_.SetCaret(length);
}

void ChatAutoScroll::SuspendAutoScroll() {
    maustaste = "0";
    if (unload_user_popup) unload_user_popup();
}

void ChatAutoScroll::ResumeAutoScroll() { maustaste = "1"; }

}  // namespace qv
