// The handle capture window on a real screen under Wine: built from its table, borderless and
// hidden at the screen's top-left corner, so its client points are screen points; the real
// cursor and window-under-a-point calls find a control under a spot of it.
#include "win32/capture_window.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "win32/win32_cursor.h"
#include "win32/win32_screen.h"
#include "win32/window_pictures.h"

namespace qv {
namespace {

void Pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

TEST(CaptureWindowOnScreen, HiddenBorderlessAtTheCornerWithClientPointsOnTheScreen) {
    FormState state(Form2Layout());
    CaptureWindow window(state);
    ASSERT_TRUE(window.Create());
    state.Hide();
    Pump();
    const HWND hwnd = window.Window();
    EXPECT_FALSE(IsWindowVisible(hwnd)) << "the capture window is never shown";
    EXPECT_EQ(GetWindowLongW(hwnd, GWL_STYLE) & (WS_CAPTION | WS_THICKFRAME), 0);
    RECT outer{};
    GetWindowRect(hwnd, &outer);
    EXPECT_EQ(outer.left, 0);
    EXPECT_EQ(outer.top, 0);
    EXPECT_EQ(outer.right - outer.left, 670) << "10050 twips";
    EXPECT_EQ(outer.bottom - outer.top, 492) << "7380 twips";
    wchar_t class_name[64] = {};
    GetClassNameW(hwnd, class_name, 64);
    EXPECT_STREQ(class_name, L"QuorvaneForm2");

    // Each spot of the window's client area is the same spot of the screen, so the cursor
    // put there through the window finds the control of another window lying under it.
    Win32Cursor cursor;
    Win32PointWindows points;
    HWND host = CreateWindowExW(WS_EX_TOPMOST, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 640,
                                480, nullptr, nullptr, nullptr, nullptr);
    const CaptureMarker& send = kCaptureMarkers[2];
    HWND button = CreateWindowExW(0, L"BUTTON", L"Send", WS_CHILD | WS_VISIBLE, send.spot.x - 20,
                                  send.spot.y - 10, 60, 24, host, nullptr, nullptr, nullptr);
    Pump();
    const CursorPoint at = points.ClientToScreen(window.Handle(), send.spot);
    EXPECT_EQ(at, send.spot);
    CursorPoint before;
    ASSERT_TRUE(cursor.GetCursorPos(&before));
    cursor.SetCursorPos(at.x, at.y);
    CursorPoint now;
    ASSERT_TRUE(cursor.GetCursorPos(&now));
    EXPECT_EQ(now, send.spot);
    EXPECT_EQ(points.WindowFromPoint(now),
              static_cast<WindowHandle>(reinterpret_cast<intptr_t>(button)));
    cursor.SetCursorPos(before.x, before.y);
    DestroyWindow(host);

    // A picture of the window for the record: shown only here, without taking the focus.
    ShowWindow(hwnd, SW_SHOWNOACTIVATE);
    UpdateWindow(hwnd);
    Pump();
    SaveWindowPicture(hwnd, OutPath(L"capture-window.bmp"));
    ShowWindow(hwnd, SW_HIDE);
}

}  // namespace
}  // namespace qv
