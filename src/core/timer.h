// Timers of the event loop. Every periodic or one-shot step of the program is a Timer owned
// by the class that runs the step; its interval is a named constant in that class's header
// (kPumpPeriodMs in chat/chat_pump.h, for one).
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace qv {

class Timer;

// Drives timers: the Win32 message loop in the program, a virtual clock in tests.
class TimerService {
  public:
    virtual ~TimerService() = default;
    // Called when a timer goes from off to on; the first tick is one interval later.
    virtual void StartTimer(Timer& timer) = 0;
    // Called when a timer goes from on to off, or is destroyed while on.
    virtual void StopTimer(Timer& timer) = 0;
    // Milliseconds on the clock the timers run on; it never goes back.
    virtual int64_t Now() const = 0;
    // Called when a running timer starts or ends a rest (Timer::Rest); its period goes on
    // meanwhile. A service may skip the ticks of a resting timer, which run nothing anyway.
    virtual void RestTimer(Timer&) {}
    virtual void WakeTimer(Timer&) {}
};

class Timer {
  public:
    using Handler = std::function<void()>;

    Timer(TimerService& service, std::string name, int interval_ms, bool one_shot = false);
    ~Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    void SetHandler(Handler handler) { handler_ = std::move(handler); }

    // Arming a running timer does not restart its period; disarming a stopped one does nothing.
    void SetEnabled(bool on);
    bool Enabled() const { return enabled_; }

    // A running timer whose coming ticks would change nothing rests: it stays on and keeps
    // its period, but its ticks run nothing, so the program need not wake for them, until
    // Wake. Its owner wakes it whenever something its handler reads has changed. Switching
    // the timer off ends the rest; neither call does anything to a timer that is off.
    void Rest();
    void Wake();

    // A new interval takes effect at once: a running timer restarts its period.
    void SetInterval(int interval_ms);
    int Interval() const { return interval_ms_; }

    bool OneShot() const { return one_shot_; }
    const std::string& Name() const { return name_; }

    // Called by the service when the period has elapsed. A one-shot timer is switched off
    // before its handler runs, so the handler may arm it again.
    void Fire();

    // Slot for the service's own bookkeeping (due time, Win32 timer id).
    int64_t service_due = 0;
    uint64_t service_seq = 0;

  private:
    TimerService& service_;
    std::string name_;
    int interval_ms_;
    bool one_shot_;
    bool enabled_ = false;
    bool resting_ = false;
    Handler handler_;
};

}  // namespace qv
