#include "layout.h"

#include <cstring>
#include <string>

namespace standin {
namespace {

constexpr DWORD kButton = BS_OWNERDRAW | WS_VISIBLE;
constexpr DWORD kList =
    LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT | LBS_NOTIFY | WS_BORDER;
constexpr DWORD kLabel = SS_LEFT | SS_CENTERIMAGE | SS_NOPREFIX | WS_VISIBLE;

// A 640 x 480 Battle.net chat screen: the chat on the left with the input box below it, the
// tabs, channel name and user list on the right with Send under the list, the other buttons
// above and below it. Five spots of the screen lie on the controls the game has there, for
// the companion's capture by position: input box (165, 449), chat list (229, 329), Send
// (489, 457), channel user list (545, 297), channel name (529, 161).
const ControlPlan kPlans[kControlCount] = {
    {"EDIT", "", ES_AUTOHSCROLL | WS_BORDER | WS_VISIBLE, {12, 436, 432, 458}},
    {"BUTTON", "Channel", kButton, {446, 10, 536, 34}},
    {"BUTTON", "Friends", kButton, {538, 10, 628, 34}},
    {"BUTTON", "Create", kButton, {446, 44, 536, 70}},
    {"BUTTON", "Join", kButton, {538, 44, 628, 70}},
    {"BUTTON", "Whisper", kButton, {446, 420, 536, 444}},
    {"BUTTON", "Quit", kButton, {538, 78, 628, 104}},
    {"LISTBOX", "", kList | WS_VISIBLE, {446, 180, 610, 416}},
    {"LISTBOX", "", kList, {446, 180, 610, 416}},
    {"LISTBOX", "", kList | WS_VSCROLL | WS_VISIBLE, {12, 40, 432, 430}},
    {"BUTTON", "Send", kButton, {446, 448, 628, 474}},
    {"BUTTON", "Squelch", kButton, {538, 420, 628, 444}},
    {"STATIC", "", SS_CENTER | SS_CENTERIMAGE | SS_NOPREFIX | WS_VISIBLE, {446, 146, 628, 176}},
    {"SCROLLBAR", "", SBS_VERT | WS_VISIBLE, {610, 180, 628, 416}},
    {"SCROLLBAR", "", SBS_VERT, {610, 180, 628, 416}},
    {"STATIC", "Battle.net", kLabel, {12, 8, 432, 34}},
    {"BUTTON", "Options", kButton, {446, 78, 536, 104}},
    {"STATIC", "Connected to Battle.net", kLabel, {12, 460, 432, 478}},
};

// The channel-list screen the game shows between chats: a title, the channels, two buttons.
const ControlPlan kAwayPlans[kAwayControlCount] = {
    {"STATIC", "Select a channel", kLabel, {12, 8, 432, 34}},
    {"LISTBOX", "", LBS_NOINTEGRALHEIGHT | WS_BORDER | WS_VISIBLE, {12, 40, 432, 400}},
    {"BUTTON", "OK", BS_PUSHBUTTON | WS_VISIBLE, {446, 408, 536, 434}},
    {"BUTTON", "Cancel", BS_PUSHBUTTON | WS_VISIBLE, {538, 408, 628, 434}},
};
constexpr int kFirstAwayControlId = 200;

HWND CreatePlanned(HWND screen, const ControlPlan& plan, int id, HFONT font, bool unicode) {
    const RECT& r = plan.rect;
    const auto menu = reinterpret_cast<HMENU>(static_cast<INT_PTR>(id));
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(screen, GWLP_HINSTANCE));
    HWND control = nullptr;
    if (unicode) {
        const std::wstring window_class(plan.window_class,
                                        plan.window_class + strlen(plan.window_class));
        const std::wstring text(plan.text, plan.text + strlen(plan.text));
        control = CreateWindowExW(0, window_class.c_str(), text.c_str(), WS_CHILD | plan.style,
                                  r.left, r.top, r.right - r.left, r.bottom - r.top, screen, menu,
                                  instance, nullptr);
    } else {
        control =
            CreateWindowExA(0, plan.window_class, plan.text, WS_CHILD | plan.style, r.left, r.top,
                            r.right - r.left, r.bottom - r.top, screen, menu, instance, nullptr);
    }
    if (control) SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return control;
}

}  // namespace

HWND CreateControl(HWND screen, int index, HFONT font, bool unicode) {
    return CreatePlanned(screen, kPlans[index], kFirstControlId + index, font, unicode);
}

HWND CreateAwayControl(HWND screen, int index, HFONT font) {
    HWND control =
        CreatePlanned(screen, kAwayPlans[index], kFirstAwayControlId + index, font, false);
    if (control && index == 1) {
        for (const char* channel : {"Brood War USA-1", "Clan QV",
                                    "Op Gr\xFC\xDF"
                                    "e"}) {
            SendMessageA(control, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(channel));
        }
    }
    return control;
}

int RowHeightOf(int index) {
    if (index == kChatList) return kChatRowHeight;
    if (index == kChannelList || index == kFriendsList) return kUserRowHeight;
    return 0;
}

}  // namespace standin
