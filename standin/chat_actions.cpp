// What the script does to the chat screen: rows, users, channel name, tabs, scroll bars,
// leaving or entering the chat screen, and hanging.
#include <cstdint>
#include <cstring>
#include <functional>
#include <string>

#include "chat_screen.h"
#include "list_box.h"
#include "row_generator.h"
#include "user_rows.h"

namespace standin {
namespace {

// Under Wine a cross-process wide read of a longer row from an ANSI list box kills the list's
// owner; a Unicode list box takes rows far beyond this.
constexpr int kMostAnsiRowLength = 1000;
constexpr int kMostUnicodeRowLength = 1 << 20;

std::string NameOfRow(const std::string& row) { return row.substr(0, row.find('\t')); }

}  // namespace

HWND ChatScreen::ListOf(UserList list) const {
    return controls_[list == UserList::kChannel ? kChannelList : kFriendsList];
}

HWND ChatScreen::ScrollBarOf(UserList list) const {
    return controls_[list == UserList::kChannel ? kChannelScroll : kFriendsScroll];
}

void ChatScreen::AddChatRow(const std::string& row) {
    if (!in_chat_) {
        kept_chat_.push_back(row);
        return;
    }
    OwnAddChatRow(row);
    ScrollChatToEnd();
}

void ChatScreen::AddNumberedChatRows(int count) {
    AddRowBatch(count, [this](int) { return NumberedRow(++numbered_rows_); });
}

void ChatScreen::AddGeneratedRows(int first, int count) {
    AddRowBatch(count, [first](int i) { return GeneratedRow(first + i); });
}

void ChatScreen::AddRowBatch(int count, const std::function<std::string(int)>& row_of) {
    // Drawing is held back during the batch, so thousands of rows take no time.
    if (in_chat_) Own(kChatList, WM_SETREDRAW, FALSE, 0);
    for (int i = 0; i < count; ++i) {
        const std::string row = row_of(i);
        if (in_chat_) {
            OwnAddChatRow(row);
        } else {
            kept_chat_.push_back(row);
        }
    }
    if (!in_chat_) return;
    Own(kChatList, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(controls_[kChatList], nullptr, TRUE);
    ScrollChatToEnd();
}

bool ChatScreen::AddLongRow(int length) {
    const int most = options_.unicode_chat ? kMostUnicodeRowLength : kMostAnsiRowLength;
    if (length < 1 || length > most) return false;
    AddChatRow(LongRow(++long_rows_, length));
    return true;
}

int ChatScreen::ChatRowCount() const {
    if (!in_chat_) return static_cast<int>(kept_chat_.size());
    return ListBoxRowCount(controls_[kChatList]);
}

void ChatScreen::FillChat(int rows) {
    const int count = ChatRowCount();
    if (rows > count) AddNumberedChatRows(rows - count);
}

void ChatScreen::ScrollChatToEnd() {
    const LRESULT count = Own(kChatList, LB_GETCOUNT, 0, 0);
    if (count > 0) Own(kChatList, LB_SETTOPINDEX, static_cast<WPARAM>(count - 1), 0);
}

void ChatScreen::AddUser(UserList list, const std::string& row) {
    if (!in_chat_) {
        kept_users_[static_cast<int>(list)].push_back(row);
        return;
    }
    AddListBoxRow(ListOf(list), row);
    UpdateScrollRange(list);
    if (list == UserList::kChannel) ShowChannelName();
}

void ChatScreen::AddGeneratedUsers(UserList list, int count) {
    int& number = generated_users_[static_cast<int>(list)];
    for (int i = 0; i < count; ++i) {
        ++number;
        AddUser(list, list == UserList::kChannel ? ChannelUserRow(number) : FriendRow(number));
    }
}

bool ChatScreen::RemoveUser(UserList list, const std::string& name) {
    if (!in_chat_) return false;
    HWND box = ListOf(list);
    const int count = ListBoxRowCount(box);
    int found = -1;
    for (int row = 0; row < count && found < 0; ++row) {
        if (NameOfRow(ListBoxRow(box, row)) == name) found = row;
    }
    for (int row = 0; row < count && found < 0; ++row) {
        if (ListBoxRow(box, row).compare(0, name.size(), name) == 0) found = row;
    }
    if (found < 0) return false;
    SendMessageA(box, LB_DELETESTRING, static_cast<WPARAM>(found), 0);
    UpdateScrollRange(list);
    if (list == UserList::kChannel) ShowChannelName();
    return true;
}

void ChatScreen::ApplySquelch(const std::string& line) {
    std::string flags;
    std::string name;
    for (const char* command : {"/ignore ", "/squelch "}) {
        if (line.rfind(command, 0) == 0) {
            flags = "32";
            name = line.substr(strlen(command));
        }
    }
    for (const char* command : {"/unignore ", "/unsquelch "}) {
        if (line.rfind(command, 0) == 0) {
            flags = "0";
            name = line.substr(strlen(command));
        }
    }
    if (flags.empty() || !in_chat_) return;
    HWND box = ListOf(UserList::kChannel);
    const int count = ListBoxRowCount(box);
    for (int row = 0; row < count; ++row) {
        const std::string old = ListBoxRow(box, row);
        const size_t tab = old.find('\t');
        if (tab == std::string::npos || old.substr(0, tab) != name) continue;
        const size_t blank = old.find(' ', tab);
        const std::string rest = blank == std::string::npos ? "" : old.substr(blank);
        const std::string marked = old.substr(0, tab + 1) + flags + rest;
        SendMessageA(box, LB_DELETESTRING, static_cast<WPARAM>(row), 0);
        SendMessageA(box, LB_INSERTSTRING, static_cast<WPARAM>(row),
                     reinterpret_cast<LPARAM>(marked.c_str()));
        return;
    }
}

void ChatScreen::ClearChat() {
    kept_chat_.clear();
    if (in_chat_) Own(kChatList, LB_RESETCONTENT, 0, 0);
}

void ChatScreen::ClearUsers(UserList list) {
    kept_users_[static_cast<int>(list)].clear();
    if (!in_chat_) return;
    SendMessageA(ListOf(list), LB_RESETCONTENT, 0, 0);
    UpdateScrollRange(list);
    if (list == UserList::kChannel) ShowChannelName();
}

void ChatScreen::SetChannelName(const std::string& name) {
    channel_name_ = name;
    ShowChannelName();
}

void ChatScreen::ShowChannelName() {
    if (!in_chat_) return;
    std::string text;
    if (!channel_name_.empty()) {
        text = channel_name_ + " (" + std::to_string(ListBoxRowCount(ListOf(UserList::kChannel))) +
               ")";
    }
    SetWindowTextA(controls_[kChannelName], text.c_str());
}

void ChatScreen::ShowTab(UserList list) {
    const UserList other = list == UserList::kChannel ? UserList::kFriends : UserList::kChannel;
    // The scroll bars are left as they are: showing and hiding them is the companion's part.
    if (in_chat_) {
        ShowWindow(ListOf(list), SW_SHOWNA);
        ShowWindow(ListOf(other), SW_HIDE);
    }
    if (tab_ == list) return;
    tab_ = list;
    transcript_->Write(list == UserList::kChannel ? "tab channel" : "tab friends");
    if (!in_chat_) return;
    InvalidateRect(controls_[kChannelTab], nullptr, FALSE);
    InvalidateRect(controls_[kFriendsTab], nullptr, FALSE);
}

void ChatScreen::SetScrollBarShown(UserList list, bool shown) {
    if (in_chat_) ShowWindow(ScrollBarOf(list), shown ? SW_SHOWNA : SW_HIDE);
}

void ChatScreen::UpdateScrollRange(UserList list) {
    HWND box = ListOf(list);
    const int count = ListBoxRowCount(box);
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMax = count > 0 ? count - 1 : 0;
    info.nPage = kUserRowsShown;
    info.nPos = static_cast<int>(SendMessageA(box, LB_GETTOPINDEX, 0, 0));
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
    const int count = ListBoxRowCount(ListOf(list));
    const int last_top = count > kUserRowsShown ? count - kUserRowsShown : 0;
    top = top < 0 ? 0 : (top > last_top ? last_top : top);
    SendMessageA(ListOf(list), LB_SETTOPINDEX, static_cast<WPARAM>(top), 0);
    SetScrollPos(scroll_bar, SB_CTL, top, TRUE);
}

void ChatScreen::LeaveChat() {
    if (!in_chat_) return;
    KeepChatScreen();
    for (int index = 0; index < kControlCount; ++index) {
        // Unhooked first: the hiding that destruction does is no change the transcript wants.
        const auto original = reinterpret_cast<LONG_PTR>(original_procs_[index]);
        if (IsUnicodeControl(index)) {
            SetWindowLongPtrW(controls_[index], GWLP_WNDPROC, original);
        } else {
            SetWindowLongPtrA(controls_[index], GWLP_WNDPROC, original);
        }
        DestroyWindow(controls_[index]);
        controls_[index] = nullptr;
        original_procs_[index] = nullptr;
    }
    for (int index = 0; index < kAwayControlCount; ++index) {
        away_controls_[index] = CreateAwayControl(screen_, index, font_);
    }
    in_chat_ = false;
    InvalidateRect(screen_, nullptr, TRUE);
    transcript_->Write("screen left");
}

void ChatScreen::EnterChat() {
    if (in_chat_) return;
    for (HWND& control : away_controls_) {
        if (control) DestroyWindow(control);
        control = nullptr;
    }
    // Created in plan order, the 18 new controls are listed in the order the companion maps.
    for (int index = 0; index < kControlCount; ++index) MakeControl(index);
    in_chat_ = true;
    RestoreChatScreen();
    InvalidateRect(screen_, nullptr, TRUE);
    if (!options_.handles.empty()) WriteHandles(options_.handles);
    transcript_->Write("screen entered");
}

void ChatScreen::KeepChatScreen() {
    HWND chat = controls_[kChatList];
    const int rows = ListBoxRowCount(chat);
    kept_chat_.clear();
    kept_chat_.reserve(static_cast<size_t>(rows > 0 ? rows : 0));
    for (int row = 0; row < rows; ++row) kept_chat_.push_back(ListBoxRow(chat, row));
    for (UserList list : {UserList::kChannel, UserList::kFriends}) {
        std::vector<std::string>& kept = kept_users_[static_cast<int>(list)];
        kept.clear();
        const int users = ListBoxRowCount(ListOf(list));
        for (int row = 0; row < users; ++row) kept.push_back(ListBoxRow(ListOf(list), row));
    }
}

void ChatScreen::RestoreChatScreen() {
    Own(kChatList, WM_SETREDRAW, FALSE, 0);
    for (const std::string& row : kept_chat_) OwnAddChatRow(row);
    Own(kChatList, WM_SETREDRAW, TRUE, 0);
    ScrollChatToEnd();
    kept_chat_.clear();
    for (UserList list : {UserList::kChannel, UserList::kFriends}) {
        std::vector<std::string>& kept = kept_users_[static_cast<int>(list)];
        for (const std::string& row : kept) AddListBoxRow(ListOf(list), row);
        kept.clear();
        UpdateScrollRange(list);
    }
    ShowChannelName();
    const UserList other = tab_ == UserList::kChannel ? UserList::kFriends : UserList::kChannel;
    ShowWindow(ListOf(tab_), SW_SHOWNA);
    ShowWindow(ListOf(other), SW_HIDE);
}

void ChatScreen::Hang(int ms) {
    transcript_->Write("hang begins");
    // Sleeping on the window thread: sent messages wait, nothing is painted or polled.
    Sleep(static_cast<DWORD>(ms));
    transcript_->Write("hang ends");
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
