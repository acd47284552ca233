// Rows of the game's chat list with letters beyond ASCII. The game is an ANSI program in code
// page 1252; its rows reach the program through the wide list messages, which count lengths
// in UTF-16 units, while the program keeps text as UTF-8.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gamelink/list_read.h"
#include "platform/text_codec.h"
#include "sim/sim_game.h"
#include "sim/sim_platform.h"

namespace qv {
namespace {

// Every byte 0x80..0xFF of code page 1252, the five undefined ones included, as UTF-8.
std::string AllHighBytes() {
    std::string ansi;
    for (int b = 0x80; b <= 0xFF; ++b) ansi += static_cast<char>(b);
    return Cp1252Codec().FromAnsi(ansi);
}

class EightBitRows : public ::testing::Test {
  protected:
    std::string Read(int row) {
        return ReadListBoxItem(world.windows, game.Control(9), row).value_or("");
    }

    SimWorld world;
    SimGame game{world.windows};
};

TEST_F(EightBitRows, LettersAtTheStartMiddleAndEndArriveWhole) {
    const std::vector<std::string> rows = {
        "\xC3\xA4rger am Anfang",  // ärger
        "\x10J\xC3\xBCrgen\x11: Stra\xC3\x9F"
        "e und \xE2\x82\xAC",                      // Jürgen: Straße und €
        "am Ende ein \xC3\xA4",                    // ends in ä (cp1252 E4)
        "\xC3\xA9\xC3\xBF\xE2\x82\xAC",            // éÿ€ and nothing else
        "\xF0\x9F\x98\x80 outside the code page",  // two UTF-16 units
    };
    for (const auto& row : rows) game.AddChatRow(row);
    for (size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(Read(static_cast<int>(i)), rows[i]) << "row " << i;
    }
}

TEST_F(EightBitRows, EveryHighByteOfTheCodePageSurvivesTheRead) {
    const std::string row = "<" + AllHighBytes() + ">";
    game.AddChatRow(row);
    EXPECT_EQ(Read(0), row);
    EXPECT_EQ(world.windows.ListGetTextLen(game.Control(9), 0), 2 + 128)
        << "the sim counts as the wide message does";
}

TEST_F(EightBitRows, ARowThatGrowsByAccentedLettersIsReadAgainWhole) {
    game.AddChatRow("kurz");
    const std::string longer = "l\xC3\xA4nger mit \xC3\xA4\xC3\xB6\xC3\xBC\xE2\x82\xAC";
    world.windows.BeforeNextGetText([&] { game.ChatList().rows[0] = longer; });
    EXPECT_EQ(Read(0), longer);
    // Same UTF-16 length, more UTF-8 bytes: no second read is needed and nothing is cut.
    game.ChatList().rows[0] = "abcd";
    world.windows.BeforeNextGetText(
        [&] { game.ChatList().rows[0] = "\xC3\xA4\xC3\xB6\xC3\xBC\xC3\x9F"; });
    EXPECT_EQ(Read(0), "\xC3\xA4\xC3\xB6\xC3\xBC\xC3\x9F");
}

TEST(Cp1252Codec, EveryByteRoundTripsAndUnmappedBytesKeepTheirPlace) {
    Cp1252Codec codec;
    std::string all;
    for (int b = 1; b <= 0xFF; ++b) all += static_cast<char>(b);
    EXPECT_EQ(codec.ToAnsi(codec.FromAnsi(all)), all);
    EXPECT_EQ(codec.FromAnsi("\x80\xE4\xFF"), "\xE2\x82\xAC\xC3\xA4\xC3\xBF");
    for (char unmapped : {'\x81', '\x8D', '\x8F', '\x90', '\x9D'}) {
        const std::string row = std::string("a") + unmapped + "b";
        EXPECT_EQ(codec.ToAnsi(codec.FromAnsi(row)), row);
        EXPECT_EQ(Utf16Length(codec.FromAnsi(row)), 3u);
    }
    EXPECT_EQ(codec.ToAnsi("\xE4\xB8\xAD"), "?") << "a character outside the code page";
}

TEST(Utf16Length, CountsAsTheWideMessagesDo) {
    EXPECT_EQ(Utf16Length(""), 0u);
    EXPECT_EQ(Utf16Length("abc"), 3u);
    EXPECT_EQ(Utf16Length("\xC3\xA4\xE2\x82\xAC"), 2u);
    EXPECT_EQ(Utf16Length("\xF0\x9F\x98\x80"), 2u);
    EXPECT_EQ(Utf16Length("\xC3"), 1u) << "a cut sequence counts its byte";
}

}  // namespace
}  // namespace qv
