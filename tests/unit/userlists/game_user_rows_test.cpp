// Copying the game's user list boxes: one message a row when it fits, the long way for a longer
// row, and empty text for a row that cannot be read.
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
    List().rows = {"Alice\t0 RATS", "J\xC3\xBCrgen\t0 PXES", "", std::string(511, 'x')};
    std::vector<std::string> rows = {"stale"};
    CopyGameUserRows(windows, list_, rows);
    EXPECT_EQ(rows, List().rows);
}

TEST_F(GameUserRows, ALongerRowIsReadTheLongWayAndComesBackWhole) {
    const std::string long_row = std::string(600, 'y');
    List().rows = {long_row, "\xE2\x82\xAC" + std::string(600, 'e')};
    std::vector<std::string> rows;
    CopyGameUserRows(windows, list_, rows);
    EXPECT_EQ(rows, List().rows);
}

TEST_F(GameUserRows, NoWindowOrAHangingGameGivesNoRowsOrEmptyRows) {
    std::vector<std::string> rows = {"stale"};
    CopyGameUserRows(windows, 0, rows);
    EXPECT_TRUE(rows.empty());
    List().rows = {"Alice\t0 RATS"};
    windows.BeforeNextGetText([this] { List().silent = true; });
    CopyGameUserRows(windows, list_, rows);
    EXPECT_EQ(rows, (std::vector<std::string>{""}));
    EXPECT_EQ(ReadUserRow(windows, list_, 5), "");
}

}  // namespace
}  // namespace qv
