// The local date and time, and the user's regional time format.
#pragma once

#include <string>

namespace qv {

struct LocalDateTime {
    int year = 2000;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

class LocalClock {
  public:
    virtual ~LocalClock() = default;
    virtual LocalDateTime Now() = 0;
    // The time of day in the user's regional time format.
    virtual std::string FormatTime(const LocalDateTime& when) = 0;
};

}  // namespace qv
