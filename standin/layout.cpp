#include "layout.h"

#include <cstring>
#include <string>

namespace standin {
namespace {

constexpr DWORD kButton = BS_OWNERDRAW | WS_VISIBLE;
constexpr DWORD kList =
    LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT | LBS_NOTIFY | WS_BORDER;
constexpr DWORD kLabel = SS_LEFT | SS_CENTERIMAGE | SS_NOPREFIX | WS_VISIBLE;

// A 640 x 480 Battle.net chat screen: the chat on the left with the input box and Send below
// it, the tabs, channel name and user list on the right, the other buttons under the list.
const ControlPlan kPlans[kControlCount] = {
    {"EDIT", "", ES_AUTOHSCROLL | WS_BORDER | WS_VISIBLE, {12, 410, 352, 432}},
    {"BUTTON", "Channel", kButton, {446, 10, 536, 34}},
    {"BUTTON", "Friends", kButton, {538, 10, 628, 34}},
    {"BUTTON", "Create", kButton, {446, 408, 536, 434}},
    {"BUTTON", "Join", kButton, {538, 408, 628, 434}},
    {"BUTTON", "Whisper", kButton, {446, 306, 536, 332}},
    {"BUTTON", "Quit", kButton, {538, 442, 628, 470}},
    {"LISTBOX", "", kList | WS_VISIBLE, {446, 62, 610, 298}},
    {"LISTBOX", "", kList, {446, 62, 610, 298}},
    {"LISTBOX", "", kList | WS_VSCROLL | WS_VISIBLE, {12, 40, 432, 400}},
    {"BUTTON", "Send", kButton, {358, 408, 432, 434}},
    {"BUTTON", "Squelch", kButton, {538, 306, 628, 332}},
    {"STATIC", "", SS_CENTER | SS_CENTERIMAGE | SS_NOPREFIX | WS_VISIBLE, {446, 38, 628, 58}},
    {"SCROLLBAR", "", SBS_VERT | WS_VISIBLE, {610, 62, 628, 298}},
    {"SCROLLBAR", "", SBS_VERT, {610, 62, 628, 298}},
    {"STATIC", "Battle.net", kLabel, {12, 8, 432, 34}},
    {"BUTTON", "Options", kButton, {446, 442, 536, 470}},
    {"STATIC", "Connected to Battle.net", kLabel, {12, 442, 432, 470}},
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
