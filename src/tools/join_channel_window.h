// The second join window `Form5` "Join Channel" (Part 5.104): a typed channel name joined
// through `time2` and `send2_Click`. Built as the Part gives it; nothing in the program shows,
// loads or calls it.
#pragma once

#include "core/form_state.h"
#include "gamelink/send_paths.h"

namespace qv {

constexpr int kForm5NameLength = 50;  // Text1 takes at most 50 typed characters

FormSpec Form5Layout();

class Form5 {
  public:
    explicit Form5(SendPaths& send);
    Form5(const Form5&) = delete;
    Form5& operator=(const Form5&) = delete;

    void Command1_Click();  // join

    FormState form;

  private:
    SendPaths& send_;
};

}  // namespace qv
