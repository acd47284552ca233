// Not a test: the driver of tools/measure_cpu.sh. It starts the stand-in with 40 channel users
// and 80 friends and the companion beside it, lets them settle, and then marks on standard
// output the two 20-second phases that the script measures from outside (the companion's CPU
// time in /proc): the Channel view, then the Both view. Disabled, so the test runs leave it
// out; the script runs it with --gtest_also_run_disabled_tests.
#include <gtest/gtest.h>

#include <cstdio>

#include "e2e/game_pair.h"

namespace {

constexpr int kOption3 = 1305;  // Both
constexpr DWORD kSettleMs = 4000;
constexpr DWORD kPhaseMs = 20000;

void Mark(const char* phase, const char* edge) {
    std::printf("CPU-PHASE %s %s\n", phase, edge);
    std::fflush(stdout);
}

TEST(CpuMeasure, DISABLED_IdleStandinWith40UsersAnd80Friends) {
    e2e::GamePair pair;
    ASSERT_TRUE(pair.Start("cpu", {"channel CPU Test", "users channel 40", "users friends 80"}))
        << pair.error;
    ASSERT_TRUE(pair.WaitBound(1, 20000));
    Sleep(kSettleMs);
    Mark("channel", "begin");
    Sleep(kPhaseMs);
    Mark("channel", "end");
    SendMessageW(pair.Control(kOption3), BM_CLICK, 0, 0);
    Sleep(kSettleMs);
    Mark("both", "begin");
    Sleep(kPhaseMs);
    Mark("both", "end");
    const auto lines = pair.Transcript();
    std::printf(
        "stand-in transcript: %zu lines, %d tab clicks, %d scroll-bar changes\n", lines.size(),
        e2e::CountPrefix(lines, "click friends-tab") + e2e::CountPrefix(lines, "click channel-tab"),
        e2e::CountPrefix(lines, "scrollbar "));
    std::fflush(stdout);
}

}  // namespace
