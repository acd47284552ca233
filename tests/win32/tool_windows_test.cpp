// The tool windows and the menu bar built from their tables on a real screen under Wine:
// every window's controls where its table says, its pictures from the program's resources,
// the menu bar with its captions and check marks; a screenshot of each window.
#include "win32/tool_windows.h"

#include <gtest/gtest.h>

#include <string>

#include "app/form1_menu.h"
#include "resource_ids.h"
#include "tools/channel_window.h"
#include "tools/greet_window.h"
#include "tools/join_channel_window.h"
#include "tools/name_alert_window.h"
#include "tools/time_messages_window.h"
#include "tools/tool_pictures.h"
#include "win32/resource_pictures.h"
#include "win32/win32_platform.h"
#include "win32/win32_text.h"
#include "win32/window_pictures.h"

namespace qv {

static_assert(kPictureChannelBack == IDB_CHANNEL_BACK, "picture numbers are the resource ids");
static_assert(kPictureChannelJoin == IDB_CHANNEL_JOIN, "picture numbers are the resource ids");
static_assert(kPictureChannelClose == IDB_CHANNEL_CLOSE, "picture numbers are the resource ids");

namespace {

void Pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

std::string TextOf(HWND control) {
    wchar_t buffer[512] = {};
    GetWindowTextW(control, buffer, 512);
    return Narrow(buffer);
}

// Shows the state's window, checks it against its table and keeps a picture of it.
void CheckWindow(FormState& state, FormWindow& window, const wchar_t* shot) {
    state.Show();
    Pump();
    UpdateWindow(window.Handle());
    Pump();
    wchar_t cls[64] = {};
    GetClassNameW(window.Handle(), cls, 64);
    EXPECT_EQ(std::wstring(cls), L"Quorvane" + Widen(state.Spec().name));
    RECT client;
    GetClientRect(window.Handle(), &client);
    EXPECT_EQ(client.right, state.Spec().client_width);
    EXPECT_EQ(client.bottom, state.Spec().client_height);
    wchar_t caption[128] = {};
    GetWindowTextW(window.Handle(), caption, 128);
    EXPECT_EQ(Narrow(caption), state.Caption());
    for (const ControlSpec& item : state.Spec().controls) {
        HWND control = window.Control(item.name);
        if (item.kind == ControlKind::kLabel || item.kind == ControlKind::kFrame) continue;
        ASSERT_NE(control, nullptr) << item.name;
        RECT r;
        GetWindowRect(control, &r);
        MapWindowPoints(nullptr, window.Handle(), reinterpret_cast<POINT*>(&r), 2);
        EXPECT_EQ(r.left, item.left) << item.name;
        EXPECT_EQ(r.top, item.top) << item.name;
        EXPECT_EQ(r.right - r.left, item.width) << item.name;
        EXPECT_EQ(IsWindowVisible(control) != FALSE, (item.flags & kHidden) == 0) << item.name;
    }
    EXPECT_TRUE(SaveWindowPicture(window.Handle(), OutPath(shot)));
}

class ToolWindows : public ::testing::Test {
  protected:
    Win32Platform win;
    HandleBoxes boxes;
    SendPaths send{win.platform, boxes};
};

TEST_F(ToolWindows, TimedMessagesWindow) {
    Form3 form3(win.platform, send, nullptr);
    form3.Load();
    auto window = MakeToolWindow(form3.form, 40, 40);
    ASSERT_TRUE(window);
    CheckWindow(form3.form, *window, L"tools-form3.bmp");
    EXPECT_EQ(TextOf(window->Control("Text1")), "Hello, im using Dunmarrows Quorvane DI Zuvo!");
    EXPECT_EQ(TextOf(window->Control("Command1")), "Set new time");
    // Typing and pressing reach the window's logic.
    SetWindowTextW(window->Control("Text4"), L"abc");
    SendMessageW(window->Control("Command1"), BM_CLICK, 0, 0);
    EXPECT_EQ(TextOf(window->Control("Text4")), "5000");
    EXPECT_EQ(form3.Timer1.Interval(), 5000);
    SendMessageW(window->Handle(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindowVisible(window->Handle())) << "closing hides";
    EXPECT_TRUE(IsWindow(window->Handle()));
}

TEST_F(ToolWindows, GreetWindow) {
    Form4 form4(win.platform);
    form4.Load();
    auto window = MakeToolWindow(form4.form, 40, 40);
    ASSERT_TRUE(window);
    CheckWindow(form4.form, *window, L"tools-form4.bmp");
    EXPECT_EQ(TextOf(window->Control("Command1")), "Start");
    // The whole default greeting shows in its box, in the box's own font.
    HWND text1 = window->Control("Text1");
    HDC dc = GetDC(text1);
    HGDIOBJ old =
        SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(text1, WM_GETFONT, 0, 0)));
    const std::wstring greeting = Widen(kGreetDefaultText);
    SIZE extent{};
    GetTextExtentPoint32W(dc, greeting.c_str(), static_cast<int>(greeting.size()), &extent);
    SelectObject(dc, old);
    ReleaseDC(text1, dc);
    RECT box;
    SendMessageW(text1, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&box));
    EXPECT_LE(extent.cx, box.right - box.left);
    SendMessageW(window->Control("Command3"), BM_CLICK, 0, 0);
    EXPECT_FALSE(form4.Text3.Get().empty()) << "the hidden time button stamps the time";
}

TEST_F(ToolWindows, NameAlertWindow) {
    Form8 form8(win.settings, nullptr);
    auto window = MakeToolWindow(form8.form, 40, 40);
    ASSERT_TRUE(window);
    CheckWindow(form8.form, *window, L"tools-form8.bmp");
    SetWindowTextW(window->Control("Text5"), L"J\x00fcrgen");
    EXPECT_EQ(form8.AlertWord(4), "J\xC3\xBCrgen");
}

