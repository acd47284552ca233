// The welcome lines end with the fifth one selected in the game's chat list, found as the
// list box finds it: from row 1 on, row 0 last, ignoring letter case and any selection.
#include <gtest/gtest.h>

#include "unit/form_fixture.h"

namespace qv {
namespace {

class WelcomeSelection : public FormFixture {
  protected:
    // The fifth welcome line with the time stamp of the fixture's clock.
    static std::string FifthLine() {
        return "\x13"
               "21:05:09: \x1b"
               "Dunmarrow aka Dunmarrow]Zelk[";
    }
    void Bind() {
        StartForm();
        world.clock.Advance(555);
        ASSERT_EQ(form->boxes.list.Get(), Handle(game.Control(9)));
        ASSERT_EQ(game.ChatList().rows.back(), FifthLine());
    }

    SimGame game{world.windows};
};

TEST_F(WelcomeSelection, AnEarlierRowBeginningWithTheFifthLineIsSelectedInstead) {
    game.AddChatRow("first");
    game.AddChatRow("second");
    game.AddChatRow(
        "\x13"
        "21:05:09: \x1b"
        "DUNMARROW AKA Dunmarrow]ZELK[ said so");
    game.AddChatRow("fourth");
    game.ChatList().selected_row = 3;  // the player had selected a row below it
    Bind();
    EXPECT_EQ(game.ChatList().selected_row, 2);
}

TEST_F(WelcomeSelection, ARowZeroMatchLosesToTheLineJustAdded) {
    game.AddChatRow(FifthLine());
    game.AddChatRow("second");
    game.ChatList().selected_row = 1;
    Bind();
    EXPECT_EQ(game.ChatList().selected_row, 6);
}

}  // namespace
}  // namespace qv
