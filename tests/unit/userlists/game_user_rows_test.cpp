// Copying the game's user list boxes: every row whole and in order, whatever its length, never
// read into a buffer smaller than the row, and empty text for a row that cannot be read.
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

TEST_F(GameUserRows, NoWindowOrAHangingGameGivesNoRowsOrEmptyRows) {
    std::vector<std::string> rows = {"stale"};
    CopyGameUserRows(windows, 0, rows);
    EXPECT_TRUE(rows.empty());
    List().rows = {"Alice\t0 RATS", "bob\t0 PXES"};
    windows.BeforeNextGetText([this] { List().silent = true; });
    CopyGameUserRows(windows, list_, rows);
    // The count was answered before the game stopped: two rows, both unreadable.
    EXPECT_EQ(rows, (std::vector<std::string>{"", ""}));
}

}  // namespace
}  // namespace qv
