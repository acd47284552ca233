#include <set>

#include "listcontrol/property_bag.h"
#include "unit/listcontrol/list_fixture.h"

namespace qv {
namespace {

using ListProperties = ListFixture;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

std::vector<std::string> Keys(const PropertyBag& bag) {
    std::vector<std::string> keys;
    for (const auto& entry : bag.Entries()) keys.push_back(entry.key);
    return keys;
}

TEST_F(ListProperties, NewControlReadsItsInitialValues) {
    EXPECT_EQ(list.ImageHeight(), 16);
    EXPECT_EQ(list.ImageWidth(), 28);
    EXPECT_EQ(list.Sorted(), 1);
    EXPECT_TRUE(list.ShowSelection());
    EXPECT_TRUE(list.FullRowSelect());
    EXPECT_FALSE(list.GridLines());
    EXPECT_FALSE(list.ShowIcons());
    EXPECT_EQ(list.IconMaskColor(), 0xFF00FFu);
    EXPECT_EQ(list.SelectionClolor(), 0x8000000Du);
    EXPECT_EQ(list.TextColor(), 0u);
    EXPECT_EQ(list.TextSelectColor(), 0xFFFFFFu);
    EXPECT_EQ(list.gStartColor(), 0u);
    EXPECT_EQ(list.gEndColor(), 0xFFFFFFu);
    EXPECT_EQ(list.gDirection(), 1);
    EXPECT_EQ(list.BackGroundStyle(), 0);
    EXPECT_EQ(list.BackGroundAlignment(), 0);
    EXPECT_EQ(list.TextAlignment(), 0);
    EXPECT_FALSE(list.scrollbar());
    EXPECT_EQ(list.BackColor(), 0xFFFFFFu);
    EXPECT_EQ(list.Font().name, "Verdana");
    EXPECT_EQ(list.Font().size, 8.25);
}

TEST_F(ListProperties, WritesSendTheirNoticesAndRedrawInOrder) {
    struct OrderLog : EventLog {
        RecordingCanvas* canvas = nullptr;
        void PropertyChanged(const std::string& name) override {
            notices.push_back(name + (canvas->ops.empty() ? " before" : " after"));
        }
    } order;
    order.canvas = &canvas;
    list.SetEvents(&order);
    auto check = [&](auto write, const std::string& expected) {
        canvas.ops.clear();
        order.notices.clear();
        write();
        EXPECT_THAT(order.notices, ElementsAre(expected));
    };
    check([&] { list.SetSelectionClolor(1); }, "SelectionClolor after");
    check([&] { list.SetTextColor(1); }, "TextColor after");
    check([&] { list.SetTextSelectColor(1); }, "TextSelectColor before");
    check([&] { list.SetFullRowSelect(false); }, "FullRowSelect before");
    check([&] { list.SetSorted(0); }, "Sorted after");
    check([&] { list.SetShowIcons(true); }, "ShowIcons after");
    check([&] { list.SetgDirection(0); }, "gDirection before");
    // Writes that send a notice and draw nothing.
    check([&] { list.SetBackColor(5); }, "BackColor before");
    check([&] { list.SetImageWidth(16); }, "ImageWidth before");
    check([&] { list.SetImageHeight(20); }, "ImageHeight before");
    check([&] { list.SetIconMaskColor(7); }, "IconMaskColor before");
    check([&] { list.SetAppearance(0); }, "Appearance before");
    EXPECT_TRUE(canvas.ops.empty());
    // ShowSelection and scrollbar: neither notice nor redraw.
    order.notices.clear();
    list.SetShowSelection(false);
    list.SetScrollbar(true);
    EXPECT_TRUE(list.scrollbar());
    EXPECT_TRUE(list.vBar().visible);
    list.SetScrollbar(false);
    EXPECT_FALSE(list.vBar().visible);
    EXPECT_THAT(order.notices, IsEmpty());
    EXPECT_TRUE(canvas.ops.empty());
}

TEST_F(ListProperties, SixteenBitValuesOverflowAndRefusedValuesChangeNothing) {
    EXPECT_LIST_ERROR(list.SetAppearance(70000), kErrOverflow);
    EXPECT_LIST_ERROR(list.SetBorderStyle(-40000), kErrOverflow);
    EXPECT_LIST_ERROR(list.SetMousePointer(32768), kErrOverflow);
    EXPECT_LIST_ERROR(list.SetImageWidth(65536), kErrOverflow);
    EXPECT_LIST_ERROR(list.SetAppearance(2), kErrInvalidPropertyValue);
    EXPECT_LIST_ERROR(list.SetMousePointer(16), kErrInvalidPropertyValue);
    EXPECT_EQ(list.Appearance(), 1);
    EXPECT_EQ(list.BorderStyle(), 1);
    EXPECT_EQ(list.MousePointer(), 0);
    EXPECT_EQ(list.ImageWidth(), 28);
    EXPECT_THAT(log.notices, IsEmpty());
    list.SetMousePointer(99);
    EXPECT_EQ(list.MousePointer(), 99);
}

TEST_F(ListProperties, SavingNewControlLeavesOutDefaults) {
    PropertyBag bag;
    list.UserControl_WriteProperties(bag);
    // The font is always stored; gStartColor 0 differs from its stored default.
    EXPECT_THAT(Keys(bag), ElementsAre("Font", "Font", "gStartColor"));
    EXPECT_EQ(bag.ReadLong("gstartcolor", -1), 0);
}

TEST_F(ListProperties, SaveAndLoadGiveEveryValueBack) {
    list.SetBackColor(0x123456);
    list.SetEnabled(false);
    list.SetFont(FontSpec{"Tahoma", 12, 700, true, true, false, true, 2});
    list.SetTextColor(0x80000011);
    list.SetTextSelectColor(1);
    list.SetSelectionClolor(2);
    list.SetShowSelection(false);
    list.SetBackGroundStyle(2);
    list.SetBackImage(MakePicture("back.bmp", 10, 20));
    list.SetBackGroundAlignment(3);
    list.SetFullRowSelect(false);
    list.SetGridLines(true);
    list.SetMouseIcon(MakePicture("hand.cur", 32, 32));
    list.SetMousePointer(99);
    list.SetAppearance(0);
    list.SetSorted(0);
    list.SetHint("say \"hi\"\nnow");
    list.SetBorderStyle(0);
    list.SetIconMaskColor(3);
    list.SetIconStrip(MakePicture("resource:3101", 416, 18));
    list.SetShowIcons(true);
    list.SetScrollbar(true);
    list.SetImageHeight(18);
    list.SetImageWidth(16);
    list.SetTextAlignment(2);
    list.SetgStartColor(0x00FF00);
    list.SetgEndColor(4);
    list.SetgDirection(0);
    PropertyBag bag;
    list.UserControl_WriteProperties(bag);
    // Every key is stored; "Font" and "Enabled" twice.
    const auto keys = Keys(bag);
    EXPECT_EQ(keys.size(), 30u);
    EXPECT_EQ(std::set<std::string>(keys.begin(), keys.end()).size(), 28u);
    PropertyBag saved = PropertyBag::FromText(bag.ToText());

    RecordingCanvas canvas2;
    ListBoxFX copy(canvas2);
    copy.UserControl_ReadProperties(saved);
    PropertyBag again;
    copy.UserControl_WriteProperties(again);
    EXPECT_EQ(again.ToText(), bag.ToText());
    EXPECT_FALSE(copy.Enabled());
    EXPECT_EQ(copy.Font().name, "Tahoma");
    EXPECT_EQ(canvas2.font.name, "Tahoma");  // the surface draws with the loaded font
    EXPECT_EQ(copy.Hint(), "say \"hi\"\nnow");
    EXPECT_EQ(copy.ImageWidth(), 16);
    EXPECT_TRUE(copy.vBar().visible);
    EXPECT_EQ(copy.TextColor(), 0x80000011u);
    EXPECT_EQ(copy.IconStrip()->source, "resource:3101");
}

TEST_F(ListProperties, LoadingEmptyBagGivesReadDefaultsWithoutDrawing) {
    RecordingCanvas canvas2;
    ListBoxFX copy(canvas2);
    EventLog events;
    copy.SetEvents(&events);
    FontSpec ambient{"MS Sans Serif", 8, 400};
    copy.SetAmbientFont(ambient);
    copy.SetScrollbar(true);
    copy.UserControl_ReadProperties(PropertyBag());
    EXPECT_EQ(copy.TextColor(), 0u);
    EXPECT_EQ(copy.BackColor(), 0xFFFFFFu);
    EXPECT_EQ(copy.gStartColor(), 0xFF0000u);
    EXPECT_EQ(copy.Appearance(), 1);
    EXPECT_EQ(copy.BorderStyle(), 1);
    EXPECT_FALSE(copy.scrollbar());
    EXPECT_FALSE(copy.vBar().visible);
    EXPECT_EQ(copy.Font(), ambient);
    EXPECT_EQ(copy.ImageWidth(), 28);
    // Only the two pictures go through their set members, with their notices.
    EXPECT_THAT(events.notices, ElementsAre("BackImage", "MouseIcon"));
    EXPECT_TRUE(canvas2.ops.empty());
}

TEST_F(ListProperties, LoadMatchesKeysInAnyCaseAndConvertsTypes) {
    PropertyBag bag = PropertyBag::FromText(
        "# stored in lower case\n"
        "imagewidth = long 16\n"
        "TEXTCOLOR = long &HFFFFFF\n"
        "\r\n"
        "showicons = long -1\n"
        "SelectionClolor = long -2147483635\n");
    list.UserControl_ReadProperties(bag);
    EXPECT_EQ(list.ImageWidth(), 16);
    EXPECT_EQ(list.TextColor(), 0xFFFFFFu);
    EXPECT_TRUE(list.ShowIcons());
    EXPECT_EQ(list.SelectionClolor(), 0x8000000Du);
    EXPECT_LIST_ERROR(
        list.UserControl_ReadProperties(PropertyBag::FromText("Appearance = long 70000")),
        kErrOverflow);
    EXPECT_LIST_ERROR(
        list.UserControl_ReadProperties(PropertyBag::FromText("BackColor = string \"x\"")),
        kErrTypeMismatch);
}

TEST(PropertyBagText, FirstEntryOfADoubledKeyIsRead) {
    PropertyBag bag = PropertyBag::FromText("Font = long 1\nfont = long 2\n");
    EXPECT_EQ(bag.ReadLong("FONT", 0), 1);
    EXPECT_EQ(bag.Entries().size(), 2u);
}

TEST(PropertyBagText, MalformedLinesNameTheirLine) {
    for (const char* text :
         {"Key long 1", "Key = long", "Key = long 12x", "Key = colour 1", "Key = string \"open",
          "Key = boolean Yes", "Two words = long 1", "Key = long 1 2", "Key = integer 70000",
          // Numbers that would wrap round or draw nothing.
          "Key = long &H1FFFFFFFFFFFFFFFF", "Key = long &H-1", "Key = long 99999999999999999999",
          "Font = font \"Verdana\" nan 400 0 0 0 0 0", "Font = font \"Verdana\" inf 400 0 0 0 0 0",
          "Font = font \"Verdana\" 1e308 400 0 0 0 0 0"}) {
        try {
            PropertyBag::FromText(std::string("# c\n") + text);
            ADD_FAILURE() << text;
        } catch (const PropertyBagError& error) {
            EXPECT_THAT(error.what(), ::testing::StartsWith("line 2:")) << text;
        }
    }
}

}  // namespace
}  // namespace qv
