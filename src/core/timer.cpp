#include "core/timer.h"

namespace qv {

Timer::Timer(TimerService& service, std::string name, int interval_ms, bool one_shot)
    : service_(service), name_(std::move(name)), interval_ms_(interval_ms), one_shot_(one_shot) {}

Timer::~Timer() {
    if (enabled_) service_.StopTimer(*this);
}

void Timer::SetEnabled(bool on) {
    if (on == enabled_) return;
    enabled_ = on;
    resting_ = false;
    if (on) {
        service_.StartTimer(*this);
    } else {
        service_.StopTimer(*this);
    }
}

void Timer::SetInterval(int interval_ms) {
    if (interval_ms == interval_ms_) return;
    interval_ms_ = interval_ms;
    if (enabled_) {
        service_.StopTimer(*this);
        service_.StartTimer(*this);
        if (resting_) service_.RestTimer(*this);
    }
}

void Timer::Rest() {
    if (!enabled_ || resting_) return;
    resting_ = true;
    service_.RestTimer(*this);
}

void Timer::Wake() {
    if (!resting_) return;
    resting_ = false;
    service_.WakeTimer(*this);
}

void Timer::Fire() {
    if (!enabled_ || resting_) return;
    if (one_shot_) SetEnabled(false);
    if (handler_) handler_();
}

}  // namespace qv
