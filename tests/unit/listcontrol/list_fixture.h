// A list control on a recording canvas, with every event and change notice it raises logged.
#pragma once

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "listcontrol/list_error.h"
#include "listcontrol/listboxfx.h"
#include "sim/recording_canvas.h"

namespace qv {

class EventLog : public ListBoxFXEvents {
  public:
    std::vector<std::string> events;
    std::vector<std::string> notices;
    std::string last_args;  // arguments of the last key or mouse event, "a,b[,x,y]"

    void Click() override { events.push_back("Click"); }
    void dblClick() override { events.push_back("dblClick"); }
    void KeyDown(int16_t& code, int16_t& shift) override { Key("KeyDown", code, shift); }
    void KeyPress(int16_t& ascii) override {
        events.push_back("KeyPress");
        last_args = std::to_string(ascii);
    }
    void KeyUp(int16_t& code, int16_t& shift) override { Key("KeyUp", code, shift); }
    void MouseDown(int16_t& b, int16_t& s, float& x, float& y) override {
        Mouse("MouseDown", b, s, x, y);
    }
    void MouseMove(int16_t& b, int16_t& s, float& x, float& y) override {
        Mouse("MouseMove", b, s, x, y);
    }
    void MouseUp(int16_t& b, int16_t& s, float& x, float& y) override {
        Mouse("MouseUp", b, s, x, y);
    }
    void Change() override { events.push_back("Change"); }
    void PropertyChanged(const std::string& name) override { notices.push_back(name); }

  private:
    void Key(const char* name, int16_t code, int16_t shift) {
        events.push_back(name);
        last_args = std::to_string(code) + "," + std::to_string(shift);
    }
    void Mouse(const char* name, int16_t b, int16_t s, float x, float y) {
        events.push_back(name);
        last_args = std::to_string(b) + "," + std::to_string(s) + "," +
                    std::to_string(static_cast<int>(x)) + "," + std::to_string(static_cast<int>(y));
    }
};

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
