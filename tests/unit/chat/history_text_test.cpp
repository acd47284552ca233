// The history's colour steps, and converting once after the last row against converting the
// whole text after every row.
#include "chat/history_text.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "chat/colour_renderer.h"
#include "chat/colour_tags.h"
#include "chat/history_window.h"
#include "sim/reference_renderer.h"

// clang-format off
namespace qv {
namespace {

// The plain way: after every row the whole text goes through the table's steps one after
// another (all but U+0017's), each changing step starting them all again, until nothing
// changes.
std::string ConvertedAfterEveryRow(const std::vector<std::string>& rows) {
    std::string text;
    for (const std::string& row : rows) {
        text += row + "\r\n";
        for (bool changed = true; changed;) {
            changed = false;
            for (const ColourStep& step : kColourTagTable) {
                if (step.code != "\x17") changed |= ApplyColourStep(text, step);
            }
        }
    }
    return text;
}

// Rows made of the characters that matter: every game code, the marker, the letters of the
// tag words, blanks, CR and LF, braces, a backslash and 8-bit letters in UTF-8.
std::vector<std::string> RandomRows(std::mt19937& random) {
    static const std::vector<std::string> kPieces = {
        "\x10", "\x11", "\x12", "\x13", "\x14", "\x15", "\x16", "\x17", "\x18", "\x19", "\x1a",
        "\x1b", "\x08", " ",    "\r",   "\n",   "Gree", "White", "Gr",  "Red",  "Gel",  "x",
        "{",    "}",    "\\",   "\xc3\xa4", "\xe2\x82\xac", "12:00:01: ", "Player"};
    std::uniform_int_distribution<int> rows(0, 12);
    std::uniform_int_distribution<int> length(0, 14);
    std::uniform_int_distribution<size_t> piece(0, kPieces.size() - 1);
    std::vector<std::string> out(static_cast<size_t>(rows(random)));
    for (std::string& row : out) {
        const int n = length(random);
        for (int i = 0; i < n; ++i) row += kPieces[piece(random)];
    }
    return out;
}

TEST(HistoryText, StepsAreTheChatsWithoutU0017) {
    std::string text = "\x17" "a\x10\x10" "b\x10\x10\x10" "c\x12\x1a\x14\x11\x1b\x13\x15";
    EXPECT_TRUE(ConvertHistoryColourCodes(text));
    EXPECT_EQ(text,
              "\x17" "a\x08White b\x08White \x08White c\x08Gree \x08Yell \x08"
              "Blue \x08Grey \x08Red \x08Gel \x15");
    EXPECT_FALSE(ConvertHistoryColourCodes(text)) << "a converted text has no code left";
    std::string only = "keep \x17 this";
    EXPECT_FALSE(ConvertHistoryColourCodes(only));
    EXPECT_EQ(only, "keep \x17 this");
}

TEST(HistoryText, EveryRowEndsWithCrLfTheLastToo) {
    EXPECT_EQ(HistoryText({"one", "two", "three"}), "one\r\ntwo\r\nthree\r\n");
    EXPECT_EQ(HistoryText({"", ""}), "\r\n\r\n");
    EXPECT_EQ(HistoryText({}), "");
}

TEST(HistoryText, PairsDoNotJoinAcrossRows) {
    // A row ending in U+0010 and one starting with it: two tags, not one pair.
    EXPECT_EQ(HistoryText({"a\x10", "\x10" "b"}), "a\x08White \r\n\x08White b\r\n");
}

TEST(HistoryText, ConvertingOnceGivesTheSameTextAndViewAsAfterEveryRow) {
    std::mt19937 random(20261206);
    for (int set = 0; set < 3000; ++set) {
        const std::vector<std::string> rows = RandomRows(random);
        const std::string once = HistoryText(rows);
        ASSERT_EQ(once, ConvertedAfterEveryRow(rows)) << "row set " << set;
        EXPECT_EQ(ColourAndStripTags(once, kHistoryTextColour),
                  ColourAndStripTags(ConvertedAfterEveryRow(rows), kHistoryTextColour));
    }
}

}  // namespace
}  // namespace qv

namespace qv {
namespace {

// The renderer's passes keep a few notes per tag instead of a colour per character (for a long
// history); they must give exactly what the per-character passes give.
TEST(RendererPasses, GiveWhatThePerCharacterPassesGive) {
    std::mt19937 random(61205);
    static const std::vector<std::string> kPieces = {
        "\x08", "\x08White ", "\x08Gree ", "\x08Yell ", "\x08" "Blue ", "\x08Grey ", "\x08Red ",
        "\x08Gel ", "\x08Gr ", "\x08 ", "\x08Pink ", "White", " ", "  ", "a", "bc", "\r\n",
        "\xc3\xa4", "{\\rtf1}", "\x17"};
    std::uniform_int_distribution<int> length(0, 24);
    std::uniform_int_distribution<size_t> piece(0, kPieces.size() - 1);
    for (int i = 0; i < 20000; ++i) {
        std::string text;
        const int n = length(random);
        for (int k = 0; k < n; ++k) text += kPieces[piece(random)];
        for (ChatColour base : {kHistoryTextColour, kColourYell}) {
            ASSERT_EQ(ColourAndStripTags(text, base), ReferenceColourAndStripTags(text, base))
                << "text " << i;
        }
    }
}

}  // namespace
}  // namespace qv
// clang-format on
