#include "chat/colour_tags.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

std::string Tagged(std::string text) {
    for (const ColourStep& step : kColourTagTable) ApplyColourStep(text, step);
    return text;
}

TEST(ColourTags, EachGameCodeBecomesItsTag) {
    EXPECT_EQ(Tagged("\x17"
                     "a"),
              "\x08White a");
    EXPECT_EQ(Tagged("\x12"
                     "a\x1a"
                     "b\x14"
                     "c"),
              "\x08Gree a\x08Yell b\x08"
              "Blue c");
    EXPECT_EQ(Tagged("\x11"
                     "a\x1b"
                     "b\x13"
                     "c"),
              "\x08Grey a\x08Red b\x08Gel c");
}

TEST(ColourTags, PairOfWhiteCodesGivesOneTagAndARunOfThreeGivesTwo) {
    EXPECT_EQ(Tagged("a\x10\x10"
                     "b"),
              "a\x08White b");
    EXPECT_EQ(Tagged("a\x10\x10\x10"
                     "b"),
              "a\x08White \x08White b");
    EXPECT_EQ(Tagged("\x10"
                     "a\x10"
                     "b"),
              "\x08White a\x08White b");
}

TEST(ColourTags, OtherControlCharactersStay) {
    const std::string line =
        "a\x15"
        "b\x16"
        "c\x18"
        "d\x19"
        "e";
    EXPECT_EQ(Tagged(line), line);
}

TEST(ColourTags, StepReportsWhetherItChangedTheText) {
    std::string text = "no codes";
    EXPECT_FALSE(ApplyColourStep(text, kColourTagTable[0]));
    text = "\x17\x17";
    EXPECT_TRUE(ApplyColourStep(text, kColourTagTable[0]));
    EXPECT_EQ(text, "\x08White \x08White ");
}

TEST(ColourTags, RemovalDropsEveryTagWithItsSpaceOnly) {
    EXPECT_EQ(RemoveColourTags("\x08Gel 12:00:01: \x08Red Welcome\x08White \x08White x"),
              "12:00:01: Welcomex");
    // A marker that is not a whole tag, or a tag without its space, stays.
    EXPECT_EQ(RemoveColourTags("\x08Pink a \x08Red"), "\x08Pink a \x08Red");
    EXPECT_EQ(RemoveColourTags("plain"), "plain");
}

}  // namespace
}  // namespace qv
