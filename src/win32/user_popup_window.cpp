#include "win32/user_popup_window.h"

#include "../../assets/resource_ids.h"
#include "userlists/form7_layout.h"
#include "win32/win32_platform.h"

namespace qv {
namespace {

constexpr wchar_t kMessageClass[] = L"QuorvanePopupMessages";
constexpr UINT kDestroyClosedPopup = WM_APP + 81;

static_assert(kPopupPictureStarcraft == IDB_POPUP_STARCRAFT &&
                  kPopupPictureBlue == IDB_POPUP_BLUE && kPopupPictureSilver == IDB_POPUP_SILVER,
              "the pop-up's picture numbers are its bitmap resources");

}  // namespace

UserPopupWindow::UserPopupWindow(HWND owner)
    : owner_(owner), messages_(CreateMessageWindow(kMessageClass, MessageProc, this)) {}

UserPopupWindow::~UserPopupWindow() {
    Release();
    if (messages_) DestroyWindow(messages_);
    for (auto& [number, bitmap] : pictures_) {
        if (bitmap) DeleteObject(bitmap);
    }
}

PopupScreen UserPopupWindow::Screen() {
    return PopupScreen{
        .open = [this](FormState& form, int x, int y) { return Open(form, x, y); },
        .close = [this] { Close(); },
        .release = [this] { Release(); },
    };
}

HBITMAP UserPopupWindow::Picture(int number) {
    auto found = pictures_.find(number);
    if (found != pictures_.end()) return found->second;
    // Picture numbers are the ids of the program's bitmap resources.
    auto bitmap =
        static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(number),
                                        IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    pictures_[number] = bitmap;
    return bitmap;
}

WindowHandle UserPopupWindow::Open(FormState& form, int x, int y) {
    if (window_ && shown_ == &form) {
        window_->MoveTo(x, y);
        SetForegroundWindow(window_->Handle());
        return FromHwnd(window_->Handle());
    }
    // A pop-up closed before goes for good now, before its controls do.
    closing_.reset();
    window_.reset();
    window_ = std::make_unique<FormWindow>(form, [this](int number) { return Picture(number); });
    shown_ = &form;
    // Made at its place, hidden, and shown by the state (which is visible): no flash elsewhere.
    if (!window_->Create(owner_, x, y)) {
        window_.reset();
        shown_ = nullptr;
        return 0;
    }
    return FromHwnd(window_->Handle());
}

void UserPopupWindow::Close() {
    if (!window_) return;
    ShowWindow(window_->Handle(), SW_HIDE);
    // The close may come from one of the window's own messages (its close box): the window
    // goes once that message is done.
    closing_ = std::move(window_);
    shown_ = nullptr;
    if (messages_) PostMessageW(messages_, kDestroyClosedPopup, 0, 0);
}

void UserPopupWindow::Release() {
    closing_.reset();
    window_.reset();
    shown_ = nullptr;
}

LRESULT CALLBACK UserPopupWindow::MessageProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == kDestroyClosedPopup) {
        auto* self = reinterpret_cast<UserPopupWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        if (self) self->closing_.reset();
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

}  // namespace qv
