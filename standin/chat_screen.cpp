// Window creation and message handling of the stand-in's chat screen.
#include "chat_screen.h"

#include "draw.h"
#include "list_box.h"
#include "text.h"

namespace standin {
namespace {

constexpr char kFrameClass[] = "QuorvaneStandinFrame";
constexpr char kOwnedClass[] = "QuorvaneStandinOwned";
// No minimize box: a minimized main window would take the chat screen with it.
constexpr DWORD kFrameStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
constexpr UINT_PTR kOrderTimerId = 1;
constexpr UINT kOrderCheckMs = 50;
// Shortly after the windows show, Wine lifts the main window once; start-up waits until the
// order has held this long (at most kMostSettleMs) before the stand-in reports ready.
constexpr DWORD kSettledMs = 250;
constexpr DWORD kMostSettleMs = 3000;
// The two untitled windows between the main window and the chat screen are tiny and sit
// under the chat screen; they exist only to give the window list its shape.
constexpr int kSpacerSize = 8;

bool IsButton(int index) {
    switch (index) {
        case kChannelTab:
        case kFriendsTab:
        case kCreate:
        case kJoin:
        case kWhisper:
        case kQuit:
        case kSend:
        case kSquelch:
        case kOptions:
            return true;
        default:
            return false;
    }
}

const char* ClickEventOf(int index) {
    switch (index) {
        case kChannelTab:
            return "click channel-tab";
        case kFriendsTab:
            return "click friends-tab";
        case kCreate:
            return "click create";
        case kJoin:
            return "click join";
        case kWhisper:
            return "click whisper";
        case kQuit:
            return "click quit";
        case kSquelch:
            return "click squelch";
        case kOptions:
            return "click options";
        default:
            return "click send";
    }
}

void StoreOwner(HWND window, LPARAM lparam) {
    const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lparam);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
}

}  // namespace

ChatScreen::ChatScreen(const Options& options, Transcript* transcript)
    : options_(options), transcript_(transcript) {}

ChatScreen::~ChatScreen() {
    if (frame_) DestroyWindow(frame_);
    if (font_) DeleteObject(font_);
    if (bold_font_) DeleteObject(bold_font_);
}

bool ChatScreen::Create(HINSTANCE instance) {
    // The game is an ANSI program: its classes, windows and messages are the A kind, so the
    // companion meets the conversions it meets in the game.
    WNDCLASSEXA window_class{};
    window_class.cbSize = sizeof(window_class);
    window_class.lpfnWndProc = FrameProc;
    window_class.hInstance = instance;
    window_class.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW
    window_class.hbrBackground = ScreenBrush();
    window_class.lpszClassName = kFrameClass;
    if (!RegisterClassExA(&window_class)) return false;
    window_class.lpfnWndProc = OwnedProc;
    window_class.lpszClassName = kOwnedClass;
    if (!RegisterClassExA(&window_class)) return false;

    font_ = CreateFontA(-13, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                        OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                        DEFAULT_PITCH | FF_SWISS, "Tahoma");
    bold_font_ =
        CreateFontA(-15, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                    CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, "Tahoma");

    // Creation order is the window-list order the companion relies on: the titled main
    // window first, then three untitled windows owned by it, the chat screen last. Owned
    // windows stay above their owner, so the chat screen is listed three rows before it.
    RECT outer = {0, 0, kScreenWidth, kScreenHeight};
    AdjustWindowRectEx(&outer, kFrameStyle, FALSE, 0);
    const std::string title = Cp1252FromWide(options_.title);
    frame_ = CreateWindowExA(0, kFrameClass, title.c_str(), kFrameStyle, options_.x + outer.left,
                             options_.y + outer.top, outer.right - outer.left,
                             outer.bottom - outer.top, nullptr, nullptr, instance, this);
    if (!frame_) return false;
    POINT origin = {0, 0};
    ClientToScreen(frame_, &origin);
    for (HWND& spacer : spacers_) {
        spacer = CreateWindowExA(0, kOwnedClass, "", WS_POPUP, origin.x, origin.y, kSpacerSize,
                                 kSpacerSize, frame_, nullptr, instance, this);
        if (!spacer) return false;
    }
    screen_ = CreateWindowExA(0, kOwnedClass, "", WS_POPUP | WS_CLIPCHILDREN, origin.x, origin.y,
                              kScreenWidth, kScreenHeight, frame_, nullptr, instance, this);
    if (!screen_) return false;
    for (int index = 0; index < kControlCount; ++index) {
        if (!MakeControl(index)) return false;
    }
    UpdateScrollRange(UserList::kChannel);
    UpdateScrollRange(UserList::kFriends);
    return true;
}

