// The simulated list box answers LB_SELECTSTRING as the game's list box does for the program's
// wParam 0, so tests of the welcome lines can tell a right selection from a wrong one.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sim/sim_window_system.h"

namespace qv {
namespace {

class SimListSelect : public ::testing::Test {
  protected:
    SimWindow& ListWith(const std::vector<std::string>& rows, int selected) {
        const WindowHandle parent = windows.AddTopLevel("");
        SimWindow& list = windows.Get(windows.AddChild(parent, SimKind::ListBox));
        list.rows = rows;
        list.selected_row = selected;
        return list;
    }
    int Select(SimWindow& list, const std::string& text) {
        windows.ListSelectString(list.handle, text);
        return list.selected_row;
    }

    SimWindowSystem windows;
};

TEST_F(SimListSelect, SearchStartsAtRowOneWhateverIsSelectedAndTestsRowZeroLast) {
    SimWindow& list = ListWith({"Apfel", "Birne", "apfelbaum", "Apfelkuchen"}, 2);
    EXPECT_EQ(Select(list, "APF"), 2) << "the selection at row 2 does not move the start";
    list.selected_row = 3;
    EXPECT_EQ(Select(list, "apf"), 2) << "a selection at the last row does not wrap to row 0";
    list.rows = {"Apfel", "Birne", "Kirsche"};
    list.selected_row = 1;
    EXPECT_EQ(Select(list, "apfel"), 0) << "row 0 is found when no later row begins so";
}

TEST_F(SimListSelect, MatchesTheStartOfARowIgnoringCp1252LetterCase) {
    SimWindow& list = ListWith({"x",
                                "B\xc3\xa4r",  // Bär
                                "\xc3\x84rger \xc3\xbc"
                                "ber \xe2\x82\xac"
                                "5 \xc3\x9f",       // Ärger über €5 ß
                                "\xc5\xb8 end",     // Ÿ end
                                "\xc2\x81\xc2\x8d"  // unmapped bytes 0x81 0x8D
                                "row"},
                               -1);
    EXPECT_EQ(Select(list,
                     "\xc3\xa4RGER \xc3\x9c"
                     "BER \xe2\x82\xac"
                     "5 \xc3\x9f"),  // äRGER ÜBER €5 ß
              2);
    EXPECT_EQ(Select(list, "b\xc3\x84R"), 1);    // bÄR
    EXPECT_EQ(Select(list, "\xc3\xbf END"), 3);  // ÿ END
    EXPECT_EQ(Select(list, "\xc2\x81\xc2\x8dROW"), 4);
    EXPECT_EQ(Select(list, "rger"), 4) << "the text must stand at the start of the row";
    EXPECT_EQ(Select(list, "B\xc3\xa4ren"), 4) << "a longer text does not match";
    EXPECT_EQ(Select(list, ""), 1) << "every row begins with the empty text";
}

TEST_F(SimListSelect, NoListAndEmptyListSelectNothing) {
    SimWindow& list = ListWith({}, -1);
    EXPECT_EQ(Select(list, "a"), -1);
    windows.ListSelectString(0, "a");
    EXPECT_EQ(windows.log.back(), "LB_SELECTSTRING 0 a");
}

}  // namespace
}  // namespace qv
