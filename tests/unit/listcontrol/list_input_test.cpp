#include "unit/listcontrol/list_fixture.h"

namespace qv {
namespace {

using ::testing::ElementsAre;

class ListInput : public ListFixture {
  protected:
    void Click(int16_t button, float y) {
        list.ButtonDown(button, 0, 10, y);
        list.ButtonUp(button, 0, 10, y);
    }
    void DoubleClick(float y) {
        Click(kButtonLeft, y);
        list.ButtonDoubleClick(kButtonLeft, 0, 10, y);
        list.ButtonUp(kButtonLeft, 0, 10, y);
    }
    void Key(int16_t code) {
        list.SurfaceKeyDown(code, 0);
        list.SurfaceKeyUp(code, 0);
    }
    // A list of 30 rows, 25 of them visible.
    void ThirtyRows() {
        list.Paint();
        AddRows(30);
        Reset();
    }
};

TEST_F(ListInput, LeftPressSelectsByRowUnderThePointerPlusScroll) {
    list.Paint();
    AddRows(40);
    list.SurfaceMouseDown(kButtonLeft, 0, 10, 40);
    EXPECT_EQ(list.Model().SelectedSlot(), 3);
    list.ScrollBarChange(10);
    list.SurfaceMouseDown(kButtonLeft, 0, 10, 40);
    EXPECT_EQ(list.Model().SelectedSlot(), 13);
    // Below the last row the selection stays.
    list.ScrollBarChange(5);
    list.Resize(169, 600, 17);
    list.SurfaceMouseDown(kButtonLeft, 0, 10, 590);  // slot 42 of 40
    EXPECT_EQ(list.Model().SelectedSlot(), 13);
}

TEST_F(ListInput, ClickGestureOrders) {
    ThirtyRows();
    Click(kButtonLeft, 20);
    EXPECT_THAT(log.events, ElementsAre("MouseDown", "MouseUp", "Click", "Change"));
    EXPECT_EQ(list.ItemSelectedText(), "row2");
    log.events.clear();
    DoubleClick(36);
    EXPECT_THAT(log.events, ElementsAre("MouseDown", "MouseUp", "Click", "Change", "dblClick",
                                        "Change", "MouseUp"));
    log.events.clear();
    Click(kButtonRight, 60);
    EXPECT_THAT(log.events, ElementsAre("MouseDown", "MouseUp"));
    EXPECT_EQ(log.last_args, "2,0,10,60");
    EXPECT_EQ(list.ItemSelectedText(), "row3");
}

TEST_F(ListInput, PressOnEmptyListSelectsNothingButStillClicks) {
    list.ButtonDown(kButtonLeft, 0, 10, 5);
    EXPECT_THAT(log.events, ElementsAre("MouseDown"));
    list.ButtonUp(kButtonLeft, 0, 10, 5);
    EXPECT_THAT(log.events, ElementsAre("MouseDown", "MouseUp", "Click", "Change"));
    EXPECT_EQ(list.ListIndex(), -1);
    // Released outside the surface: no click.
    log.events.clear();
    list.ButtonDown(kButtonLeft, 0, 10, 5);
    list.ButtonUp(kButtonLeft, 0, 10, -3);
    EXPECT_THAT(log.events, ElementsAre("MouseDown", "MouseUp"));
}

TEST_F(ListInput, MouseDownHandlerSeesThePreviousSelection) {
    struct Spy : EventLog {
        ListBoxFX* list = nullptr;
        std::string seen_down, seen_click;
        void MouseDown(int16_t&, int16_t&, float&, float&) override {
            seen_down = list->ItemSelectedText();
        }
        void Click() override { seen_click = list->ItemSelectedText(); }
    } spy;
    spy.list = &list;
    AddRows(3);
    list.SetEvents(&spy);
    Click(kButtonLeft, 40);
    EXPECT_EQ(spy.seen_down, "");
    EXPECT_EQ(spy.seen_click, "row3");
}

TEST_F(ListInput, HomeAndEndSelectAndScroll) {
    ThirtyRows();
    list.ScrollBarChange(3);
    list.SetListIndex(10);
    log.events.clear();
    Key(kKeyHome);
    EXPECT_THAT(log.events, ElementsAre("KeyDown", "Change", "KeyUp"));
    EXPECT_EQ(list.ListIndex(), 0);
    EXPECT_EQ(list.vBar().value, 0);
    log.events.clear();
    Key(kKeyEnd);
    EXPECT_THAT(log.events, ElementsAre("KeyDown", "Change", "KeyUp"));
    EXPECT_EQ(list.ListIndex(), 29);
    EXPECT_EQ(list.vBar().value, 5);
}

TEST_F(ListInput, EndOnEmptyListDoesNothing) {
    Key(kKeyEnd);
    EXPECT_THAT(log.events, ElementsAre("KeyDown", "KeyUp"));
    EXPECT_EQ(list.ListIndex(), -1);
}

TEST_F(ListInput, UpAndDownMoveOneRowAndRaiseChangeTwice) {
    ThirtyRows();
    Key(kKeyDown);  // no selection: selects the first row
    EXPECT_THAT(log.events, ElementsAre("KeyDown", "Change", "Change", "KeyUp"));
    EXPECT_EQ(list.ListIndex(), 0);
    log.events.clear();
    Key(kKeyUp);  // on the first row: nothing moves
    EXPECT_THAT(log.events, ElementsAre("KeyDown", "KeyUp"));
    list.SetListIndex(29);
    log.events.clear();
    Key(kKeyDown);  // on the last row
    EXPECT_THAT(log.events, ElementsAre("KeyDown", "KeyUp"));
}

TEST_F(ListInput, ArrowsScrollByOneRowAtTheSurfaceEdges) {
    ThirtyRows();
    list.SetListIndex(23);  // slot 24, one above the bottom row
    Key(kKeyDown);
    EXPECT_EQ(list.vBar().value, 0);  // slot 25 is the bottom row, still visible
    Key(kKeyDown);
    EXPECT_EQ(list.ListIndex(), 25);
    EXPECT_EQ(list.vBar().value, 1);  // the selected row became the bottom row
    list.ScrollBarChange(5);
    list.SetListIndex(7);  // slot 8: the third row on the surface
    Key(kKeyUp);
    EXPECT_EQ(list.vBar().value, 5);
    Key(kKeyUp);  // onto the top row on the surface, which does not count as visible
    EXPECT_EQ(list.ListIndex(), 5);
    EXPECT_EQ(list.vBar().value, 4);
}

TEST_F(ListInput, LeftAndRightActAsUpAndDownButReportTheirOwnCode) {
    ThirtyRows();
    list.SetListIndex(4);
    list.SurfaceKeyDown(kKeyRight, 1);
    EXPECT_EQ(log.last_args, "39,1");
    EXPECT_EQ(list.ListIndex(), 5);
    list.SurfaceKeyDown(kKeyLeft, 0);
    EXPECT_EQ(log.last_args, "37,0");
    EXPECT_EQ(list.ListIndex(), 4);
    log.events.clear();
    list.SurfaceKeyDown(65, 0);
    list.SurfaceKeyPress(97);
    EXPECT_THAT(log.events, ElementsAre("KeyDown", "KeyPress"));
    EXPECT_EQ(log.last_args, "97");
}

TEST_F(ListInput, IsItemVisibleLeavesOutTheTopRow) {
    ThirtyRows();
    list.ScrollBarChange(3);
    EXPECT_FALSE(list.IsItemVisible(3));
    EXPECT_TRUE(list.IsItemVisible(4));
    EXPECT_TRUE(list.IsItemVisible(27));
    EXPECT_FALSE(list.IsItemVisible(28));
}

TEST_F(ListInput, EveryThumbStepRedraws) {
    ThirtyRows();
    list.ScrollBarScroll(2);
    list.ScrollBarScroll(2);
    list.ScrollBarScroll(3);
    EXPECT_EQ(canvas.OfKind("Clear").size(), 3u);
    EXPECT_EQ(canvas.Texts().back(), "row30");
    EXPECT_EQ(list.vBar().value, 3);
}

TEST_F(ListInput, ShowSetsRowHeightAndSorts) {
    list.AddItem("pear");
    list.AddItem("Apple");
    canvas.text_height = 20;
    list.Show();
    EXPECT_EQ(list.ItemHeight(), 20);
    EXPECT_THAT(Rows(), ElementsAre("Apple", "pear"));
    // With icons, a taller text raises ImageHeight and the row height follows it.
    list.SetShowIcons(true);
    list.Show();
    EXPECT_EQ(list.ImageHeight(), 20);
    EXPECT_EQ(list.ItemHeight(), 20);
    canvas.text_height = 12;
    list.Show();
    EXPECT_EQ(list.ItemHeight(), 20);
}

TEST_F(ListInput, DisabledSurfaceIgnoresInput) {
    AddRows(3);
    list.SetEnabled(false);
    Click(kButtonLeft, 20);
    Key(kKeyDown);
    EXPECT_TRUE(log.events.empty());
    EXPECT_EQ(list.ListIndex(), -1);
}

TEST_F(ListInput, PressCutShortByDisablingMakesNoLaterClick) {
    AddRows(3);
    list.ButtonDown(kButtonLeft, 0, 10, 20);
    list.SetEnabled(false);
    list.ButtonUp(kButtonLeft, 0, 10, 20);
    list.SetEnabled(true);
    // A release with no press of its own, as when a drag from elsewhere ends over the list.
    list.ButtonUp(kButtonLeft, 0, 10, 20);
    EXPECT_THAT(log.events, ElementsAre("MouseDown", "MouseUp"));
}

}  // namespace
}  // namespace qv
