#include <gtest/gtest.h>

#include "core/change_field.h"
#include "core/number_text.h"
#include "core/virtual_clock.h"

namespace qv {
namespace {

TEST(Timers, PeriodicTimerTicksEveryIntervalAndArmingAgainDoesNotRestartIt) {
    VirtualClock clock;
    Timer timer(clock, "t", 555);
    std::vector<int64_t> ticks;
    timer.SetHandler([&] { ticks.push_back(clock.Now()); });
    timer.SetEnabled(true);
    clock.Advance(300);
    timer.SetEnabled(true);  // already running: the period goes on
    clock.Advance(1000);
    EXPECT_EQ(ticks, (std::vector<int64_t>{555, 1110}));
    // A handler busy for 2 s: the ticks it held up come once, late, and the period goes on
    // from there.
    clock.Elapse(2000);
    EXPECT_EQ(ticks.size(), 2u);
    clock.Advance(555);
    EXPECT_EQ(ticks, (std::vector<int64_t>{555, 1110, 3300, 3855}));
}

TEST(Timers, OneShotDisarmsItselfAndCanBeArmedAgainFromItsHandler) {
    VirtualClock clock;
    Timer once(clock, "once", 50, true);
    int runs = 0;
    once.SetHandler([&] {
        if (++runs == 1) once.SetEnabled(true);
    });
    once.SetEnabled(true);
    clock.Advance(500);
    EXPECT_EQ(runs, 2);
    EXPECT_FALSE(once.Enabled());
}

TEST(Timers, StoppedTimerDoesNotTickAndRestartTakesAFreshPeriod) {
    VirtualClock clock;
    Timer timer(clock, "t", 200);
    int runs = 0;
    timer.SetHandler([&] { ++runs; });
    timer.SetEnabled(true);
    clock.Advance(150);
    timer.SetEnabled(false);
    clock.Advance(150);
    timer.SetEnabled(true);
    clock.Advance(199);
    EXPECT_EQ(runs, 0);
    clock.Advance(1);
    EXPECT_EQ(runs, 1);
}

TEST(Timers, RestingTimerStaysOnRunsNothingAndWokenKeepsItsPeriod) {
    VirtualClock clock;
    Timer timer(clock, "t", 100);
    std::vector<int64_t> ticks;
    timer.SetHandler([&] { ticks.push_back(clock.Now()); });
    timer.SetEnabled(true);
    clock.Advance(150);
    timer.Rest();
    EXPECT_TRUE(clock.Resting(timer));
    clock.Advance(300);
    EXPECT_TRUE(timer.Enabled());
    EXPECT_EQ(ticks, (std::vector<int64_t>{100}));
    timer.Wake();  // at 450: the next tick is the one its period gives, not a fresh period
    clock.Advance(100);
    EXPECT_EQ(ticks, (std::vector<int64_t>{100, 500}));
    timer.Rest();
    timer.SetEnabled(false);
    timer.SetEnabled(true);  // switched off and on: ticking again, with a fresh period
    EXPECT_FALSE(clock.Resting(timer));
    clock.Advance(100);
    EXPECT_EQ(ticks, (std::vector<int64_t>{100, 500, 650}));
}

TEST(Timers, TicksDueTogetherRunInStartOrder) {
    VirtualClock clock;
    Timer a(clock, "a", 10), b(clock, "b", 5);
    std::string order;
    a.SetHandler([&] { order += 'a'; });
    b.SetHandler([&] { order += 'b'; });
    a.SetEnabled(true);
    b.SetEnabled(true);
    clock.Advance(10);
    EXPECT_EQ(order, "bab");
}

TEST(ChangeFields, EqualWriteFiresNothingAndSelfWriteReenters) {
    TextField field{"0"};
    std::vector<std::string> seen;
    field.OnChange([&] {
        seen.push_back(field.Get());
        if (field.Get() == "1") field.Set("2");
    });
    EXPECT_FALSE(field.Set("0"));
    EXPECT_TRUE(field.Set("1"));
    EXPECT_EQ(seen, (std::vector<std::string>{"1", "2"}));
    EXPECT_EQ(field.Get(), "2");
}

TEST(NumberText, BlanksAroundANumberConvertAnythingElseDoesNot) {
    EXPECT_EQ(ParseInt32(" 65602 "), 65602);
    EXPECT_EQ(ParseInt32("-123 "), -123);
    EXPECT_FALSE(ParseInt32(" 65602 Brood War").has_value());
    EXPECT_FALSE(ParseInt32("").has_value());
    EXPECT_FALSE(ParseInt32(std::string(" 12 \0  ", 7)).has_value());
    EXPECT_FALSE(ParseInt16("32768").has_value());
    EXPECT_EQ(ParseInt16("-32768"), -32768);
}

}  // namespace
}  // namespace qv
