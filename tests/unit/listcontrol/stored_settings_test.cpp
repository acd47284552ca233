// The shipped artwork and stored settings of the main window's two lists.
#include <fstream>
#include <iterator>
#include <set>

#include "listcontrol/property_bag.h"
#include "unit/listcontrol/list_fixture.h"

namespace qv {
namespace {

std::string AssetPath(const std::string& name) {
    std::string here = __FILE__;  // tests/unit/listcontrol/this file
    for (int up = 0; up < 4; ++up) here = here.substr(0, here.find_last_of('/'));
    return here + "/assets/" + name;
}

std::string ReadAsset(const std::string& name) {
    std::ifstream in(AssetPath(name), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

uint32_t Le(const std::string& data, size_t at, int bytes) {
    uint32_t value = 0;
    for (int i = bytes - 1; i >= 0; --i) value = value << 8 | static_cast<uint8_t>(data[at + i]);
    return value;
}

TEST(IconStrip, ThirteenBadgesOnMagentaAtThirtyTwoPixelPitch) {
    const std::string bmp = ReadAsset("icon_strip.bmp");
    ASSERT_GT(bmp.size(), 54u);
    ASSERT_EQ(bmp.substr(0, 2), "BM");
    ASSERT_EQ(Le(bmp, 18, 4), 416u);
    ASSERT_EQ(Le(bmp, 22, 4), 18u);  // bottom-up rows
    ASSERT_EQ(Le(bmp, 28, 2), 24u);
    const size_t offset = Le(bmp, 10, 4);
    auto pixel = [&](int x, int y) {  // &HBBGGRR of column x, row y from the top
        return Le(bmp, offset + static_cast<size_t>(17 - y) * 416 * 3 + x * 3, 3) & 0xFFFFFF;
    };
    const uint32_t magenta = 0xFF00FF;  // B, R = 255 either way round
    std::set<std::string> looks;
    for (int badge = 0; badge < 13; ++badge) {
        std::string look;
        bool top_row = false, bottom_row = false;
        for (int y = 0; y < 18; ++y) {
            for (int x = badge * 32; x < badge * 32 + 32; ++x) {
                const uint32_t p = pixel(x, y);
                const bool inside = x < badge * 32 + 28 && y >= 2 && y <= 15;
                if (inside) {
                    look += std::to_string(p) + ",";
                } else {
                    EXPECT_EQ(p, magenta) << x << "," << y;
                }
                if (p != magenta && y == 2) top_row = true;
                if (p != magenta && y == 15) bottom_row = true;
            }
        }
        EXPECT_TRUE(top_row && bottom_row) << badge;
        looks.insert(look);
    }
    EXPECT_EQ(looks.size(), 13u);  // every badge differs from the others
}

TEST(StoredSettings, BothListsLoadWhiteVerdanaOnBlackWithIcons) {
    for (const char* file : {"listboxfx1.props", "listboxfx2.props"}) {
        RecordingCanvas canvas;
        ListBoxFX list(canvas);
        list.UserControl_ReadProperties(PropertyBag::FromText(ReadAsset(file)));
        SCOPED_TRACE(file);
        EXPECT_EQ(list.BackColor(), 0u);
        EXPECT_EQ(list.Font(), (FontSpec{"Verdana", 9.75, 400}));
        EXPECT_EQ(list.TextColor(), 0xFFFFFFu);
        EXPECT_EQ(list.Appearance(), 0);
        ASSERT_TRUE(list.IconStrip());
        EXPECT_EQ(list.IconStrip()->source, "resource:3101");
        EXPECT_EQ(list.IconStrip()->width, 416);
        EXPECT_TRUE(list.ShowIcons());
        EXPECT_EQ(list.ImageWidth(), 28);
        EXPECT_EQ(list.gStartColor(), 0u);
        // Everything else takes its read default.
        EXPECT_EQ(list.SelectionClolor(), 0x8000000Du);
        EXPECT_TRUE(list.FullRowSelect());
        EXPECT_EQ(list.Sorted(), 1);
        EXPECT_EQ(list.BorderStyle(), 1);
        EXPECT_EQ(list.ImageHeight(), 16);
        EXPECT_EQ(list.IconMaskColor(), 0xFF00FFu);
        EXPECT_FALSE(list.scrollbar());
        EXPECT_EQ(list.gDirection(), 1);
    }
}

}  // namespace
}  // namespace qv