HWND ChatScreen::MakeControl(int index) {
    const bool bold = index == kBanner || index == kChannelName;
    HWND control =
        CreateControl(screen_, index, bold ? bold_font_ : font_, IsUnicodeControl(index));
    controls_[index] = control;
    if (!control) return nullptr;
    // Subclassing with the W setter would turn an ANSI control into a Unicode one.
    const auto hook = reinterpret_cast<LONG_PTR>(ControlProc);
    original_procs_[index] = reinterpret_cast<WNDPROC>(
        IsUnicodeControl(index) ? SetWindowLongPtrW(control, GWLP_WNDPROC, hook)
                                : SetWindowLongPtrA(control, GWLP_WNDPROC, hook));
    if (index == kChannelScroll || index == kFriendsScroll) {
        scroll_bar_shown_[index - kChannelScroll] =
            (GetWindowLongA(control, GWL_STYLE) & WS_VISIBLE) != 0;
    }
    return control;
}

bool ChatScreen::IsUnicodeControl(int index) const {
    return index == kChatList && options_.unicode_chat;
}

void ChatScreen::Show() {
    ShowWindow(frame_, SW_SHOWNOACTIVATE);
    RestoreWindowOrder(SWP_SHOWWINDOW);
    ShowWindow(screen_, SW_SHOW);
    UpdateWindow(screen_);
    SetTimer(frame_, kOrderTimerId, kOrderCheckMs, nullptr);
}

// Under Wine with a virtual desktop, activating the main window later lifts it above its
// owned windows (no message tells us), and activating the chat screen lifts it alone above
// other programs' windows. Either breaks the list order the companion looks for, so it is
// checked often and restored by lifting the four windows to the top in creation order.
void ChatScreen::SettleWindowOrder() {
    const DWORD start = GetTickCount();
    DWORD held_since = start;
    while (GetTickCount() - start < kMostSettleMs) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) {
                PostQuitMessage(static_cast<int>(message.wParam));
                return;
            }
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        if (!WindowOrderHolds()) held_since = GetTickCount();
        if (GetTickCount() - held_since >= kSettledMs) return;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, kOrderCheckMs, QS_ALLINPUT);
    }
}

bool ChatScreen::WindowOrderHolds() const {
    return GetWindow(screen_, GW_HWNDNEXT) == spacers_[1] &&
           GetWindow(spacers_[1], GW_HWNDNEXT) == spacers_[0] &&
           GetWindow(spacers_[0], GW_HWNDNEXT) == frame_;
}

void ChatScreen::RestoreWindowOrder(UINT extra_flags) {
    const UINT flags = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | extra_flags;
    for (HWND window : {frame_, spacers_[0], spacers_[1], screen_}) {
        SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, flags);
    }
}

void ChatScreen::Close() {
    if (frame_) DestroyWindow(frame_);
}

// The owned windows follow the main window when it moves, so the chat screen keeps
// covering its client area.
void ChatScreen::FollowFrame() {
    if (!frame_ || !screen_) return;
    POINT origin = {0, 0};
    ClientToScreen(frame_, &origin);
    const UINT flags = SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE;
    for (HWND spacer : spacers_) SetWindowPos(spacer, nullptr, origin.x, origin.y, 0, 0, flags);
    SetWindowPos(screen_, nullptr, origin.x, origin.y, 0, 0, flags);
}

