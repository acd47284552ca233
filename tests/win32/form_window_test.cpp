// Windows built from their tables, on a real screen under Wine: the controls the table names
// stand where it says, show what the state holds, and hand clicks, typing and presses back.
#include "win32/form_window.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "win32/win32_text.h"

namespace qv {
namespace {

constexpr uint32_t kRed = 0x000000FF;
constexpr uint32_t kGreen = 0x0000FF00;
constexpr uint32_t kBack = 0x00402010;

void Pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

FormSpec Spec() {
    FormSpec spec;
    spec.name = "TableTest";
    spec.caption = "Table J\xC3\xBCrgen";
    spec.client_width = 300;
    spec.client_height = 200;
    spec.frame = FormFrame::kFixed;
    spec.back = kBack;
    spec.font = {"Verdana", 9.75, false};
    using K = ControlKind;
    spec.controls = {
        {K::kLabel, "Label3", "Status: Off", 10, 10, 120, 20, 0, kRed, kTransparent},
        {K::kTextBox, "Text1",
         "Gr\xC3\xBC\xC3\x9F"
         "e",
         10, 40, 150, 24},
        {K::kButton, "Command1", "Start", 170, 40, 80, 24},
        {K::kCheckBox, "Check1", "", 10, 70, 20, 20, kChecked},
        {K::kOptionButton, "Option1", "Channel", 40, 70, 90, 20, kChecked},
        {K::kOptionButton, "Option2", "Friends", 140, 70, 90, 20},
        {K::kListBox, "List1", "", 10, 100, 150, 80},
        {K::kFrame, "Shape1", "", 170, 100, 100, 80, 0, kGreen},
        {K::kLabel, "Hidden", "never", 200, 10, 80, 20, kHidden, kGreen, kTransparent},
        {K::kPictureButton, "Command5", "Quit", 180, 120, 80, 40},
        {K::kTextBox, "Text2", "", 10, 180, 100, 20, kHidden},
    };
    return spec;
}

COLORREF PixelAt(HWND window, int x, int y) {
    HDC dc = GetDC(window);
    const COLORREF c = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return c;
}

bool RectHasColour(HWND window, const RECT& r, COLORREF colour) {
    HDC dc = GetDC(window);
    bool found = false;
    for (int y = r.top; y < r.bottom && !found; ++y) {
        for (int x = r.left; x < r.right && !found; ++x) found = GetPixel(dc, x, y) == colour;
    }
    ReleaseDC(window, dc);
    return found;
}

std::string TextOf(HWND control) {
    wchar_t buffer[256] = {};
    GetWindowTextW(control, buffer, 256);
    return Narrow(buffer);
}

class FormWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(window.Create(nullptr, 20, 20));
        state.Show();
        Pump();
        UpdateWindow(window.Handle());
        Pump();
    }

    FormState state{Spec()};
    FormWindow window{state};
};

