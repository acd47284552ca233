// A hang that waits for a given message from another program to one of the chat screen's
// lists: a row's text read, or a count. Under Wine a cross-process LB_GETTEXT first asks the
// list for that row's length itself, without a time limit, so the second of two length queries
// in a row for one row is a text read under way; a hang there holds the reader for the whole
// hang, however it limits its own wait. A hang just after a count is answered catches what the
// reader does next with the answer.
#pragma once

#include <windows.h>

namespace standin {

class HangTrap {
  public:
    enum class Moment { kTextRead, kAfterCount };

    // Sets the trap on control `index` for a hang of `ms`, letting `after` messages of its
    // kind (text reads, counts) pass first. Springs once; a new Arm replaces an unsprung trap.
    void Arm(Moment moment, int index, int ms, int after);
    // Told of every message another thread sends to control `index`: the hang's length when
    // the trap springs at this one, else 0. At a text read the hang comes before the answer;
    // after a count, the caller answers first.
    int Spring(int index, UINT message, WPARAM wparam);
    Moment moment() const { return moment_; }

  private:
    bool armed_ = false;
    Moment moment_ = Moment::kTextRead;
    int index_ = -1;
    int ms_ = 0;
    int to_pass_ = 0;
    // The last message to the trapped control, to see a length query repeated for one row.
    UINT last_message_ = 0;
    WPARAM last_row_ = 0;
};

}  // namespace standin
