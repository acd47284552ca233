#include "unit/listcontrol/list_fixture.h"

namespace qv {
namespace {

using ListItems = ListFixture;
using ::testing::ElementsAre;

TEST_F(ListItems, NewControlIsEmptyWithoutSelectionOrArray) {
    EXPECT_EQ(list.ListCount(), 0);
    EXPECT_EQ(list.ListIndex(), -1);
    EXPECT_EQ(list.ItemSelectedText(), "");
    EXPECT_FALSE(list.ItemEquals(""));
    EXPECT_FALSE(list.KeyEquals(ListKey()));
    EXPECT_FALSE(list.Model().HasArray());
    EXPECT_EQ(list.Model().SlotCount(), 0u);
}

TEST_F(ListItems, AddItemGrowsByOneSlotWithHiddenSlotZero) {
    list.AddItem("alpha");
    EXPECT_EQ(list.Model().SlotCount(), 2u);
    EXPECT_TRUE(list.Key(1).IsAbsent());
    EXPECT_EQ(list.Model().Slot(1)->icon, 0);
    EXPECT_EQ(list.ListItem(0), "");  // slot 0 exists but holds no row
    list.AddItem("beta", ListKey("k2"), 4);
    EXPECT_EQ(list.Model().SlotCount(), 3u);
    EXPECT_EQ(list.Key(2).String(), "k2");
    EXPECT_TRUE(list.Key(1).IsAbsent());
    EXPECT_EQ(list.Model().Slot(2)->icon, 4);
}

TEST_F(ListItems, ListIndexWriteSelectsRedrawsAndRaisesChangeOnce) {
    AddRows(3);
    Reset();
    list.SetListIndex(0);
    EXPECT_EQ(list.ListIndex(), 0);
    EXPECT_EQ(list.ItemSelectedText(), "row1");
    EXPECT_THAT(log.events, ElementsAre("Change"));
    EXPECT_EQ(canvas.OfKind("Clear").size(), 1u);
    // Beyond the rows is accepted and selects nothing visible; negative fails.
    list.SetListIndex(9);
    EXPECT_EQ(list.ItemSelectedText(), "");
    EXPECT_LIST_ERROR(list.SetListIndex(-1), kErrBadListIndex);
    EXPECT_LIST_ERROR(list.SetListIndex(2147483647), kErrBadListIndex);
    EXPECT_EQ(list.ListIndex(), 9);
}

TEST_F(ListItems, SelectionSlotSurvivesClearAndRebuild) {
    AddRows(5);
    list.SetListIndex(2);
    list.Clear();
    EXPECT_EQ(list.ListCount(), 0);
    EXPECT_FALSE(list.Model().HasArray());
    EXPECT_EQ(list.ListIndex(), 2);
    EXPECT_EQ(list.ItemSelectedText(), "");
    for (const char* name : {"a", "b", "c", "d", "e"}) list.AddItem(name);
    EXPECT_EQ(list.ItemSelectedText(), "c");
}

TEST_F(ListItems, DeleteShiftsRowsAndKeepsSlot) {
    list.AddItem("a", ListKey(1), 2);
    list.AddItem("b", ListKey(2), 4);
    list.AddItem("c", ListKey(3), 6);
    list.SetListIndex(1);
    list.Delete(2);
    EXPECT_THAT(Rows(), ElementsAre("a", "c"));
    EXPECT_EQ(list.Key(2).Number(), 3);
    EXPECT_EQ(list.Model().Slot(2)->icon, 6);
    EXPECT_EQ(list.ItemSelectedText(), "c");
    EXPECT_EQ(list.Model().SlotCount(), 3u);
}

TEST_F(ListItems, DeleteOutOfRangeZeroNegativeAndEmpty) {
    AddRows(3);
    list.Delete(4);  // ListCount + 1: nothing changes, nothing raised
    EXPECT_THAT(Rows(), ElementsAre("row1", "row2", "row3"));
    list.Delete(0);
    EXPECT_THAT(Rows(), ElementsAre("row2", "row3"));
    list.Delete(-2147483647 - 1);
    EXPECT_THAT(Rows(), ElementsAre("row3"));
    list.Delete(1);
    EXPECT_EQ(list.ListCount(), 0);
    EXPECT_TRUE(list.Model().HasArray());  // only slot 0 remains
    list.Delete(1);                        // now the array is released
    EXPECT_FALSE(list.Model().HasArray());
    list.Delete(1);
    EXPECT_EQ(list.ListCount(), 0);
}

TEST_F(ListItems, MoveExExchangesWholeRowsOrFailsUnchanged) {
    list.AddItem("first", ListKey("k1"), 2);
    list.AddItem("middle");
    list.AddItem("last", ListKey("k3"), 8);
    list.MoveEx(1, 3);
    EXPECT_THAT(Rows(), ElementsAre("last", "middle", "first"));
    EXPECT_EQ(list.Key(1).String(), "k3");
    EXPECT_EQ(list.Model().Slot(3)->icon, 2);
    EXPECT_LIST_ERROR(list.MoveEx(1, 4), kErrBadListIndex);
    EXPECT_LIST_ERROR(list.MoveEx(-1, 2), kErrBadListIndex);
    EXPECT_THAT(Rows(), ElementsAre("last", "middle", "first"));
    list.MoveEx(0, 2);  // the hidden slot passes the test
    EXPECT_THAT(Rows(), ElementsAre("last", "", "first"));
    list.Clear();
    EXPECT_LIST_ERROR(list.MoveEx(0, 0), kErrBadListIndex);
}

TEST_F(ListItems, AppendAndIndexedAccessRaiseTheirOwnErrors) {
    AddRows(3);
    list.AppendItem(2, "+x");
    EXPECT_EQ(list.ListItem(2), "row2+x");
    EXPECT_LIST_ERROR(list.AppendItem(7, "y"), kErrBadListIndex);
    EXPECT_LIST_ERROR(list.ListItem(7), kErrSubscriptOutOfRange);
    EXPECT_LIST_ERROR(list.SetListItem(-1, "z"), kErrSubscriptOutOfRange);
    EXPECT_LIST_ERROR(list.Key(4), kErrSubscriptOutOfRange);
    EXPECT_LIST_ERROR(list.SetKey(4, ListKey(1)), kErrSubscriptOutOfRange);
    EXPECT_LIST_ERROR(list.AppendKey(4, ListKey("q")), kErrBadListIndex);
    EXPECT_THAT(Rows(), ElementsAre("row1", "row2+x", "row3"));
    list.AppendKey(1, ListKey(5));  // absent key gives "" before the appended text
    list.AppendKey(1, ListKey(2.5));
    EXPECT_EQ(list.Key(1).String(), "52.5");
    list.SetKey(3, ListKey(7));
    EXPECT_TRUE(list.KeyEquals(ListKey(7)));
    EXPECT_FALSE(list.KeyEquals(ListKey("7")));
}

TEST_F(ListItems, ItemEqualsIsExactAndSeesTheLastRow) {
    list.AddItem("Alice");
    EXPECT_FALSE(list.ItemEquals("alice"));
    list.AddItem("bob");
    EXPECT_TRUE(list.ItemEquals("bob"));
}

TEST_F(ListItems, SortOrdersByFoldedTextWithKeysAndIconsFollowing) {
    list.AddItem("bob", ListKey("kb"), 2);
    list.AddItem("Alice", ListKey("ka"), 4);
    list.AddItem("carl", ListKey("kc"), 6);
    list.SetListIndex(0);
    list.SetSorted(1);
    EXPECT_THAT(Rows(), ElementsAre("Alice", "bob", "carl"));
    EXPECT_EQ(list.Key(1).String(), "ka");
    EXPECT_EQ(list.Model().Slot(1)->icon, 4);
    EXPECT_EQ(list.ItemSelectedText(), "Alice");  // the slot stays selected, not the row
    list.SetSorted(0);
    EXPECT_THAT(Rows(), ElementsAre("carl", "bob", "Alice"));
    EXPECT_EQ(list.Key(3).String(), "ka");
}

TEST_F(ListItems, SortComparesLowerCasedCodeUnits) {
    // "_" (0x5F) lies between the capitals and the small letters, so only lower-casing puts
    // "Zed" after "_x"; accented capitals fold to their small letters too.
    for (const char* name : {"Zed", "_x", "\xC3\x89mile", "\xC3\xA9mila", "a"}) list.AddItem(name);
    list.SetSorted(1);
    EXPECT_THAT(Rows(), ElementsAre("_x", "a", "Zed", "\xC3\xA9mila", "\xC3\x89mile"));
}

}  // namespace
}  // namespace qv
