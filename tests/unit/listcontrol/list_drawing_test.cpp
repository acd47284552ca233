#include "listcontrol/list_color.h"
#include "unit/listcontrol/list_fixture.h"

namespace qv {
namespace {

using ListDrawing = ListFixture;
using ::testing::ElementsAre;

constexpr int32_t kListWidth = 169 - 17;

TEST_F(ListDrawing, LayoutLeavesRoomForHiddenScrollBar) {
    EXPECT_FALSE(list.vBar().visible);
    EXPECT_EQ(list.ListWidth(), kListWidth);
    EXPECT_EQ(list.vBar().bounds, (ListRect{kListWidth, 0, 169, 400}));
    list.Paint();
    EXPECT_EQ(list.VisibleRows(), 25);
}

TEST_F(ListDrawing, ScrollRangeFollowsRowsBeyondTheVisibleOnes) {
    list.Paint();
    AddRows(25);
    EXPECT_EQ(list.vBar().max, 0);
    AddRows(5);
    EXPECT_EQ(list.vBar().max, 5);
    // Fewer rows pull a scrolled bar back within the range, which redraws from the new top.
    list.ScrollBarChange(5);
    list.Delete(30);
    EXPECT_EQ(list.vBar().max, 4);
    EXPECT_EQ(list.vBar().value, 4);
}

TEST_F(ListDrawing, RedrawDrawsFromTopRowAtMostThreeMoreThanFit) {
    list.Paint();
    AddRows(40);
    list.ScrollBarChange(5);
    std::vector<CanvasOp> texts;
    for (const CanvasOp& op : canvas.SinceLastClear()) {
        if (op.kind == "Text") texts.push_back(op);
    }
    ASSERT_EQ(texts.size(), 28u);  // 25 that fit and three more, clipped by the surface
    EXPECT_EQ(texts.front().text, " row6");
    EXPECT_EQ(texts.front().rect, (ListRect{2, 0, kListWidth, 16}));
    EXPECT_EQ(texts.back().text, " row33");
    EXPECT_EQ(texts.back().rect.top, 27 * 16);
}

TEST_F(ListDrawing, AddItemDrawsOnlyTheNewRowAndShowsIt) {
    list.Paint();
    AddRows(2);
    Reset();
    list.AddItem("third");
    ASSERT_EQ(canvas.ops.size(), 2u);
    EXPECT_EQ(canvas.ops[0].kind, "Text");
    EXPECT_EQ(canvas.ops[0].text, " third");
    EXPECT_EQ(canvas.ops[0].rect, (ListRect{2, 32, kListWidth, 48}));
    EXPECT_EQ(canvas.ops[0].format, kDtSingleLine | kDtVCenter);
    EXPECT_EQ(canvas.ops[1].kind, "Refresh");
}

TEST_F(ListDrawing, SelectionBarSpansRowOrEndsOnePixelPastText) {
    AddRows(3);
    list.SetTextColor(0x00FF00);
    list.SetListIndex(1);
    auto bars = canvas.OfKind("FillRect");
    ASSERT_FALSE(bars.empty());
    EXPECT_EQ(bars.back().rect, (ListRect{0, 17, kListWidth, 33}));
    EXPECT_EQ(bars.back().color, 0xD77800u);  // the system highlight colour
    EXPECT_EQ(canvas.OfKind("Text").back().color, 0x00FF00u);
    list.SetFullRowSelect(false);
    // " " plus "row2" at 7 pixels a character, plus one.
    EXPECT_EQ(canvas.OfKind("FillRect").back().rect.right, 7 + 28 + 1);
    list.SetShowIcons(true);
    EXPECT_EQ(canvas.OfKind("FillRect").back().rect.right, 7 + 28 + 28 + 1);
    Reset();
    list.SetShowSelection(false);
    EXPECT_TRUE(canvas.ops.empty());  // no redraw until the next one
    list.Paint();
    EXPECT_TRUE(canvas.OfKind("FillRect").empty());
    EXPECT_EQ(canvas.OfKind("Text")[1].color, 0xFFFFFFu);  // TextSelectColor
}

TEST_F(ListDrawing, IconsAreCutAtIconTimesImageHeight) {
    list.SetIconStrip(MakePicture("strip", 416, 18));
    list.SetShowIcons(true);
    list.AddItem("a", ListKey(), 3);
    list.AddItem("b", ListKey(), 24);
    const auto icons = canvas.OfKind("Icon");
    ASSERT_EQ(icons.size(), 2u);
    EXPECT_EQ(icons[0].src_x, 48);
    EXPECT_EQ(icons[0].rect, (ListRect{0, 1, 28, 17}));
    EXPECT_EQ(icons[0].color, 0xFF00FFu);
    EXPECT_EQ(icons[1].src_x, 384);
    EXPECT_EQ(icons[1].rect.top, 17);
    EXPECT_EQ(canvas.OfKind("Text")[1].rect.left, 30);  // ImageWidth + 2
    // The mask colour goes to the copy untranslated.
    list.SetIconMaskColor(kColorButtonFace);
    list.Paint();
    EXPECT_EQ(canvas.OfKind("Icon").back().color, kColorButtonFace);
}

TEST_F(ListDrawing, TextAlignmentJoinsTheTextFormat) {
    list.AddItem("x");
    list.SetTextAlignment(1);
    EXPECT_EQ(canvas.OfKind("Text").back().format, 0x25u);
    list.SetTextAlignment(2);
    EXPECT_EQ(canvas.OfKind("Text").back().format, 0x26u);
    EXPECT_EQ(canvas.OfKind("Text").back().rect.right, kListWidth);
}

TEST_F(ListDrawing, BackgroundPictureAtEachPlacement) {
    list.SetBackImage(MakePicture("back", 40, 30));
    list.SetBackGroundStyle(1);
    const ListRect expected[] = {{0, 0, 40, 30},
                                 {kListWidth - 40, 0, kListWidth, 30},
                                 {(kListWidth - 40) / 2, 200 - 15, (kListWidth - 40) / 2 + 40, 215},
                                 {0, 0, kListWidth, 400},
                                 {0, 370, 40, 400},
                                 {kListWidth - 40, 370, kListWidth, 400}};
    for (int32_t align = 0; align < 6; ++align) {
        Reset();
        list.SetBackGroundAlignment(align);
        const auto drawn = canvas.OfKind(align == 3 ? "Tile" : "Copy");
        ASSERT_EQ(drawn.size(), 1u) << align;
        EXPECT_EQ(drawn[0].rect, expected[align]) << align;
    }
    Reset();
    list.SetBackGroundAlignment(6);
    EXPECT_TRUE(canvas.OfKind("Copy").empty() && canvas.OfKind("Tile").empty());
}

TEST_F(ListDrawing, GradientRunsFromStartToEndInEitherDirection) {
    list.SetgStartColor(0xFF0000);
    list.SetgEndColor(0xFFFFFF);
    list.SetBackGroundStyle(2);
    auto gradient = canvas.OfKind("Gradient").back();
    EXPECT_EQ(gradient.format, 1u);  // vertical: top edge to bottom edge
    EXPECT_EQ(gradient.rect, (ListRect{0, 0, kListWidth, 400}));
    EXPECT_EQ(gradient.from.blue, 0xFF00);
    EXPECT_EQ(gradient.from.red, 0);
    EXPECT_EQ(gradient.to.red, 0xFF00);
    EXPECT_EQ(gradient.to.green, 0xFF00);
    list.SetgDirection(0);
    EXPECT_EQ(canvas.OfKind("Gradient").back().format, 0u);
    GradientVertex vertex;
    ColorToVertex(vertex, 0x123456);
    EXPECT_EQ(vertex.red, 0x5600);
    EXPECT_EQ(vertex.green, 0x3400);
    EXPECT_EQ(vertex.blue, 0x1200);
}

TEST_F(ListDrawing, GridLinesAtEveryRowPositionInButtonFace) {
    list.AddItem("only");
    list.SetGridLines(true);
    const auto lines = canvas.SinceLastClear();
    std::vector<int32_t> ys;
    for (const auto& op : lines) {
        if (op.kind != "Line") continue;
        ys.push_back(op.rect.top);
        EXPECT_EQ(op.rect.right, kListWidth);
        EXPECT_EQ(op.color, 0xF0F0F0u);
    }
    ASSERT_EQ(ys.size(), 26u);  // 0 to 400, also below the last row
    EXPECT_EQ(ys[1], 16);
    EXPECT_EQ(ys.back(), 400);
}

TEST_F(ListDrawing, TranslateColorAnswersFFFFForWhatItCannotTranslate) {
    EXPECT_EQ(list.TranslateColor(0x123456), 0x123456u);
    EXPECT_EQ(list.TranslateColor(0x02123456), 0x123456u);
    EXPECT_EQ(list.TranslateColor(kColorHighlight), 0xD77800u);
    EXPECT_EQ(list.TranslateColor(0x80000005), 0xFFFFu);  // no such colour on this canvas
    EXPECT_EQ(list.TranslateColor(0x8000001F), 0xFFFFu);  // beyond the system's colours
    EXPECT_EQ(list.TranslateColor(0x05000000), 0xFFFFu);
}

}  // namespace
}  // namespace qv
