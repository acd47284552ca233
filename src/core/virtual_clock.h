// A timer service on virtual time for tests: Advance(555) runs every tick that falls due
// in those 555 ms, in time order, instantly.
#pragma once

#include <cstdint>
#include <set>
#include <vector>

#include "core/timer.h"

namespace qv {

class VirtualClock : public TimerService {
  public:
    void StartTimer(Timer& timer) override;
    void StopTimer(Timer& timer) override;
    // A resting timer's ticks still come due here (they run nothing), so its period holds.
    void RestTimer(Timer& timer) override { resting_.insert(&timer); }
    void WakeTimer(Timer& timer) override { resting_.erase(&timer); }
    bool Resting(const Timer& timer) const { return resting_.count(&timer) != 0; }

    // Runs all ticks due up to now + ms. Ticks due at the same moment run in the order
    // their timers were started.
    void Advance(int64_t ms);
    // Time passes while the program is busy in a handler: no tick runs now; each timer that
    // fell due meanwhile ticks once at the next Advance, as a late WM_TIMER does.
    void Elapse(int64_t ms) { now_ += ms; }
    int64_t Now() const override { return now_; }

  private:
    Timer* NextDue(int64_t limit);

    int64_t now_ = 0;
    uint64_t next_seq_ = 0;
    std::vector<Timer*> running_;
    std::set<const Timer*> resting_;
};

}  // namespace qv
