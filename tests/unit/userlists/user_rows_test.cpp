// Part 4.101's reading of the game's user rows and the rebuild of a list from them: the TAB as
// 24 blanks, product codes from the 15th character, the collapsed second field "32", and the
// "32" rule's sound choice.
#include <gtest/gtest.h>

#include "listcontrol/listboxfx.h"
#include "sim/recording_canvas.h"
#include "userlists/user_rows.h"

namespace qv {
namespace {

const std::string kTab = "\t";
std::string Blanks(size_t n) { return std::string(n, ' '); }
// A shown row: the name, the TAB as 24 blanks, the rest.
std::string S(const std::string& name, const std::string& rest) { return name + Blanks(24) + rest; }

struct Entry {
    std::string text;
    int icon;
    bool operator==(const Entry& o) const { return text == o.text && icon == o.icon; }
};
std::ostream& operator<<(std::ostream& out, const Entry& e) {
    return out << "{\"" << e.text << "\", " << e.icon << "}";
}

class UserRows : public ::testing::Test {
  protected:
    UserRows() {
        list.UserControl_InitProperties();
        list.Resize(169, 433, 17);
        list.Show();
    }
    std::vector<Entry> Render(const std::vector<std::string>& rows, UserRowRules rules = {}) {
        RenderUserRows(rows, kTab, list, rules);
        std::vector<Entry> entries;
        for (int32_t s = 1; s <= list.ListCount(); ++s) {
            entries.push_back({list.Model().Slot(s)->text, list.Model().Slot(s)->icon});
        }
        return entries;
    }
    static constexpr UserRowRules kFriends{false, false};
    static constexpr UserRowRules kFriendsWithOffline{false, true};

