// The skins' pictures as the program finds them among its resources: every one of the 21
// loads, has the size of its place in the main window and is a 24-bit picture; behind the
// labels that are drawn straight onto a background (white captions, red / green states, the
// channel's name) every background stays dark.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>

#include "resource_ids.h"

namespace qv {
namespace {

struct SkinPicture {
    int id;
    const char* name;
    int width;
    int height;
};

constexpr int kBackgroundWidth = 768;
constexpr int kBackgroundHeight = 540;

const SkinPicture kPictures[] = {
    {IDB_SKIN_SC_BACKGROUND, "sc background", kBackgroundWidth, kBackgroundHeight},
    {IDB_SKIN_SC_SEND, "sc send", 73, 27},
    {IDB_SKIN_SC_WHISPER, "sc whisper", 73, 27},
    {IDB_SKIN_SC_QUIT, "sc quit", 100, 50},
    {IDB_SKIN_SC_CHANNELS, "sc channels", 100, 50},
    {IDB_SKIN_SC_CREATE, "sc create", 100, 50},
    {IDB_SKIN_SC_JOIN, "sc join", 100, 50},
    {IDB_SKIN_BLUE_BACKGROUND, "blue background", kBackgroundWidth, kBackgroundHeight},
    {IDB_SKIN_BLUE_SEND, "blue send", 73, 27},
    {IDB_SKIN_BLUE_WHISPER, "blue whisper", 73, 27},
    {IDB_SKIN_BLUE_QUIT, "blue quit", 100, 50},
    {IDB_SKIN_BLUE_CHANNELS, "blue channels", 100, 50},
    {IDB_SKIN_BLUE_CREATE, "blue create", 100, 50},
    {IDB_SKIN_BLUE_JOIN, "blue join", 100, 50},
    {IDB_SKIN_SILVER_BACKGROUND, "silver background", kBackgroundWidth, kBackgroundHeight},
    {IDB_SKIN_SILVER_SEND, "silver send", 73, 27},
    {IDB_SKIN_SILVER_WHISPER, "silver whisper", 73, 27},
    {IDB_SKIN_SILVER_QUIT, "silver quit", 100, 50},
    {IDB_SKIN_SILVER_CHANNELS, "silver channels", 100, 50},
    {IDB_SKIN_SILVER_CREATE, "silver create", 100, 50},
    {IDB_SKIN_SILVER_JOIN, "silver join", 100, 50},
};

HBITMAP LoadPicture(int id) {
    return static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id),
                                           IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
}

TEST(SkinPictures, EachLoadsFromTheProgramWithItsSize) {
    for (const SkinPicture& picture : kPictures) {
        SCOPED_TRACE(picture.name);
        HBITMAP bitmap = LoadPicture(picture.id);
        ASSERT_NE(bitmap, nullptr);
        DIBSECTION dib{};
        ASSERT_EQ(GetObjectW(bitmap, sizeof dib, &dib), static_cast<int>(sizeof dib));
        EXPECT_EQ(dib.dsBm.bmWidth, picture.width);
        EXPECT_EQ(dib.dsBm.bmHeight, picture.height);
        EXPECT_EQ(dib.dsBmih.biBitCount, 24);
        DeleteObject(bitmap);
    }
}

// The brightest colour channel of a background inside a rectangle (inclusive).
int BrightestChannel(const DIBSECTION& dib, int left, int top, int right, int bottom) {
    const auto* bits = static_cast<const uint8_t*>(dib.dsBm.bmBits);
    const int stride = dib.dsBm.bmWidthBytes;
    const int height = dib.dsBm.bmHeight;
    int brightest = 0;
    for (int y = top; y <= bottom; ++y) {
        const uint8_t* row = bits + static_cast<size_t>(height - 1 - y) * stride;  // bottom-up
        for (int x = left; x <= right; ++x) {
            brightest = std::max({brightest, int{row[3 * x]}, int{row[3 * x + 1]},
                                  int{row[3 * x + 2]}});
        }
    }
    return brightest;
}

TEST(SkinPictures, BackgroundsAreDarkBehindTheLabelsDrawnOnThem) {
    // No channel above this: white text keeps a contrast of at least 6 to 1.
    constexpr int kDarkEnough = 96;
    for (int id : {IDB_SKIN_SC_BACKGROUND, IDB_SKIN_BLUE_BACKGROUND, IDB_SKIN_SILVER_BACKGROUND}) {
        SCOPED_TRACE(id);
        HBITMAP bitmap = LoadPicture(id);
        ASSERT_NE(bitmap, nullptr);
        DIBSECTION dib{};
        ASSERT_EQ(GetObjectW(bitmap, sizeof dib, &dib), static_cast<int>(sizeof dib));
        ASSERT_NE(dib.dsBm.bmBits, nullptr);
        // Inside Shape1 (the status pairs) and Shape2 (the view options, "Hide offline
        // friends"), and Label1, the channel's name.
        EXPECT_LE(BrightestChannel(dib, 12, 18, 113, 178), kDarkEnough);
        EXPECT_LE(BrightestChannel(dib, 12, 184, 113, 296), kDarkEnough);
        EXPECT_LE(BrightestChannel(dib, 578, 16, 754, 48), kDarkEnough);
        DeleteObject(bitmap);
    }
}

}  // namespace
}  // namespace qv