TEST_F(FormWindowTest, ControlsStandWhereTheTableSaysWithTheirTexts) {
    RECT client;
    GetClientRect(window.Handle(), &client);
    EXPECT_EQ(client.right, 300);
    EXPECT_EQ(client.bottom, 200);
    wchar_t caption[64] = {};
    GetWindowTextW(window.Handle(), caption, 64);
    EXPECT_EQ(Narrow(caption), "Table J\xC3\xBCrgen");
    HWND text1 = window.Control("Text1");
    ASSERT_NE(text1, nullptr);
    RECT r;
    GetWindowRect(text1, &r);
    MapWindowPoints(nullptr, window.Handle(), reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.left, 10);
    EXPECT_EQ(r.top, 40);
    EXPECT_EQ(r.right - r.left, 150);
    EXPECT_EQ(TextOf(text1),
              "Gr\xC3\xBC\xC3\x9F"
              "e");
    EXPECT_EQ(window.Control("Label3"), nullptr) << "labels are painted, not windows";
    EXPECT_EQ(SendMessageW(window.Control("Check1"), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(SendMessageW(window.Control("Option2"), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(window.Control("Nothing"), nullptr);
}

TEST_F(FormWindowTest, LabelsArePaintedOverTheBackgroundInTheirColour) {
    const RECT label{10, 10, 130, 30};
    EXPECT_TRUE(RectHasColour(window.Handle(), label, RGB(255, 0, 0)));
    EXPECT_EQ(PixelAt(window.Handle(), 128, 28), RGB(0x10, 0x20, 0x40))
        << "a transparent label shows the window's background around its text";
    state["Label3"].SetText("Status: On");
    state["Label3"].SetForeColour(kGreen);
    Pump();
    UpdateWindow(window.Handle());
    EXPECT_TRUE(RectHasColour(window.Handle(), label, RGB(0, 255, 0)));
    EXPECT_FALSE(RectHasColour(window.Handle(), label, RGB(255, 0, 0)));
    EXPECT_FALSE(RectHasColour(window.Handle(), RECT{200, 10, 280, 30}, RGB(0, 255, 0)))
        << "a hidden label is not painted";
    EXPECT_TRUE(RectHasColour(window.Handle(), RECT{170, 100, 172, 180}, RGB(0, 255, 0)))
        << "the frame's outline";
}

TEST_F(FormWindowTest, TypingClickingAndChoosingReachTheState) {
    std::vector<std::string> events;
    state["Text1"].OnChange([&] { events.push_back("text " + state["Text1"].Text()); });
    state["Command1"].OnClick([&] { events.push_back("start"); });
    state["Check1"].OnClick(
        [&] { events.push_back("check " + std::to_string(state["Check1"].Value())); });
    state["Option2"].OnClick([&] { events.push_back("friends"); });
    state["List1"].OnClick([&] { events.push_back("row " + state["List1"].SelectedText()); });
    state["List1"].AddRow("Public Chat");
    state["List1"].AddRow("Clan \xC3\x84");

    SetWindowTextW(window.Control("Text1"), L"\x00e4rger");
    SendMessageW(window.Control("Command1"), BM_CLICK, 0, 0);
    SendMessageW(window.Control("Check1"), BM_CLICK, 0, 0);
    SendMessageW(window.Control("Option2"), BM_CLICK, 0, 0);
    Pump();
    EXPECT_EQ(SendMessageW(window.Control("Check1"), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(SendMessageW(window.Control("Option1"), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(SendMessageW(window.Control("Option2"), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(SendMessageW(window.Control("List1"), LB_GETCOUNT, 0, 0), 2);
    // A click on the second row, as the list box reports it.
    HWND list = window.Control("List1");
    const LRESULT height = SendMessageW(list, LB_GETITEMHEIGHT, 0, 0);
    const LPARAM point = MAKELPARAM(5, static_cast<int>(height + height / 2));
    SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, point);
    SendMessageW(list, WM_LBUTTONUP, 0, point);
    Pump();
    EXPECT_EQ(events, (std::vector<std::string>{"text \xC3\xA4rger", "start", "check 0", "friends",
                                                "row Clan \xC3\x84"}));
    EXPECT_EQ(state["Option1"].Value(), 0);
}

TEST_F(FormWindowTest, WhatAHandlerWritesIntoAnotherControlReachesTheScreen) {
    // Typed text and a clicked row each change the state of another box from their handler.
    state["Text1"].OnChange([&] { state["Text2"].SetText("typed " + state["Text1"].Text()); });
    state["List1"].OnClick([&] { state["Text2"].SetText("row " + state["List1"].SelectedText()); });
    state["List1"].AddRow("Public Chat");
    SetWindowTextW(window.Control("Text1"), L"abc");
    EXPECT_EQ(TextOf(window.Control("Text2")), "typed abc");
    HWND list = window.Control("List1");
    const LRESULT height = SendMessageW(list, LB_GETITEMHEIGHT, 0, 0);
    const LPARAM point = MAKELPARAM(5, static_cast<int>(height / 2));
    SendMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, point);
    SendMessageW(list, WM_LBUTTONUP, 0, point);
    Pump();
    EXPECT_EQ(TextOf(window.Control("Text2")), "row Public Chat");
}

TEST(FormWindowCreation, ABoxWithAMegabyteOfTextIsMadeAndShowsItAll) {
    FormState state{Spec()};
    state["Text1"].SetText(std::string(1 << 20, 'g'));
    FormWindow window{state};
    ASSERT_TRUE(window.Create(nullptr, 20, 20));
    ASSERT_NE(window.Control("Text1"), nullptr);
    EXPECT_EQ(GetWindowTextLengthW(window.Control("Text1")), 1 << 20);
}

TEST_F(FormWindowTest, TheStateShowsOnScreenWithoutRunningItsHandlersTwice) {
    int changes = 0;
    state["Text1"].OnChange([&] { ++changes; });
    state["Text1"].SetText("neu \xE2\x82\xAC");
    EXPECT_EQ(TextOf(window.Control("Text1")), "neu \xE2\x82\xAC");
    EXPECT_EQ(changes, 1) << "the box's own change notice does not come back as a second change";
    state["Command1"].SetVisible(false);
    EXPECT_FALSE(IsWindowVisible(window.Control("Command1")));
    state["Command1"].SetBounds({50, 150, 60, 30});
    RECT r;
    GetWindowRect(window.Control("Command1"), &r);
    MapWindowPoints(nullptr, window.Handle(), reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.left, 50);
    EXPECT_EQ(r.bottom - r.top, 30);
    // A check box's third value shows as its grey state.
    state["Check1"].SetValue(2);
    EXPECT_EQ(SendMessageW(window.Control("Check1"), BM_GETCHECK, 0, 0), BST_INDETERMINATE);
}

TEST_F(FormWindowTest, PressesOnLabelsControlsAndTheSurfaceAndTheCloseBox) {
    std::vector<std::string> presses;
    state["Label3"].OnMouseDown([&](int b) { presses.push_back("label " + std::to_string(b)); });
    state["Command1"].OnMouseDown([&](int b) { presses.push_back("button " + std::to_string(b)); });
    state.OnMouseDown([&](int b) { presses.push_back("form " + std::to_string(b)); });
    SendMessageW(window.Handle(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(20, 15));
    SendMessageW(window.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(290, 190));
    SendMessageW(window.Control("Command1"), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    SendMessageW(window.Control("Command1"), WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    EXPECT_EQ(presses, (std::vector<std::string>{"label 2", "form 1", "button 1"}));
    SendMessageW(window.Handle(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(state.Visible()) << "without a handler a close hides the window";
    EXPECT_FALSE(IsWindowVisible(window.Handle()));
    EXPECT_TRUE(IsWindow(window.Handle()));
}

}  // namespace
}  // namespace qv
