#include "layout.h"

namespace standin {
namespace {

constexpr DWORD kButton = BS_OWNERDRAW | WS_VISIBLE;
constexpr DWORD kList =
    LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT | LBS_NOTIFY | WS_BORDER;
constexpr DWORD kLabel = SS_LEFT | SS_CENTERIMAGE | SS_NOPREFIX | WS_VISIBLE;

// A 640 x 480 Battle.net chat screen: the chat on the left with the input box and Send below
// it, the tabs, channel name and user list on the right, the other buttons under the list.
const ControlPlan kPlans[kControlCount] = {
    {L"EDIT", L"", ES_AUTOHSCROLL | WS_BORDER | WS_VISIBLE, {12, 410, 352, 432}},
    {L"BUTTON", L"Channel", kButton, {446, 10, 536, 34}},
    {L"BUTTON", L"Friends", kButton, {538, 10, 628, 34}},
    {L"BUTTON", L"Create", kButton, {446, 408, 536, 434}},
    {L"BUTTON", L"Join", kButton, {538, 408, 628, 434}},
    {L"BUTTON", L"Whisper", kButton, {446, 306, 536, 332}},
    {L"BUTTON", L"Quit", kButton, {538, 442, 628, 470}},
    {L"LISTBOX", L"", kList | WS_VISIBLE, {446, 62, 610, 298}},
    {L"LISTBOX", L"", kList, {446, 62, 610, 298}},
    {L"LISTBOX", L"", kList | WS_VSCROLL | WS_VISIBLE, {12, 40, 432, 400}},
    {L"BUTTON", L"Send", kButton, {358, 408, 432, 434}},
    {L"BUTTON", L"Squelch", kButton, {538, 306, 628, 332}},
    {L"STATIC", L"", SS_CENTER | SS_CENTERIMAGE | SS_NOPREFIX | WS_VISIBLE, {446, 38, 628, 58}},
    {L"SCROLLBAR", L"", SBS_VERT | WS_VISIBLE, {610, 62, 628, 298}},
    {L"SCROLLBAR", L"", SBS_VERT, {610, 62, 628, 298}},
    {L"STATIC", L"Battle.net", kLabel, {12, 8, 432, 34}},
    {L"BUTTON", L"Options", kButton, {446, 442, 536, 470}},
    {L"STATIC", L"Connected to Battle.net", kLabel, {12, 442, 432, 470}},
};

}  // namespace

HWND CreateControl(HWND screen, int index, HFONT font) {
    const ControlPlan& plan = kPlans[index];
    const RECT& r = plan.rect;
    HWND control = CreateWindowExW(
        0, plan.window_class, plan.text, WS_CHILD | plan.style, r.left, r.top, r.right - r.left,
        r.bottom - r.top, screen,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstControlId + index)),
        reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(screen, GWLP_HINSTANCE)), nullptr);
    if (control) SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return control;
}

int RowHeightOf(int index) {
    if (index == kChatList) return kChatRowHeight;
    if (index == kChannelList || index == kFriendsList) return kUserRowHeight;
    return 0;
}

}  // namespace standin
