// Where the windows of the stand-in sit and what the chat screen's 18 controls are.
#pragma once

#include <windows.h>

namespace standin {

// The chat screen's controls in creation order. EnumChildWindows reports siblings in creation
// order, and the companion maps the controls by their position in that list.
enum ControlIndex : int {
    kInput = 0,
    kChannelTab,
    kFriendsTab,
    kCreate,
    kJoin,
    kWhisper,
    kQuit,
    kChannelList,
    kFriendsList,
    kChatList,
    kSend,
    kSquelch,
    kChannelName,
    kChannelScroll,
    kFriendsScroll,
    kBanner,
    kOptions,
    kStatus,
    kControlCount
};

constexpr int kScreenWidth = 640;
constexpr int kScreenHeight = 480;
// Child-window ids are the control index plus this, so WM_COMMAND tells the controls apart.
constexpr int kFirstControlId = 100;
constexpr int kChatRowHeight = 16;
constexpr int kUserRowHeight = 18;
// The user lists show this many rows; more rows than this need their scroll bar.
constexpr int kUserRowsShown = 13;

struct ControlPlan {
    const char* window_class;
    const char* text;
    DWORD style;  // WS_CHILD is added; WS_VISIBLE only where the control starts visible
    RECT rect;    // left, top, right, bottom in chat-screen client pixels
};

// Creates control `index` as a child of `screen` with its planned place, style and id. The game
// is an ANSI program, so its controls are ANSI windows; `unicode` makes a Unicode one instead.
HWND CreateControl(HWND screen, int index, HFONT font, bool unicode = false);

// Away from the chat screen the screen holds these few controls of another screen instead.
constexpr int kAwayControlCount = 4;
HWND CreateAwayControl(HWND screen, int index, HFONT font);

// Fixed row height of an owner-drawn list box control, 0 for other controls.
int RowHeightOf(int index);

}  // namespace standin
