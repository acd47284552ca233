// A window with a background picture, as the skinned main window has one: its picture buttons
// show their pictures with the background round them (no system button face), and its
// see-through check boxes and options show the part of the background behind them, also
// after the background changes.
#include <gtest/gtest.h>

#include <map>

#include "win32/form_window.h"

namespace qv {
namespace {

constexpr int kWidth = 300;
constexpr int kHeight = 200;
constexpr int kSplitX = 150;  // the test background: one colour left of it, another right
constexpr COLORREF kLeft = RGB(200, 40, 40);
constexpr COLORREF kRight = RGB(40, 40, 200);
constexpr COLORREF kOtherLeft = RGB(30, 160, 60);
constexpr COLORREF kFace = RGB(250, 200, 20);
constexpr int kBackground = 1;
constexpr int kOtherBackground = 2;
constexpr int kButtonFace = 3;

void Pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

// A 24-bit picture: `left` up to column `split`, `right` from there on.
HBITMAP TwoColourPicture(int width, int height, int split, COLORREF left, COLORREF right) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const int stride = (width * 3 + 3) & ~3;
    auto* bytes = static_cast<unsigned char*>(bits);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const COLORREF c = x < split ? left : right;
            unsigned char* p = bytes + y * stride + x * 3;
            p[0] = GetBValue(c);
            p[1] = GetGValue(c);
            p[2] = GetRValue(c);
        }
    }
    return bitmap;
}

FormSpec Spec() {
    FormSpec spec;
    spec.name = "PictureTest";
    spec.caption = "Pictures";
    spec.client_width = kWidth;
    spec.client_height = kHeight;
    spec.back = RGB(0, 0, 0);
    spec.picture = kBackground;
    using K = ControlKind;
    spec.controls = {
        // Across the split, each wider than its picture or glyph.
        {K::kPictureButton,
         "Command1",
         "Send",
         120,
         120,
         80,
         40,
         0,
         kDefaultColour,
         kDefaultColour,
         {},
         0,
         kButtonFace},
        {K::kCheckBox, "Check1", "", 130, 20, 40, 25, kChecked, RGB(255, 255, 255), kTransparent},
        {K::kOptionButton, "Option1", "", 130, 60, 40, 17, kChecked, RGB(255, 255, 255),
         kTransparent},
    };
    return spec;
}

COLORREF ChildPixel(HWND child, int x, int y) {
    HDC dc = GetDC(child);
    const COLORREF c = GetPixel(dc, x, y);
    ReleaseDC(child, dc);
    return c;
}

class FormPictures : public ::testing::Test {
  protected:
    void SetUp() override {
        pictures_[kBackground] = TwoColourPicture(kWidth, kHeight, kSplitX, kLeft, kRight);
        pictures_[kOtherBackground] =
            TwoColourPicture(kWidth, kHeight, kSplitX, kOtherLeft, kRight);
        pictures_[kButtonFace] = TwoColourPicture(20, 10, 20, kFace, kFace);
        ASSERT_TRUE(window.Create(nullptr, 20, 20));
        state.Show();
        Redraw();
    }
    void TearDown() override {
        for (auto& [number, bitmap] : pictures_) DeleteObject(bitmap);
    }
    void Redraw() {
        Pump();
        RedrawWindow(window.Handle(), nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        Pump();
    }

    std::map<int, HBITMAP> pictures_;
    FormState state{Spec()};
    FormWindow window{state, [this](int picture) { return pictures_[picture]; }};
};

TEST_F(FormPictures, APictureButtonShowsItsPictureWithTheBackgroundRoundIt) {
    HWND button = window.Control("Command1");
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(ChildPixel(button, 40, 20), kFace) << "the picture, centred";
    EXPECT_EQ(ChildPixel(button, 1, 1), kLeft) << "the background left of the split";
    EXPECT_EQ(ChildPixel(button, 78, 38), kRight) << "the background right of the split";
    EXPECT_NE(ChildPixel(button, 1, 38), GetSysColor(COLOR_BTNFACE));
}

TEST_F(FormPictures, SeeThroughCheckBoxesAndOptionsShowTheBackgroundBehindThem) {
    for (const char* name : {"Check1", "Option1"}) {
        SCOPED_TRACE(name);
        HWND control = window.Control(name);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(ChildPixel(control, 17, 1), kLeft);  // client x 147
        EXPECT_EQ(ChildPixel(control, 38, 1), kRight);
    }
}

TEST_F(FormPictures, ANewBackgroundShowsRoundTheButtonsAndBehindTheOptions) {
    state.SetPicture(kOtherBackground);
    Redraw();
    EXPECT_EQ(ChildPixel(window.Control("Command1"), 1, 1), kOtherLeft);
    EXPECT_EQ(ChildPixel(window.Control("Check1"), 17, 1), kOtherLeft);
    EXPECT_EQ(ChildPixel(window.Control("Option1"), 17, 1), kOtherLeft);
    EXPECT_EQ(ChildPixel(window.Control("Command1"), 40, 20), kFace);
}

}  // namespace
}  // namespace qv
