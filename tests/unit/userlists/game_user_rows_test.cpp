// Copying the game's user list boxes: every row whole and in order, whatever its length, never
// read into a buffer smaller than the row, and the last whole copy kept while the game hangs.
#include <gtest/gtest.h>

#include "sim/sim_window_system.h"
#include "userlists/game_user_rows.h"

namespace qv {
namespace {

class GameUserRows : public ::testing::Test {
  protected:
    GameUserRows() {
        top_ = windows.AddTopLevel("");
        list_ = windows.AddChild(top_, SimKind::ListBox);
    }
    SimWindow& List() { return windows.Get(list_); }
    SimWindowSystem windows;
    WindowHandle top_ = 0;
    WindowHandle list_ = 0;
};

TEST_F(GameUserRows, RowsAreCopiedInOrderWholeAndWithTheirEightBitLetters) {
    List().rows = {"\xC3\xA4lice\t0 RATS", "J\xC3\xBCrgen\t0 PXES", "",
                   "bob \xE2\x82\xAC\t32 PXES \xC3\xBF"};
    std::vector<std::string> rows = {"stale"};
    CopyGameUserRows(windows, list_, rows);
    EXPECT_EQ(rows, List().rows);
}

TEST_F(GameUserRows, RowsFarLongerThanAnyUserRowComeBackWholeWithoutAShortBuffer) {
    const std::string long_row = "Alice\t0 " + std::string(20000, 'y') + " RATS";
    const std::string long_eight_bit = "\xE2\x82\xAC" + std::string(9000, 'e') + "\xC3\xA4";
    List().rows = {"bob\t0 PXES", long_row, long_eight_bit, std::string(4608, 'z')};
    std::vector<std::string> rows;
    CopyGameUserRows(windows, list_, rows);
    EXPECT_EQ(rows, List().rows);
    EXPECT_EQ(windows.short_buffer_reads, 0);
}

TEST_F(GameUserRows, ARowThatGrowsBeforeItsReadIsReadAgainWhole) {
    List().rows = {"Alice\t0 RATS", "bob\t0 PXES"};
    const std::string grown = "bob\t0 " + std::string(3000, 'x') + " PXES";
    windows.BeforeNextGetText([this, grown] { List().rows[0] = grown; });
    std::vector<std::string> rows;
    CopyGameUserRows(windows, list_, rows);
    EXPECT_EQ(rows, (std::vector<std::string>{grown, "bob\t0 PXES"}));
}

TEST_F(GameUserRows, NoWindowGivesNoRowsAndAHangingGameLeavesTheLastWholeCopy) {
    std::vector<std::string> rows = {"stale"};
    EXPECT_TRUE(CopyGameUserRows(windows, 0, rows));
    EXPECT_TRUE(rows.empty());
    List().rows = {"Alice\t0 RATS", "bob\t0 PXES"};
    ASSERT_TRUE(CopyGameUserRows(windows, list_, rows));
    const std::vector<std::string> copied = rows;
    List().rows.push_back("Carl\t0 NB2W");
    List().silent = true;
    EXPECT_FALSE(CopyGameUserRows(windows, list_, rows));
    EXPECT_EQ(rows, copied) << "an unanswered count is not an empty list";
    // The count is answered, then the game stops before the second row: no half copy.
    List().silent = false;
    windows.BeforeNextGetText(
        [this] { windows.BeforeNextGetText([this] { List().silent = true; }); });
    EXPECT_FALSE(CopyGameUserRows(windows, list_, rows));
    EXPECT_EQ(rows, copied);
    List().silent = false;
    EXPECT_TRUE(CopyGameUserRows(windows, list_, rows));
    EXPECT_EQ(rows, List().rows);
}

}  // namespace
}  // namespace qv