ChatScreen* ChatScreen::FromWindow(HWND window) {
    return reinterpret_cast<ChatScreen*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

LRESULT CALLBACK ChatScreen::FrameProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_NCCREATE) StoreOwner(window, lparam);
    ChatScreen* self = FromWindow(window);
    if (self) {
        switch (message) {
            case WM_MOVE:
                self->FollowFrame();
                break;
            case WM_TIMER:
                if (wparam == kOrderTimerId && !self->WindowOrderHolds()) {
                    self->RestoreWindowOrder(0);
                }
                return 0;
            case WM_CLOSE:
                self->Close();
                return 0;
            case WM_DESTROY:
                self->frame_ = nullptr;
                self->screen_ = nullptr;
                PostQuitMessage(0);
                return 0;
            default:
                break;
        }
    }
    return DefWindowProcA(window, message, wparam, lparam);
}

LRESULT CALLBACK ChatScreen::OwnedProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_NCCREATE) StoreOwner(window, lparam);
    ChatScreen* self = FromWindow(window);
    if (!self) return DefWindowProcA(window, message, wparam, lparam);
    // Closing any of the game's windows ends the whole game, never just that window.
    if (message == WM_CLOSE) {
        self->Close();
        return 0;
    }
    // The spacers share the chat screen's handling; they have no controls, so only their
    // painting matters.
    return self->OnScreenMessage(window, message, wparam, lparam);
}

LRESULT CALLBACK ChatScreen::ControlProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    ChatScreen* self = FromWindow(GetParent(window));
    const int index = GetDlgCtrlID(window) - kFirstControlId;
    if (!self || index < 0 || index >= kControlCount || !self->original_procs_[index]) {
        return IsWindowUnicode(window) ? DefWindowProcW(window, message, wparam, lparam)
                                       : DefWindowProcA(window, message, wparam, lparam);
    }
    return self->OnControlMessage(index, window, message, wparam, lparam);
}

LRESULT ChatScreen::OnScreenMessage(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_COMMAND:
            OnCommand(LOWORD(wparam) - kFirstControlId, HIWORD(wparam));
            return 0;
        case WM_MEASUREITEM: {
            auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(lparam);
            const int height = RowHeightOf(static_cast<int>(measure->CtlID) - kFirstControlId);
            if (height > 0) measure->itemHeight = static_cast<UINT>(height);
            return TRUE;
        }
        case WM_DRAWITEM:
            OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lparam));
            return TRUE;
        case WM_CTLCOLOREDIT:
            SetTextColor(reinterpret_cast<HDC>(wparam), kInputTextColour);
            SetBkColor(reinterpret_cast<HDC>(wparam), kInputColour);
            return reinterpret_cast<LRESULT>(InputBrush());
        case WM_CTLCOLORLISTBOX:
            SetBkColor(reinterpret_cast<HDC>(wparam), kListColour);
            return reinterpret_cast<LRESULT>(ListBrush());
        case WM_CTLCOLORSTATIC: {
            const HWND control = reinterpret_cast<HWND>(lparam);
            COLORREF colour = RGB(150, 160, 190);
            if (control == controls_[kBanner]) colour = RGB(250, 210, 80);
            if (control == controls_[kChannelName]) colour = RGB(255, 255, 255);
            SetTextColor(reinterpret_cast<HDC>(wparam), colour);
            SetBkColor(reinterpret_cast<HDC>(wparam), kScreenColour);
            return reinterpret_cast<LRESULT>(ScreenBrush());
        }
        case WM_VSCROLL:
            if (lparam) OnUserScroll(reinterpret_cast<HWND>(lparam), LOWORD(wparam));
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT: {
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(window, &paint);
            RECT client;
            GetClientRect(window, &client);
            HGDIOBJ old_font = SelectObject(dc, bold_font_);
            PaintScreen(dc, client, in_chat_ || window != screen_);
            SelectObject(dc, old_font);
            EndPaint(window, &paint);
            return 0;
        }
        default:
            return DefWindowProcA(window, message, wparam, lparam);
    }
}

