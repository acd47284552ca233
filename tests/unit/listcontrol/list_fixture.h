// A list control on a recording canvas, with every event and change notice it raises logged.
#pragma once

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "listcontrol/list_error.h"
#include "listcontrol/listboxfx.h"
#include "sim/recording_canvas.h"
#include "unit/listcontrol/event_log.h"

namespace qv {

// A new control 169 pixels wide and 400 high (25 rows of 16 pixels), shown, with a 17-pixel
// scroll bar.
class ListFixture : public ::testing::Test {
  protected:
    ListFixture() {
        list.SetEvents(&log);
        list.UserControl_InitProperties();
        list.Resize(169, 400, 17);
        list.Show();
    }

    void AddRows(int count) {
        for (int i = 1; i <= count; ++i) list.AddItem("row" + std::to_string(i));
    }

    std::vector<std::string> Rows() const {
        std::vector<std::string> rows;
        for (int32_t s = 1; s <= list.ListCount(); ++s) rows.push_back(list.ListItem(s));
        return rows;
    }

    void Reset() {
        log.events.clear();
        log.notices.clear();
        canvas.ops.clear();
    }

    RecordingCanvas canvas;
    EventLog log;
    ListBoxFX list{canvas};
};

// Runs a statement that must raise ListError with the given number.
#define EXPECT_LIST_ERROR(statement, number)                         \
    do {                                                             \
        try {                                                        \
            statement;                                               \
            ADD_FAILURE() << "no error from " #statement;            \
        } catch (const ListError& error) {                           \
            EXPECT_EQ(error.Number(), static_cast<int32_t>(number)); \
        }                                                            \
    } while (0)

}  // namespace qv