    RecordingCanvas canvas;
    ListBoxFX list{canvas};
};

TEST(UserRowText, TheTabBecomesTwentyFourBlanks) {
    EXPECT_EQ(ShownUserRow("Alice\t0 RATS", kTab), "Alice" + Blanks(24) + "0 RATS");
    EXPECT_EQ(ShownUserRow("a\tb\tc", kTab), "a" + Blanks(24) + "b" + Blanks(24) + "c");
    EXPECT_EQ(ShownUserRow("no tab", kTab), "no tab");
    EXPECT_EQ(ShownUserRow("a\tb", ""), "a\tb") << "an empty separator replaces nothing";
}

TEST(UserRowText, CodesCountFromTheFifteenthCharacterInCharactersNotBytes) {
    EXPECT_FALSE(HasProductCode("RATS" + Blanks(20), "RATS"));
    EXPECT_FALSE(HasProductCode("0123456789abcRATS", "RATS")) << "starts at the 14th";
    EXPECT_TRUE(HasProductCode("0123456789abcdRATS", "RATS")) << "starts at the 15th";
    EXPECT_FALSE(HasProductCode("0123456789abcdRAT", "RATS"));
    EXPECT_FALSE(HasProductCode("short", "RATS"));
    EXPECT_FALSE(HasProductCode("", "RATS"));
    // Fourteen letters of two bytes each, then the code: it starts at the 15th character.
    std::string umlauts;
    for (int i = 0; i < 14; ++i) umlauts += "\xC3\xA4";
    EXPECT_TRUE(HasProductCode(umlauts + "RATS", "RATS"));
    // Seven such letters: the code starts at byte 15 but at the 8th character.
    EXPECT_FALSE(HasProductCode(umlauts.substr(0, 14) + "RATS", "RATS"));
    // The euro sign takes three bytes and one character.
    EXPECT_TRUE(
        HasProductCode("\xE2\x82\xAC"
                       "0123456789abcRATS",
                       "RATS"));
    EXPECT_FALSE(
        HasProductCode("\xE2\x82\xAC"
                       "0123456789abRATS",
                       "RATS"));
}

TEST(UserRowText, EachCodeOfTheTableIsFoundOnItsOwnInTableOrder) {
    EXPECT_EQ(ProductIcons(S("x", "0 RATS PXES")), (std::vector<int16_t>{0, 2}));
    EXPECT_EQ(ProductIcons(S("x", "0 rats")), std::vector<int16_t>{}) << "case-sensitive";
    std::string all = S("x", "0");
    for (const ProductCode& code : kProductIconTable) all += std::string(" ") + code.code;
    EXPECT_EQ(ProductIcons(all), (std::vector<int16_t>{0, 2, 4, 6, 8, 10, 12, 14, 16, 18, 20, 22}));
    EXPECT_EQ(FirstProductIcon(S("x", "0 NB2W RATS")), std::optional<int16_t>(2));
    EXPECT_EQ(FirstProductIcon(S("x", "0")), std::nullopt);
}

TEST(UserRowText, ThirtyPassesHalveEveryRunOfBlanks) {
    EXPECT_EQ(CollapseBlanks("a     b"), "a b");
    EXPECT_EQ(CollapseBlanks("a" + Blanks(1000) + "b  c"), "a b c");
    EXPECT_EQ(CollapseBlanks("  "), " ");
    EXPECT_EQ(CollapseBlanks("\t \t"), "\t \t") << "TABs are not blanks";
}

TEST(UserRowText, TheSecondFieldThirtyTwoMarksARow) {
    EXPECT_TRUE(IsMarked32("bob\t32 PXES", kTab));
    EXPECT_TRUE(IsMarked32("bob\t32", kTab));
    EXPECT_FALSE(IsMarked32("bob\t0 PXES", kTab));
    EXPECT_FALSE(IsMarked32("bob\t320 PXES", kTab)) << "only the exact field";
    EXPECT_FALSE(IsMarked32("bob\tx32 PXES", kTab));
    EXPECT_FALSE(IsMarked32("bob \t32 PXES", kTab)) << "a blank before the TAB: empty field";
    EXPECT_TRUE(IsMarked32("bob    32 PXES", kTab)) << "blanks collapse before the split";
    EXPECT_FALSE(IsMarked32("bob\t\t32", kTab)) << "TAB after collapsing: empty field";
    EXPECT_FALSE(IsMarked32("", kTab));
    EXPECT_FALSE(IsMarked32("bob32", kTab));
    EXPECT_TRUE(IsMarked32("J\xC3\xBCrgen\t32 RATS", kTab));
}

TEST_F(UserRows, ARowWithOneCodeShowsOnceWithItsIcon) {
    EXPECT_EQ(Render({"Alice\t0 RATS"}),
              (std::vector<Entry>{{"Alice" + Blanks(24) + "0 RATS", 2}}));
    EXPECT_EQ(list.Key(1).Text(), "");
}

TEST_F(UserRows, AThirtyTwoRowShowsOnceWithIcon24AtItsOwnPlace) {
    EXPECT_EQ(Render({"Alice\t0 RATS", "bob\t32 PXES", "Zo\xC3\xAB\t0 NB2W"}),
              (std::vector<Entry>{{S("Alice", "0 RATS"), 2},
                                  {S("bob", "32 PXES"), 24},
                                  {S("Zo\xC3\xAB", "0 NB2W"), 22}}));
}

TEST_F(UserRows, ARowWithTwoCodesShowsTwiceInTableOrder) {
    EXPECT_EQ(Render({"x\t0 RATS PXES"}),
              (std::vector<Entry>{{S("x", "0 RATS PXES"), 0}, {S("x", "0 RATS PXES"), 2}}));
}

TEST_F(UserRows, RowsWithoutACodeFromTheFifteenthCharacterAreNotShown) {
    EXPECT_EQ(Render({"RATS\t0", "PXES", "nobody\t0 XXXX", "", "x\t320 RATS"}),
              (std::vector<Entry>{{S("x", "320 RATS"), 2}}));
}

TEST_F(UserRows, AnEmptyListGivesAnEmptyListAndTheSelectedSlotStays) {
    Render({"a\t0 RATS", "b\t0 RATS", "c\t0 RATS"});
    list.SetListIndex(1);
    EXPECT_TRUE(Render({}).empty());
    EXPECT_EQ(list.Model().SelectedSlot(), 2);
    Render({"d\t0 RATS", "e\t0 RATS"});
    EXPECT_EQ(list.ItemSelectedText(), S("e", "0 RATS")) << "whoever stands there now";
}

// The sound choice for the "32" rule: the marked row's own first entry goes, wherever it stands.
TEST_F(UserRows, AThirtyTwoRowAfterARowWithoutACodeKeepsTheListRight) {
    // The Part's Delete(i + 1) would remove Carl's entry here and keep bob's product entry.
    EXPECT_EQ(Render({"nobody\t0", "Carl\t0 RATS", "bob\t32 PXES"}),
              (std::vector<Entry>{{S("Carl", "0 RATS"), 2}, {S("bob", "32 PXES"), 24}}));
}

TEST_F(UserRows, AThirtyTwoRowAfterARowWithTwoCodesKeepsTheListRight) {
    EXPECT_EQ(Render({"two\t0 RATS PXES", "bob\t32 PXES", "Carl\t0 RATS"}),
              (std::vector<Entry>{{S("two", "0 RATS PXES"), 0},
                                  {S("two", "0 RATS PXES"), 2},
                                  {S("bob", "32 PXES"), 24},
                                  {S("Carl", "0 RATS"), 2}}));
}

TEST_F(UserRows, AThirtyTwoRowWithTwoCodesKeepsItsSecondEntryAsThePartDoes) {
    EXPECT_EQ(Render({"Carl\t0 RATS", "bob\t32 RATS PXES"}),
              (std::vector<Entry>{{S("Carl", "0 RATS"), 2},
                                  {S("bob", "32 RATS PXES"), 2},
                                  {S("bob", "32 RATS PXES"), 24}}));
}

TEST_F(UserRows, AThirtyTwoRowWithoutACodeIsNotShownAsInThePart) {
    EXPECT_EQ(Render({"Carl\t0 RATS", "ghost\t32", "Dora\t0 PXES"}),
              (std::vector<Entry>{{S("Carl", "0 RATS"), 2}, {S("Dora", "0 PXES"), 0}}));
}

TEST_F(UserRows, FriendsCountTheFirstCodeOnly) {
    EXPECT_EQ(Render({"x\t0 RATS PXES"}, kFriends),
              (std::vector<Entry>{{S("x", "0 RATS PXES"), 0}}));
}

TEST_F(UserRows, OfflineFriendsShowWithTheDefaultIconOnlyWhenAsked) {
    EXPECT_EQ(Render({"Carol\t0 RATS", "Dave\t0", "bob\t32 PXES"}, kFriendsWithOffline),
              (std::vector<Entry>{
                  {S("Carol", "0 RATS"), 2}, {S("Dave", "0"), 0}, {S("bob", "32 PXES"), 24}}));
    EXPECT_EQ(Render({"Carol\t0 RATS", "Dave\t0", "bob\t32 PXES"}, kFriends),
              (std::vector<Entry>{{S("Carol", "0 RATS"), 2}, {S("bob", "32 PXES"), 24}}));
    // An offline friend marked "32": its icon-24 entry takes the place of its own.
    EXPECT_EQ(Render({"Dave\t32", "Carol\t0 RATS"}, kFriendsWithOffline),
              (std::vector<Entry>{{S("Dave", "32"), 24}, {S("Carol", "0 RATS"), 2}}));
}

TEST_F(UserRows, EightBitNamesStayWhole) {
    EXPECT_EQ(
        Render({"J\xC3\xBCrgen\t0 RATS", "\xC3\x84nne\t32 PXES"}),
        (std::vector<Entry>{{S("J\xC3\xBCrgen", "0 RATS"), 2}, {S("\xC3\x84nne", "32 PXES"), 24}}));
}

}  // namespace
}  // namespace qv