LRESULT ChatScreen::OnControlMessage(int index, HWND window, UINT message, WPARAM wparam,
                                     LPARAM lparam) {
    const WNDPROC original = original_procs_[index];
    const bool unicode = IsUnicodeControl(index);
    auto call_original = [&]() {
        return unicode ? CallWindowProcW(original, window, message, wparam, lparam)
                       : CallWindowProcA(original, window, message, wparam, lparam);
    };
    // A message from another thread may spring the hang trap: at a text read the hang comes
    // before the answer, after a count the sender has its answer first.
    if (InSendMessage()) {
        if (const int ms = trap_.Spring(index, message, wparam)) {
            if (trap_.moment() == HangTrap::Moment::kTextRead) {
                Hang(ms);
            } else {
                const LRESULT result = call_original();
                ReplyMessage(result);
                Hang(ms);
                return result;
            }
        }
    }
    const bool foreign = own_depth_ == 0;
    // Text in a message is cp1252 bytes in an ANSI control, wide text in a Unicode one.
    auto text_of_message = [&]() -> std::string {
        if (!lparam) return std::string();
        if (unicode) return Cp1252FromWide(reinterpret_cast<const wchar_t*>(lparam));
        return reinterpret_cast<const char*>(lparam);
    };
    if (index == kInput) {
        if (message == WM_SETTEXT && foreign) transcript_->Write("settext", text_of_message());
        // Enter in the input box sends like the game does; the edit control would only beep.
        if (message == WM_CHAR && wparam == VK_RETURN) {
            SendInputLine("key enter");
            return 0;
        }
    } else if (index == kChatList && foreign && lparam &&
               (message == LB_ADDSTRING || message == LB_SELECTSTRING)) {
        const LRESULT result = call_original();
        transcript_->Write(message == LB_ADDSTRING ? "added" : "selected", text_of_message());
        return result;
    } else if ((index == kChannelScroll || index == kFriendsScroll) &&
               message == WM_WINDOWPOSCHANGED) {
        // Any change of visibility is logged, whoever made it: the style is final here.
        const LRESULT result = call_original();
        const bool shown = (GetWindowLongA(window, GWL_STYLE) & WS_VISIBLE) != 0;
        bool& known = scroll_bar_shown_[index - kChannelScroll];
        if (shown != known) {
            known = shown;
            transcript_->Write(std::string("scrollbar ") +
                               (index == kChannelScroll ? "channel " : "friends ") +
                               (shown ? "shown" : "hidden"));
        }
        return result;
    }
    return call_original();
}

void ChatScreen::OnCommand(int index, int notification) {
    if (notification != BN_CLICKED || !IsButton(index)) return;
    if (index == kSend) {
        SendInputLine("click send");
        return;
    }
    transcript_->Write(ClickEventOf(index));
    if (index == kChannelTab) ShowTab(UserList::kChannel);
    if (index == kFriendsTab) ShowTab(UserList::kFriends);
}

void ChatScreen::OnDrawItem(const DRAWITEMSTRUCT& item) {
    const int index = static_cast<int>(item.CtlID) - kFirstControlId;
    HGDIOBJ old_font = SelectObject(item.hDC, font_);
    if (item.CtlType == ODT_LISTBOX && item.itemID != static_cast<UINT>(-1)) {
        DrawRow(item, ListBoxRow(item.hwndItem, static_cast<int>(item.itemID)));
    } else if (item.CtlType == ODT_BUTTON) {
        const bool highlighted = (index == kChannelTab && tab_ == UserList::kChannel) ||
                                 (index == kFriendsTab && tab_ == UserList::kFriends);
        DrawButton(item, TextOf(index), highlighted);
    }
    SelectObject(item.hDC, old_font);
}

void ChatScreen::SendInputLine(const char* how) {
    const std::string line = TextOf(kInput);
    transcript_->Write("sent", line);
    transcript_->Write(how);
    if (line.empty()) return;
    Own(kInput, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
    // The game echoes the player's own line into the chat.
    AddChatRow("\x10" + Cp1252FromWide(options_.name) + "\x10: " + line);
    ApplySquelch(line);
}

LRESULT ChatScreen::Own(int index, UINT message, WPARAM wparam, LPARAM lparam) {
    ++own_depth_;
    const LRESULT result = SendMessageA(controls_[index], message, wparam, lparam);
    --own_depth_;
    return result;
}

void ChatScreen::OwnAddChatRow(const std::string& row) {
    ++own_depth_;
    AddListBoxRow(controls_[kChatList], row);
    --own_depth_;
}

std::string ChatScreen::TextOf(int index) const {
    const int length = GetWindowTextLengthA(controls_[index]);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    const int copied = GetWindowTextA(controls_[index], &text[0], length + 1);
    text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
    return text;
}

}  // namespace standin
