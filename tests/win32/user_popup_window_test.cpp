// The user pop-up's window under Wine: built from Form7's table at the cursor, its picture by
// the saved style, its buttons reaching the pop-up's handlers, and its close box taking the
// window down after the message that asked for it.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../../assets/resource_ids.h"
#include "userlists/user_popup.h"
#include "win32/user_popup_window.h"
#include "win32/win32_platform.h"

namespace qv {
namespace {

void Pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

// The colour of a picture resource's pixel.
COLORREF PicturePixel(int id, int x, int y) {
    auto bitmap = static_cast<HBITMAP>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, 0));
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, bitmap);
    const COLORREF colour = GetPixel(dc, x, y);
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(bitmap);
    return colour;
}

COLORREF ScreenPixel(HWND window, int x, int y) {
    POINT p{x, y};
    ClientToScreen(window, &p);
    HDC screen = GetDC(nullptr);
    const COLORREF colour = GetPixel(screen, p.x, p.y);
    ReleaseDC(nullptr, screen);
    return colour;
}

class UserPopupWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        WNDCLASSW wc{};
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"QvUserPopupOwner";
        RegisterClassW(&wc);
        owner_ = CreateWindowExW(0, wc.lpszClassName, L"owner", WS_POPUP | WS_VISIBLE, 0, 0, 100,
                                 100, nullptr, nullptr, wc.hInstance, nullptr);
        ASSERT_NE(owner_, nullptr);
        screen_ = std::make_unique<UserPopupWindow>(owner_);
        popup_ = std::make_unique<Form7>(
            platform_.platform,
            [] { return std::string("J\xC3\xBCrgen                        0 RATS"); },
            PopupActions{
                .send_user_command =
                    [this](const std::string& prefix, bool refresh) {
                        commands_.push_back(prefix + (refresh ? "+refresh" : ""));
                    },
                .press_whisper = [this] { commands_.push_back("whisper"); },
                .press_send = [this] { commands_.push_back("send"); },
            });
        popup_->SetScreen(screen_->Screen());
    }

    void TearDown() override {
        popup_.reset();
        screen_.reset();
        // The style value goes again: other tests start from a clean slate.
        RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, L"Software\\QuorvaneDIZuvo\\SaveStyle", L"Style");
        DestroyWindow(owner_);
        Pump();
    }

    Win32Platform platform_;
    HWND owner_ = nullptr;
    std::unique_ptr<UserPopupWindow> screen_;
    std::unique_ptr<Form7> popup_;
    std::vector<std::string> commands_;
};

TEST_F(UserPopupWindowTest, OpensAtThePointAsASmallToolWindowWithTheDesignPicture) {
    popup_->Show(200, 150);
    Pump();
    HWND window = screen_->Handle();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(reinterpret_cast<HWND>(static_cast<intptr_t>(popup_->hWnd())), window);
    EXPECT_TRUE(IsWindowVisible(window));
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    EXPECT_STREQ(name, L"QuorvaneForm7");
    wchar_t caption[16] = {};
    GetWindowTextW(window, caption, 16);
    EXPECT_STREQ(caption, L"Menu");
    EXPECT_TRUE(GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    EXPECT_EQ(GetWindow(window, GW_OWNER), owner_);
    RECT outer{};
    GetWindowRect(window, &outer);
    EXPECT_EQ(outer.left, 200);
    EXPECT_EQ(outer.top, 150);
    RECT client{};
    GetClientRect(window, &client);
    EXPECT_EQ(client.right, 146);
    EXPECT_EQ(client.bottom, 271);
    EXPECT_EQ(GetForegroundWindow(), window);
    // Beside the buttons the design picture shows.
    EXPECT_EQ(ScreenPixel(window, 140, 250), PicturePixel(IDB_POPUP_STARCRAFT, 140, 250));
    EXPECT_NE(PicturePixel(IDB_POPUP_STARCRAFT, 140, 250),
              PicturePixel(IDB_POPUP_SILVER, 140, 250));
}

TEST_F(UserPopupWindowTest, TheSavedStylePicksTheBlueOrSilverPicture) {
    platform_.settings.Write("SaveStyle\\Style", "3");
    popup_->Show(220, 160);
    Pump();
    EXPECT_EQ(ScreenPixel(screen_->Handle(), 140, 250), PicturePixel(IDB_POPUP_SILVER, 140, 250));
    popup_->Unload();
    platform_.settings.Write("SaveStyle\\Style", "2");
    popup_->Show(220, 160);
    Pump();
    EXPECT_EQ(ScreenPixel(screen_->Handle(), 140, 250), PicturePixel(IDB_POPUP_BLUE, 140, 250));
}

TEST_F(UserPopupWindowTest, ButtonsReachThePopupsHandlers) {
    popup_->Show(200, 150);
    Pump();
    HWND window = screen_->Handle();
    // The buttons are numbered by the window in table order from 2000.
    for (int id = 2000; id <= 2006; ++id) SendMessageW(GetDlgItem(window, id), BM_CLICK, 0, 0);
    Pump();
    EXPECT_EQ(commands_,
              (std::vector<std::string>{"/stats ", "/ignore +refresh", "/unignore +refresh",
                                        "/f a ", "/f r ", "whisper", "send"}));
    EXPECT_TRUE(popup_->Loaded());
}

TEST_F(UserPopupWindowTest, TheCloseBoxUnloadsAndTheWindowGoesAfterItsMessage) {
    popup_->Show(200, 150);
    Pump();
    HWND window = screen_->Handle();
    SendMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_FALSE(popup_->Loaded());
    EXPECT_FALSE(IsWindowVisible(window)) << "out of sight at once";
    Pump();
    EXPECT_FALSE(IsWindow(window)) << "destroyed once its message was done";
    // The next opening builds a new window.
    popup_->Show(240, 170);
    Pump();
    ASSERT_NE(screen_->Handle(), nullptr);
    EXPECT_TRUE(IsWindowVisible(screen_->Handle()));
}

TEST_F(UserPopupWindowTest, APopupThatGoesWhileOpenTakesItsWindowWithIt) {
    popup_->Show(200, 150);
    Pump();
    HWND window = screen_->Handle();
    popup_.reset();
    EXPECT_FALSE(IsWindow(window));
}

}  // namespace
}  // namespace qv
