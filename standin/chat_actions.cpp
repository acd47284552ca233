// What the script does to the chat screen: rows, users, channel name, tabs, scroll bars and
// leaving or entering the chat screen.
#include <cstdint>
#include <string>

#include "chat_screen.h"

namespace standin {
namespace {

// The colour codes the numbered rows cycle through.
constexpr wchar_t kRowCodes[] = {0x10, 0x11, 0x12, 0x13, 0x17, 0x1A, 0x1B};
constexpr int kRowCodeCount = sizeof(kRowCodes) / sizeof(kRowCodes[0]);

std::wstring NameOfRow(const std::wstring& row) { return row.substr(0, row.find(L'\t')); }

std::wstring ListRow(HWND list, int row) {
    const LRESULT length = SendMessageW(list, LB_GETTEXTLEN, row, 0);
    if (length < 0) return std::wstring();
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const LRESULT copied = SendMessageW(list, LB_GETTEXT, row, reinterpret_cast<LPARAM>(&text[0]));
    text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
    return text;
}

}  // namespace

HWND ChatScreen::ListOf(UserList list) const {
    return controls_[list == UserList::kChannel ? kChannelList : kFriendsList];
}

HWND ChatScreen::ScrollBarOf(UserList list) const {
    return controls_[list == UserList::kChannel ? kChannelScroll : kFriendsScroll];
}

void ChatScreen::AddChatRow(const std::wstring& row) {
    Own(kChatList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(row.c_str()));
    ScrollChatToEnd();
}

void ChatScreen::AddNumberedChatRows(int count) {
    // Drawing is held back during the batch, so thousands of rows take no time.
    Own(kChatList, WM_SETREDRAW, FALSE, 0);
    for (int i = 0; i < count; ++i) {
        const int number = ++numbered_rows_;
        const std::wstring digits = std::to_wstring(number);
        const std::wstring row = std::wstring(1, kRowCodes[number % kRowCodeCount]) + L"Player" +
                                 digits + kRowCodes[(number + 3) % kRowCodeCount] +
                                 L": hello number " + digits;
        Own(kChatList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(row.c_str()));
    }
    Own(kChatList, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(controls_[kChatList], nullptr, TRUE);
    ScrollChatToEnd();
}

void ChatScreen::ScrollChatToEnd() {
    const LRESULT count = Own(kChatList, LB_GETCOUNT, 0, 0);
    if (count > 0) Own(kChatList, LB_SETTOPINDEX, static_cast<WPARAM>(count - 1), 0);
}

void ChatScreen::AddUser(UserList list, const std::wstring& row) {
    SendMessageW(ListOf(list), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(row.c_str()));
    UpdateScrollRange(list);
}

bool ChatScreen::RemoveUser(UserList list, const std::wstring& name) {
    HWND box = ListOf(list);
    const int count = static_cast<int>(SendMessageW(box, LB_GETCOUNT, 0, 0));
    int found = -1;
    for (int row = 0; row < count && found < 0; ++row) {
        if (NameOfRow(ListRow(box, row)) == name) found = row;
    }
    for (int row = 0; row < count && found < 0; ++row) {
        if (ListRow(box, row).compare(0, name.size(), name) == 0) found = row;
    }
    if (found < 0) return false;
    SendMessageW(box, LB_DELETESTRING, static_cast<WPARAM>(found), 0);
    UpdateScrollRange(list);
    return true;
}

void ChatScreen::ClearChat() { Own(kChatList, LB_RESETCONTENT, 0, 0); }

void ChatScreen::ClearUsers(UserList list) {
    SendMessageW(ListOf(list), LB_RESETCONTENT, 0, 0);
    UpdateScrollRange(list);
}

void ChatScreen::SetChannelName(const std::wstring& name) {
    SetWindowTextW(controls_[kChannelName], name.c_str());
}

void ChatScreen::ShowTab(UserList list) {
    const UserList other = list == UserList::kChannel ? UserList::kFriends : UserList::kChannel;
    // The scroll bars are left as they are: showing and hiding them is the companion's part.
    ShowWindow(ListOf(list), SW_SHOWNA);
    ShowWindow(ListOf(other), SW_HIDE);
    if (tab_ == list) return;
    tab_ = list;
    transcript_->Write(list == UserList::kChannel ? "tab channel" : "tab friends");
    InvalidateRect(controls_[kChannelTab], nullptr, FALSE);
    InvalidateRect(controls_[kFriendsTab], nullptr, FALSE);
}

void ChatScreen::SetScrollBarShown(UserList list, bool shown) {
    ShowWindow(ScrollBarOf(list), shown ? SW_SHOWNA : SW_HIDE);
}

void ChatScreen::UpdateScrollRange(UserList list) {
    HWND box = ListOf(list);
    const int count = static_cast<int>(SendMessageW(box, LB_GETCOUNT, 0, 0));
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMax = count > 0 ? count - 1 : 0;
    info.nPage = kUserRowsShown;
    info.nPos = static_cast<int>(SendMessageW(box, LB_GETTOPINDEX, 0, 0));
    SetScrollInfo(ScrollBarOf(list), SB_CTL, &info, TRUE);
}

void ChatScreen::OnUserScroll(HWND scroll_bar, int request) {
    const UserList list =
        scroll_bar == controls_[kChannelScroll] ? UserList::kChannel : UserList::kFriends;
    if (scroll_bar != ScrollBarOf(list)) return;
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_ALL;
    GetScrollInfo(scroll_bar, SB_CTL, &info);
    int top = info.nPos;
    switch (request) {
        case SB_LINEUP:
            top -= 1;
            break;
        case SB_LINEDOWN:
            top += 1;
            break;
        case SB_PAGEUP:
            top -= kUserRowsShown;
            break;
        case SB_PAGEDOWN:
            top += kUserRowsShown;
            break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION:
            top = info.nTrackPos;
            break;
        case SB_TOP:
            top = 0;
            break;
        case SB_BOTTOM:
            top = info.nMax;
            break;
        default:
            return;
    }
    const int count = static_cast<int>(SendMessageW(ListOf(list), LB_GETCOUNT, 0, 0));
    const int last_top = count > kUserRowsShown ? count - kUserRowsShown : 0;
    top = top < 0 ? 0 : (top > last_top ? last_top : top);
    SendMessageW(ListOf(list), LB_SETTOPINDEX, static_cast<WPARAM>(top), 0);
    SetScrollPos(scroll_bar, SB_CTL, top, TRUE);
}

void ChatScreen::LeaveChat() {
    if (!in_chat_) return;
    DestroyWindow(controls_[kStatus]);
    controls_[kStatus] = nullptr;
    original_procs_[kStatus] = nullptr;
    in_chat_ = false;
    InvalidateRect(screen_, nullptr, TRUE);
    transcript_->Write("screen left");
}

void ChatScreen::EnterChat() {
    if (in_chat_) return;
    // Created last, the control is last among its siblings again: the same 18 in the same
    // order, 17 of them with their old handles.
    MakeControl(kStatus);
    in_chat_ = true;
    InvalidateRect(screen_, nullptr, TRUE);
    if (!options_.handles.empty()) WriteHandles(options_.handles);
    transcript_->Write("screen entered");
}

bool ChatScreen::WriteHandles(const std::wstring& path) const {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    std::string text;
    for (HWND control : controls_) {
        // Signed 32-bit decimal, the form in which the companion keeps handles.
        const auto value = static_cast<int32_t>(reinterpret_cast<intptr_t>(control));
        text += std::to_string(value) + "\n";
    }
    DWORD written = 0;
    const bool ok =
        WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
        written == text.size();
    CloseHandle(file);
    return ok;
}

}  // namespace standin