TEST_F(ToolWindows, ChannelWindowWithItsPicturesJoinsByDoubleClick) {
    // The game's input box and Send button, here in this process.
    HWND input = CreateWindowExW(0, L"EDIT", L"", WS_POPUP, 0, 0, 100, 20, nullptr, nullptr,
                                 nullptr, nullptr);
    HWND button = CreateWindowExW(0, L"BUTTON", L"", WS_POPUP, 0, 0, 100, 20, nullptr, nullptr,
                                  nullptr, nullptr);
    boxes.text.Set(std::to_string(FromHwnd(input)));
    boxes.button.Set(std::to_string(FromHwnd(button)));
    FormChannel channel(send);
    channel.Form_Load("Clan QV (3)");
    auto window = MakeToolWindow(channel.form, 40, 40);
    ASSERT_TRUE(window);
    EXPECT_NE(ResourcePicture(IDB_CHANNEL_BACK), nullptr);
    EXPECT_NE(ResourcePicture(IDB_CHANNEL_JOIN), nullptr);
    EXPECT_NE(ResourcePicture(IDB_CHANNEL_CLOSE), nullptr);
    CheckWindow(channel.form, *window, L"tools-formchannel.bmp");
    HWND list = window->Control("List4");
    EXPECT_EQ(SendMessageW(list, LB_GETCOUNT, 0, 0), 15);
    EXPECT_EQ(TextOf(window->Control("Text3")), "Clan QV");
    // All fifteen rows show whole, the current channel included, without scrolling.
    const LRESULT height = SendMessageW(list, LB_GETITEMHEIGHT, 0, 0);
    RECT inside;
    GetClientRect(list, &inside);
    EXPECT_GE(inside.bottom, 15 * height) << "row height " << height;
    // A double click on the fourth row, as the list box reports it.
    SendMessageW(list, LB_SETTOPINDEX, 0, 0);
    const LPARAM point = MAKELPARAM(5, static_cast<int>(3 * height + height / 2));
    SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, point);
    SendMessageW(list, WM_LBUTTONUP, 0, point);
    SendMessageW(list, WM_LBUTTONDBLCLK, MK_LBUTTON, point);
    SendMessageW(list, WM_LBUTTONUP, 0, point);
    Pump();
    EXPECT_EQ(TextOf(window->Control("Text3")), "Public Chat");
    EXPECT_EQ(TextOf(input), "/join Public Chat");
    // The background picture shows through: its amber title band at the top.
    HDC dc = GetDC(window->Handle());
    const COLORREF title = GetPixel(dc, 150, 39);
    ReleaseDC(window->Handle(), dc);
    EXPECT_NE(title, GetSysColor(COLOR_BTNFACE));
    DestroyWindow(input);
    DestroyWindow(button);
}

TEST_F(ToolWindows, JoinChannelWindowTakesFiftyCharacters) {
    Form5 form5(send);
    auto window = MakeToolWindow(form5.form, 40, 40);
    ASSERT_TRUE(window);
    CheckWindow(form5.form, *window, L"tools-form5.bmp");
    EXPECT_EQ(SendMessageW(window->Control("Text1"), EM_GETLIMITTEXT, 0, 0), kForm5NameLength);
}

TEST(MenuBar, BuiltFromTheTableWithCaptionsAndCheckMarks) {
    HMENU bar = BuildMenuBar(Form1Menu());
    ASSERT_EQ(GetMenuItemCount(bar), 7);
    wchar_t text[128] = {};
    GetMenuStringW(bar, 3, text, 128, MF_BYPOSITION);
    EXPECT_EQ(std::wstring(text), L"Show Message History");
    HMENU style = GetSubMenu(bar, 4);
    EXPECT_EQ(GetMenuState(style, kMenuScstyle, MF_BYCOMMAND) & MF_CHECKED, MF_CHECKED);
    EXPECT_EQ(GetMenuState(style, kMenuBluestyle, MF_BYCOMMAND) & MF_CHECKED, 0u);
    GetMenuStringW(bar, kMenuHp, text, 128, MF_BYCOMMAND);
    EXPECT_EQ(std::wstring(text), L"HomePage / How to use it");
    HMENU logging = GetSubMenu(bar, 5);
    EXPECT_EQ(GetMenuState(logging, kMenuDisab, MF_BYCOMMAND) & MF_CHECKED, MF_CHECKED);

    // On a window: check marks follow the state, commands reach it.
    HWND window = CreateWindowExW(0, L"STATIC", L"menu", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200,
                                  nullptr, bar, nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    MenuState state(Form1Menu());
    int greets = 0;
    state.OnClick("Gmessage", [&] { ++greets; });
    MenuBarBinding binding;
    binding.Bind(window, state);
    state.SetChecked("enab", true);
    state.SetChecked("disab", false);
    EXPECT_EQ(GetMenuState(GetMenu(window), kMenuEnab, MF_BYCOMMAND) & MF_CHECKED, MF_CHECKED);
    EXPECT_EQ(GetMenuState(GetMenu(window), kMenuDisab, MF_BYCOMMAND) & MF_CHECKED, 0u);
    EXPECT_TRUE(binding.OnCommand(MAKEWPARAM(kMenuGmessage, 0), 0));
    EXPECT_FALSE(binding.OnCommand(MAKEWPARAM(kMenuGmessage, BN_CLICKED), 1234));
    EXPECT_EQ(greets, 1);
    DestroyWindow(window);
}

}  // namespace
}  // namespace qv
