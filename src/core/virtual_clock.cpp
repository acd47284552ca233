#include "core/virtual_clock.h"

#include <algorithm>

namespace qv {

void VirtualClock::StartTimer(Timer& timer) {
    timer.service_due = now_ + std::max(1, timer.Interval());
    timer.service_seq = next_seq_++;
    running_.push_back(&timer);
}

void VirtualClock::StopTimer(Timer& timer) {
    running_.erase(std::remove(running_.begin(), running_.end(), &timer), running_.end());
    resting_.erase(&timer);
}

Timer* VirtualClock::NextDue(int64_t limit) {
    Timer* best = nullptr;
    for (Timer* t : running_) {
        if (t->service_due > limit) continue;
        if (!best || t->service_due < best->service_due ||
            (t->service_due == best->service_due && t->service_seq < best->service_seq)) {
            best = t;
        }
    }
    return best;
}

void VirtualClock::Advance(int64_t ms) {
    const int64_t target = now_ + ms;
    while (Timer* t = NextDue(target)) {
        // A tick that fell due while the program was busy comes now, once.
        now_ = std::max(now_, t->service_due);
        // Schedule the next period before the handler runs, so a handler that stops and
        // restarts its own timer gets a fresh period.
        t->service_due = now_ + std::max(1, t->Interval());
        t->Fire();
    }
    now_ = target;
}

}  // namespace qv
