// Every event and change notice that a list control raises, logged in order.
#pragma once

#include <string>
#include <vector>

#include "listcontrol/list_events.h"

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

}  // namespace qv
