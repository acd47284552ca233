#include "hang_trap.h"

namespace standin {

void HangTrap::Arm(Moment moment, int index, int ms, int after) {
    armed_ = true;
    moment_ = moment;
    index_ = index;
    ms_ = ms;
    to_pass_ = after;
    last_message_ = 0;
}

int HangTrap::Spring(int index, UINT message, WPARAM wparam) {
    if (!armed_ || index != index_) return 0;
    bool sprung = false;
    if (moment_ == Moment::kTextRead) {
        if (message == LB_GETTEXT && to_pass_ > 0) --to_pass_;
        sprung = message == LB_GETTEXTLEN && to_pass_ == 0 && last_message_ == LB_GETTEXTLEN &&
                 last_row_ == wparam;
        last_message_ = message;
        last_row_ = wparam;
    } else if (message == LB_GETCOUNT) {
        sprung = to_pass_ == 0;
        if (to_pass_ > 0) --to_pass_;
    }
    if (!sprung) return 0;
    armed_ = false;
    return ms_;
}

}  // namespace standin
