// The stand-in's windows: the titled main window, two untitled owned windows and the untitled
// owned chat screen with its 18 controls, and what the chat screen does when used.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "hang_trap.h"
#include "layout.h"
#include "options.h"
#include "transcript.h"

namespace standin {

enum class UserList { kChannel, kFriends };

class ChatScreen {
  public:
    ChatScreen(const Options& options, Transcript* transcript);
    ChatScreen(const ChatScreen&) = delete;
    ChatScreen& operator=(const ChatScreen&) = delete;
    ~ChatScreen();

    // Creates every window, hidden. No top-level window may be created after these: the
    // companion relies on their order in the window list.
    bool Create(HINSTANCE instance);
    // Shows the windows in creation order, the chat screen last and on top.
    void Show();
    // Handles messages until the window order has held for a while after showing.
    void SettleWindowOrder();
    // Destroys the windows; the message loop then ends with exit code 0.
    void Close();

    // Rows are the game's cp1252 bytes with colour codes 0x10..0x1B.
    void AddChatRow(const std::string& row);
    // Adds `count` NumberedRows, numbering on from the previous call.
    void AddNumberedChatRows(int count);
    // Adds GeneratedRow(first) .. GeneratedRow(first + count - 1) at once.
    void AddGeneratedRows(int first, int count);
    // Adds `count` rows, row i being row_of(i), drawing once at the end; away from the
    // chat screen they are kept for the return.
    void AddRowBatch(int count, const std::function<std::string(int)>& row_of);
    // Adds the next LongRow of `length` characters; false when the chat list cannot hold it.
    bool AddLongRow(int length);
    // Adds numbered rows until the chat list holds `rows` rows.
    void FillChat(int rows);
    int ChatRowCount() const;
    void AddUser(UserList list, const std::string& row);
    // Adds `count` generated user rows (user_rows.h), numbering on from the previous call.
    void AddGeneratedUsers(UserList list, int count);
    // Removes the first row whose name (the text before a TAB) is `name`, or else the first
    // row that starts with `name`. Returns false when no row matched.
    bool RemoveUser(UserList list, const std::string& name);
    // What the game does with a squelch typed into it: the user's row in the channel list
    // gets the flags "32" ("/ignore NAME", "/squelch NAME") or "0" again ("/unignore NAME",
    // "/unsquelch NAME"), in place, so the channel's user count stays as it was.
    void ApplySquelch(const std::string& line);
    void ClearChat();
    void ClearUsers(UserList list);
    // The channel-name control shows the name with the channel's user count in parentheses,
    // as the game does ("Clan QV (12)"), kept up to date as users join and leave.
    void SetChannelName(const std::string& name);
    // What a click on a tab does: shows that tab's list and hides the other one.
    void ShowTab(UserList list);
    void SetScrollBarShown(UserList list, bool shown);
    // Leaving destroys the 18 controls and shows a few controls of another screen in their
    // place; entering destroys those and creates 18 new controls in the same order, with new
    // handles, holding the chat rows, users and channel name the game had.
    void LeaveChat();
    void EnterChat();
    // Stops answering messages for `ms` milliseconds, as a game busy loading does.
    void Hang(int ms);
    // The same hang, beginning at a given message from another program to control `index`
    // (see HangTrap).
    void HangOn(HangTrap::Moment moment, int index, int ms, int after) {
        trap_.Arm(moment, index, ms, after);
    }

    // Writes the 18 control handles as signed decimal, one a line; false if it cannot.
    bool WriteHandles(const std::wstring& path) const;
    HWND control(int index) const { return controls_[index]; }

  private:
    static LRESULT CALLBACK FrameProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
    static LRESULT CALLBACK OwnedProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
    static LRESULT CALLBACK ControlProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
    static ChatScreen* FromWindow(HWND window);

    LRESULT OnScreenMessage(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
    LRESULT OnControlMessage(int index, HWND window, UINT message, WPARAM wparam, LPARAM lparam);
    void OnCommand(int index, int notification);
    void OnDrawItem(const DRAWITEMSTRUCT& item);
    void OnUserScroll(HWND scroll_bar, int request);
    void SendInputLine(const char* how);
    void KeepChatScreen();
    void RestoreChatScreen();
    void FollowFrame();
    bool WindowOrderHolds() const;
    void RestoreWindowOrder(UINT extra_flags);

    HWND MakeControl(int index);
    bool IsUnicodeControl(int index) const;
    HWND ListOf(UserList list) const;
    HWND ScrollBarOf(UserList list) const;
    void UpdateScrollRange(UserList list);
    // Writes the channel name and the user count into the channel-name control.
    void ShowChannelName();
    void ScrollChatToEnd();
    // Messages of our own to our own controls; the controls' hooks log only foreign ones.
    LRESULT Own(int index, UINT message, WPARAM wparam, LPARAM lparam);
    // Adds a row to the chat list with the message of its kind: ANSI bytes or wide text.
    void OwnAddChatRow(const std::string& row);
    std::string TextOf(int index) const;

    Options options_;
    Transcript* transcript_;
    HWND frame_ = nullptr;
    HWND spacers_[2] = {nullptr, nullptr};
    HWND screen_ = nullptr;
    HWND controls_[kControlCount] = {};
    WNDPROC original_procs_[kControlCount] = {};
    HWND away_controls_[kAwayControlCount] = {};
    // What the game keeps while away from the chat screen.
    std::vector<std::string> kept_chat_;
    std::vector<std::string> kept_users_[2];
    std::string channel_name_;  // without the count
    bool scroll_bar_shown_[2] = {false, false};
    HFONT font_ = nullptr;
    HFONT bold_font_ = nullptr;
    int own_depth_ = 0;
    bool in_chat_ = true;
    UserList tab_ = UserList::kChannel;
    int numbered_rows_ = 0;
    int long_rows_ = 0;
    int generated_users_[2] = {0, 0};
    HangTrap trap_;
};

}  // namespace standin
