// The history window's table and its layout record: seven 16-bit fields per control, rounded
// halves to even, and the rescale from the recorded design.
#include "chat/history_layout.h"

#include <gtest/gtest.h>

#include "gamelink/twips.h"

namespace qv {
namespace {

TEST(Twips, RoundingGoesHalvesToEven) {
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(3.5), 4);
    EXPECT_EQ(RoundHalfEven(-2.5), -2);
    EXPECT_EQ(RoundHalfEven(2.4999), 2);
    EXPECT_EQ(RoundHalfEven(9.75), 10);
    EXPECT_EQ(RoundHalfEven(8.25), 8);
    EXPECT_EQ(ToInt16HalfEven(32767.4), 32767);
    EXPECT_FALSE(ToInt16HalfEven(32767.5)) << "rounds to 32768, which does not fit";
    EXPECT_EQ(ToInt16HalfEven(-32768.5), -32768);
    EXPECT_FALSE(ToInt16HalfEven(1.0 / 0.0));
    EXPECT_EQ(TwipsToPixels(4447.5), 296) << "296.5 pixels";
}

TEST(Form6Layout, TheWindowAndItsControlsAtTheirDesignPlaces) {
    const FormSpec spec = Form6Layout();
    EXPECT_STREQ(spec.name, "Form6");
    EXPECT_STREQ(spec.caption, "Message History");
    EXPECT_EQ(spec.frame, FormFrame::kSizable);
    EXPECT_EQ(spec.back, 0x00404040u);
    EXPECT_EQ(spec.client_width * kTwipsPerPixel, 9120);
    EXPECT_EQ(spec.client_height * kTwipsPerPixel, 8370);
    struct Expected {
        const char* name;
        ControlKind kind;
        int left, top, width, height;  // twips
    };
    const Expected expected[] = {
        {"RichTextBox1", ControlKind::kHost, 120, 120, 8895, 6615},
        {"Command1", ControlKind::kPictureButton, 120, 6840, 8895, 375},
        {"Shape1", ControlKind::kFrame, 120, 7320, 8895, 495},
        {"Label1", ControlKind::kLabel, 240, 7440, 8895, 375},
        {"Command2", ControlKind::kPictureButton, 120, 7920, 8895, 375},
        {"Text1", ControlKind::kTextBox, 5040, 2280, 3135, 3375},
    };
    ASSERT_EQ(spec.controls.size(), 6u);
    for (size_t i = 0; i < spec.controls.size(); ++i) {
        const ControlSpec& c = spec.controls[i];
        EXPECT_STREQ(c.name, expected[i].name);
        EXPECT_EQ(c.kind, expected[i].kind);
        EXPECT_EQ(c.left * kTwipsPerPixel, expected[i].left) << c.name;
        EXPECT_EQ(c.top * kTwipsPerPixel, expected[i].top) << c.name;
        EXPECT_EQ(c.width * kTwipsPerPixel, expected[i].width) << c.name;
        EXPECT_EQ(c.height * kTwipsPerPixel, expected[i].height) << c.name;
    }
    EXPECT_STREQ(spec.controls[1].caption,
                 "Load Message History / This loads all the messages from the game");
    EXPECT_STREQ(spec.controls[4].caption, "Save Message History");
    EXPECT_STREQ(spec.controls[3].caption,
                 "Note: It can takes some seconds to load the Message History. (The program "
                 "freeze in this time).");
    EXPECT_EQ(spec.controls[1].back, 0x00FFFFFFu) << "white buttons";
    EXPECT_TRUE(spec.controls[1].font.bold);
    EXPECT_EQ(spec.controls[1].font.points, 8.25);
    EXPECT_EQ(spec.controls[3].fore, 0x00FFFFFFu) << "white note";
    EXPECT_EQ(spec.controls[3].back, kTransparent);
    EXPECT_TRUE(spec.controls[3].flags & kCentred);
    EXPECT_TRUE(spec.controls[5].flags & kHidden);
    EXPECT_TRUE(spec.controls[5].flags & kMultiLine);
    EXPECT_STREQ(spec.controls[0].font.face, "Verdana");
    EXPECT_EQ(spec.controls[0].font.points, 9.75);
}

TEST(ControlLayoutRecord, FieldsRoundHalvesToEvenAndMissingOnesStayZero) {
    LayoutPlace place;
    place.top = 120.5;
    place.left = 121.5;
    place.width = 8895;
    place.height = 6615;
    EXPECT_EQ(RecordControlLayout(place, 9.75, 8370, 9120),
              (ControlLayout{120, 122, 8895, 6615, 8370, 9120, 10}));
    LayoutPlace timer;
    timer.top = 120;
    timer.left = 8520;
    EXPECT_EQ(RecordControlLayout(timer, std::nullopt, 8370, 9120),
              (ControlLayout{120, 8520, 0, 0, 8370, 9120, 0}));
    // A value that does not fit 16 bits cannot be stored: its field stays 0.
    EXPECT_EQ(RecordControlLayout(place, 8.25, 40000, 9120).ParentScaleHeight, 0);
}

TEST(ControlLayoutRecord, RescaleIsProportionalToTheRecordedDesign) {
    const ControlLayout record{6840, 120, 8895, 375, 8370, 9120, 8};
    LayoutPlace has;
    has.top = has.left = has.width = has.height = 0;
    LayoutPlace half = ScaleControlLayout(record, has, 8370, 4560);
    EXPECT_DOUBLE_EQ(*half.left, 60);
    EXPECT_DOUBLE_EQ(*half.width, 4447.5);
    EXPECT_DOUBLE_EQ(*half.top, 6840);
    EXPECT_DOUBLE_EQ(*half.height, 375);
    LayoutPlace none = ScaleControlLayout(record, has, 0, 0);
    EXPECT_EQ(*none.width, 0);
    EXPECT_EQ(*none.height, 0);
    // A timer has no size; a record made at an inner size of 0 gives no ratio.
    LayoutPlace timer;
    timer.top = timer.left = 0;
    LayoutPlace moved = ScaleControlLayout({120, 8520, 0, 0, 8370, 9120, 0}, timer, 4185, 9120);
    EXPECT_DOUBLE_EQ(*moved.top, 60);
    EXPECT_FALSE(moved.width);
    EXPECT_FALSE(moved.height);
    LayoutPlace skipped = ScaleControlLayout({120, 120, 10, 10, 0, 9120, 8}, has, 500, 9120);
    EXPECT_FALSE(skipped.top);
    EXPECT_FALSE(skipped.height);
    EXPECT_TRUE(skipped.left);
    EXPECT_TRUE(skipped.width);
}

}  // namespace
}  // namespace qv
