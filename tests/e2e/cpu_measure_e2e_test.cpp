// Not a test: the driver of tools/measure_cpu.sh. It starts the stand-in with 47 channel users
// and 83 friends and then, in rounds, alternately the companion and the floor reader beside
// it (tests/cpu_floor: only the list messages that keep the copies current, nothing else). In
// each round it marks on standard output four phases that the script measures from outside
// (the CPU time in /proc): the companion in the Channel view, then in the Both view, then the
// floor reader as for the Channel view and as for the Both view. The phases alternate so a
// busy machine disturbs both sides alike. Disabled, so the test runs leave it out; the script
// runs it with --gtest_also_run_disabled_tests.
//
// QV_CPU_ROUNDS (default 3) and QV_CPU_PHASE_SECONDS (default 20) set the rounds and the
// length of a phase.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "e2e/game_pair.h"

namespace {

constexpr int kOption3 = 1305;  // Both
constexpr DWORD kSettleMs = 6000;
constexpr int kBindTimeoutMs = 30000;
// Rows of the game control map: the chat list, the channel user list, the friends list.
constexpr int kChatList = 9;
constexpr int kChannelList = 7;
constexpr int kFriendsList = 8;

int Setting(const char* name, int fallback) {
    const char* text = std::getenv(name);
    const int value = text ? std::atoi(text) : 0;
    return value > 0 ? value : fallback;
}

void Mark(int round, const char* who, const char* view, const char* edge) {
    std::printf("CPU-PHASE %d %s %s %s\n", round, who, view, edge);
    std::fflush(stdout);
}

void Phase(int round, const char* who, const char* view, DWORD phase_ms) {
    Sleep(kSettleMs);
    Mark(round, who, view, "begin");
    Sleep(phase_ms);
    Mark(round, who, view, "end");
}

std::wstring HandleText(HWND window) {
    return std::to_wstring(static_cast<long long>(reinterpret_cast<intptr_t>(window)));
}

TEST(CpuMeasure, DISABLED_IdleStandinWith47UsersAnd83Friends) {
    const int rounds = Setting("QV_CPU_ROUNDS", 3);
    const DWORD phase_ms = static_cast<DWORD>(Setting("QV_CPU_PHASE_SECONDS", 20)) * 1000;
    e2e::GamePair pair;
    ASSERT_TRUE(pair.Start("cpu", {"channel CPU Test", "users channel 47", "users friends 83"}))
        << pair.error;
    for (int round = 1; round <= rounds; ++round) {
        if (round > 1) ASSERT_TRUE(pair.StartCompanion()) << pair.error;
        ASSERT_TRUE(pair.WaitBound(round, kBindTimeoutMs));
        Phase(round, "companion", "channel", phase_ms);
        SendMessageW(pair.Control(kOption3), BM_CLICK, 0, 0);
        Phase(round, "companion", "both", phase_ms);
        pair.StopCompanion();

        for (const wchar_t* view : {L"channel", L"both"}) {
            e2e::Process floor;
            ASSERT_TRUE(floor.Start(L"\"" + e2e::ExeDir() + L"\\cpu-floor-reader.exe\" " +
                                    HandleText(pair.GameControl(kChatList)) + L" " +
                                    HandleText(pair.GameControl(kChannelList)) + L" " +
                                    HandleText(pair.GameControl(kFriendsList)) + L" " + view));
            Phase(round, "floor", e2e::Narrow(view).c_str(), phase_ms);
            floor.Stop();
        }
    }
    const auto lines = pair.Transcript();
    std::printf(
        "stand-in transcript: %zu lines, %d tab clicks, %d scroll-bar changes\n", lines.size(),
        e2e::CountPrefix(lines, "click friends-tab") + e2e::CountPrefix(lines, "click channel-tab"),
        e2e::CountPrefix(lines, "scrollbar "));
    std::fflush(stdout);
}

}  // namespace
