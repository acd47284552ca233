#include "tools/tool_text.h"

#include <gtest/gtest.h>

#include "core/number_text.h"

namespace qv {
namespace {

const LocalDateTime kJanuary24{2008, 1, 24, 7, 5, 9};

TEST(ToolText, DateAndTimeFillEveryOccurrenceCaseSensitively) {
    EXPECT_EQ(FillDateTime("%date %time", kJanuary24), "01-24-2008 07:05:09");
    EXPECT_EQ(FillDateTime("%time%time and %Date", kJanuary24), "07:05:0907:05:09 and %Date");
    EXPECT_EQ(FillDateTime("", kJanuary24), "");
    EXPECT_EQ(FillDateTime("%tim%date", kJanuary24), "%tim01-24-2008");
}

TEST(ToolText, AfternoonIsOnTheTwentyFourHourClock) {
    EXPECT_EQ(TimePlaceholderText({2026, 12, 6, 21, 5, 9}), "21:05:09");
    EXPECT_EQ(DatePlaceholderText({2026, 12, 6, 21, 5, 9}), "12-06-2026");
}

TEST(ToolText, GreetingFillsUserDateAndTimeInOnePass) {
    EXPECT_EQ(FillGreeting(
                  "/w %user Hello %user I'm using Dunmarrows Quorvane DI Zuvo! Its currently the "
                  "%date and it is %time",
                  "Alice", kJanuary24),
              "/w Alice Hello Alice I'm using Dunmarrows Quorvane DI Zuvo! Its currently the "
              "01-24-2008 and it is 07:05:09");
    // A user chooses their name: one that looks like a placeholder is greeted as it stands.
    EXPECT_EQ(FillGreeting("/w %user hi %user at %time", "%date", kJanuary24),
              "/w %date hi %date at 07:05:09");
    EXPECT_EQ(FillGreeting("%user", "x%timex%user", kJanuary24), "x%timex%user");
}

TEST(ToolText, ReplacementIsNotSearchedAgain) {
    EXPECT_EQ(ReplaceAll("aaa", "a", "aa"), "aaaaaa");
    EXPECT_EQ(ReplaceAll("abc", "", "x"), "abc");
}

TEST(ToolText, GreetNameIsTheFirstPMinusThreeCharacters) {
    EXPECT_EQ(GreetUserName("Alice\t0 RATS"), "Alice");  // blank at 8: five characters
    EXPECT_EQ(GreetUserName("Bob1234 x"), "Bob12");
    EXPECT_EQ(GreetUserName("NoBlank"), "");
    EXPECT_EQ(GreetUserName(" first"), "");
    EXPECT_EQ(GreetUserName("ab c"), "");
    EXPECT_EQ(GreetUserName("abc d"), "a");
    EXPECT_EQ(GreetUserName("abcd e"), "ab");
    EXPECT_EQ(GreetUserName(""), "");
    // A name that holds a line break is no real user's; one outside the name changes nothing.
    EXPECT_EQ(GreetUserName("a\r\n/quitxx 0 RATS"), std::nullopt);
    EXPECT_EQ(GreetUserName("Vic\ntimxx 0 RATS"), std::nullopt);
    EXPECT_EQ(GreetUserName("Victim\r\n 0 RATS"), "Victim");
}

TEST(ToolText, GreetNameCountsCodePageLettersAsOneCharacterEach) {
    // "Jürgen" + TAB + "0 RATS": blank at 9, name of six characters.
    EXPECT_EQ(GreetUserName("J\xC3\xBCrgen\t0 RATS"), "J\xC3\xBCrgen");
    EXPECT_EQ(GreetUserName("\xE2\x82\xAC\xC3\xA4\xC3\x9F\t0 X"), "\xE2\x82\xAC\xC3\xA4\xC3\x9F");
    EXPECT_EQ(GreetUserName("ab\xC3\xBC\t0 X"), "ab\xC3\xBC");
}

TEST(ToolText, CutsNeverSplitACharacter) {
    EXPECT_EQ(LeadingCharacters("\xC3\xA4\xC3\xB6", 1), "\xC3\xA4");
    // A character outside the BMP is two units: a cut of one stops before it.
    EXPECT_EQ(LeadingCharacters("\xF0\x9F\x98\x80z", 1), "");
    EXPECT_EQ(LeadingCharacters("\xF0\x9F\x98\x80z", 2), "\xF0\x9F\x98\x80");
    // A byte that starts no sequence is one character.
    EXPECT_EQ(LeadingCharacters("\xFF\xC3", 1), "\xFF");
    EXPECT_EQ(LeadingCharacters("abc", 99), "abc");
    EXPECT_EQ(LeadingCharacters("abc", -4), "");
}

TEST(ToolText, CurrentChannelIsTheCaptionUpToTheBlankBeforeItsParenthesis) {
    EXPECT_EQ(CurrentChannelName("Brood War USA-1 (12)"), "Brood War USA-1");
    EXPECT_EQ(CurrentChannelName("Clan QV (3)"), "Clan QV");
    EXPECT_EQ(CurrentChannelName("x("), "");
    EXPECT_EQ(CurrentChannelName("(3)"), std::nullopt);
    EXPECT_EQ(CurrentChannelName("No count"), std::nullopt);
    EXPECT_EQ(CurrentChannelName(""), std::nullopt);
    EXPECT_EQ(CurrentChannelName("Op M\xC3\xBCnchen (2)"), "Op M\xC3\xBCnchen");
    EXPECT_EQ(CurrentChannelName("a\r\n/quit (2)"), "a/quit") << "joined as one line";
}

TEST(ToolText, CaptionWithItsParenthesisSeventeenthGivesFifteenCharacters) {
    const std::string caption = "ABCDEFGHIJKLMNOP(4)";  // "(" is the 17th character
    EXPECT_EQ(CurrentChannelName(caption), "ABCDEFGHIJKLMNO");
}

TEST(ToolText, IntervalEntryIsConfinedToFiveToSixtySeconds) {
    auto entry = [](const std::string& text) { return ApplyIntervalEntry(text, 40000); };
    EXPECT_EQ(entry("abc").interval, 5000);
    EXPECT_EQ(entry("abc").box, "5000");
    EXPECT_EQ(entry("").box, "5000");
    EXPECT_EQ(entry("4999").interval, 5000);
    EXPECT_EQ(entry("4999").box, "5000");
    EXPECT_EQ(entry("5000").box, "5000");  // the same text: nothing changes in the box
    EXPECT_EQ(entry("30000").interval, 30000);
    EXPECT_EQ(entry("30000").box, std::nullopt);
    EXPECT_EQ(entry("100000").interval, 60000);
    EXPECT_EQ(entry("100000").box, "60000");
    EXPECT_EQ(entry("60000").box, "60000");
}

TEST(ToolText, IntervalEntryRoundsHalvesToEven) {
    EXPECT_EQ(ApplyIntervalEntry("10000.5", 40000).interval, 10000);
    EXPECT_EQ(ApplyIntervalEntry("10001.5", 40000).interval, 10002);
    EXPECT_EQ(ApplyIntervalEntry("10001.5", 40000).box, std::nullopt);
    EXPECT_EQ(ApplyIntervalEntry(" 1.2e4 ", 40000).interval, 12000);
    EXPECT_EQ(ApplyIntervalEntry("5000.4", 40000).interval, 5000);
    EXPECT_EQ(ApplyIntervalEntry("5000.4", 40000).box, std::nullopt);
    EXPECT_EQ(ApplyIntervalEntry("59999.6", 40000).interval, 60000);
    EXPECT_EQ(ApplyIntervalEntry("59999.6", 40000).box, std::nullopt);
}

TEST(ToolText, EntryNumbersAreDecimalNumbersOnly) {
    EXPECT_EQ(ParseEntryNumber("12"), 12.0);
    EXPECT_EQ(ParseEntryNumber("-3.5"), -3.5);
    EXPECT_EQ(ParseEntryNumber(".5"), 0.5);
    EXPECT_EQ(ParseEntryNumber("1e3"), 1000.0);
    EXPECT_EQ(ParseEntryNumber("1e"), std::nullopt);
    EXPECT_EQ(ParseEntryNumber("."), std::nullopt);
    EXPECT_EQ(ParseEntryNumber("12a"), std::nullopt);
    EXPECT_EQ(ParseEntryNumber("1 2"), std::nullopt);
    EXPECT_EQ(ParseEntryNumber("-"), std::nullopt);
    EXPECT_EQ(ApplyIntervalEntry("-7", 40000).interval, 5000);
    EXPECT_EQ(ApplyIntervalEntry("1e999", 40000).interval, 60000);
}

}  // namespace
}  // namespace qv
