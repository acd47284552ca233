// A long chat session under Wine: the stand-in game adds 20,000 generated rows (colour codes,
// 8-bit letters, braces), first a few every 50 ms, then in bursts of 50 between two pump
// passes. Every row must reach the companion's day log exactly once, in order, and the view
// must end with the newest of them, once each, in order; the companion must not pile up GDI
// or USER objects on the way, nor memory.
#include <windows.h>

#include <gtest/gtest.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "chat/chat_view.h"
#include "e2e/expected_text.h"
#include "e2e/game_pair.h"
#include "e2e/gui_objects.h"
#include "row_generator.h"

namespace {

using e2e::WaitUntil;

constexpr int kSteadyRows = 10000;
constexpr int kSteadyRowsPerTick = 10;
constexpr DWORD kSteadyTickMs = 50;
constexpr int kBurstRows = 10000;
constexpr int kBurstSize = 50;
// A little over the pump's 200 ms, so each burst lands between two passes.
constexpr DWORD kBurstGapMs = 210;
constexpr int kBaselineRows = 1000;
constexpr int kTotalRows = kSteadyRows + kBurstRows;
constexpr long kMostObjectGrowth = 5;
// Generous: a loaded machine may run the companion far slower than the game feeds it.
constexpr int kCatchUpTimeoutMs = 300000;
constexpr double kMostMegabytes = 200;

// The companion's private bytes (what GetProcessMemoryInfo calls the page file usage: the
// commit charge on Windows, the anonymous resident memory under Wine) and working set, in MB.
struct Memory {
    double private_mb = -1;
    double working_set_mb = -1;
};

Memory MemoryOf(HANDLE process) {
    PROCESS_MEMORY_COUNTERS counters{};
    Memory memory;
    if (GetProcessMemoryInfo(process, &counters, sizeof counters)) {
        memory.private_mb = static_cast<double>(counters.PagefileUsage) / (1 << 20);
        memory.working_set_mb = static_cast<double>(counters.WorkingSetSize) / (1 << 20);
    }
    return memory;
}

class Soak : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        started_ = GetTickCount64();
        pair_ = new e2e::GamePair;
        ASSERT_TRUE(pair_->Start("soak", {"channel Soak"})) << pair_->error;
        ASSERT_TRUE(pair_->WaitBound(1, 20000)) << "the companion never bound the chat screen";

        Feed(0, kBaselineRows, kSteadyRowsPerTick, kSteadyTickMs);
        ASSERT_TRUE(WaitLogged(kBaselineRows - 1)) << "the first rows never reached the log";
        baseline_ = e2e::SettledGuiObjects(pair_->companion_process(), pair_->companion_pid());
        baseline_memory_ = MemoryOf(pair_->companion_process());
        Feed(kBaselineRows, kSteadyRows, kSteadyRowsPerTick, kSteadyTickMs);
        Feed(kSteadyRows, kTotalRows, kBurstSize, kBurstGapMs);
        fed_ = GetTickCount64();
        ASSERT_TRUE(WaitLogged(kTotalRows - 1)) << "the companion never caught up";
        caught_up_ = GetTickCount64();
        end_ = e2e::SettledGuiObjects(pair_->companion_process(), pair_->companion_pid());
        end_memory_ = MemoryOf(pair_->companion_process());
        for (const std::string& paragraph : pair_->ViewParagraphs()) {
            if (!e2e::IsWelcomeLine(paragraph)) shown_.push_back(paragraph);
        }
        for (const std::string& line : e2e::ReadLines(pair_->log_file())) {
            if (!e2e::IsWelcomeLine(line)) logged_.push_back(line);
        }
        for (int number = 0; number < kTotalRows; ++number) {
            const e2e::ExpectedRow row = e2e::Expect(standin::GeneratedRow(number));
            if (row.shown) expected_shown_.push_back(*row.shown);
            expected_logged_.push_back(row.logged);
        }
    }

    static void TearDownTestSuite() {
        delete pair_;
        pair_ = nullptr;
    }

    // Asks the game for rows [first, end), `step` at a time with `gap_ms` between.
    static void Feed(int first, int end, int step, DWORD gap_ms) {
        for (int number = first; number < end; number += step) {
            pair_->Script("burst " + std::to_string(number) + " " +
                          std::to_string(std::min(step, end - number)));
            Sleep(gap_ms);  // pacing only; nothing is judged by time
        }
    }

    // Waits until the day log's end holds generated row `number`.
    static bool WaitLogged(int number) {
        const std::string line = e2e::Expect(standin::GeneratedRow(number)).logged + "\r\n";
        return WaitUntil([&] { return pair_->LogTail(4096).find(line) != std::string::npos; },
                         kCatchUpTimeoutMs);
    }

    static double Seconds(ULONGLONG from, ULONGLONG to) {
        return static_cast<double>(to - from) / 1000.0;
    }

    static inline e2e::GamePair* pair_ = nullptr;
    static inline ULONGLONG started_ = 0, fed_ = 0, caught_up_ = 0;
    static inline e2e::GuiObjects baseline_, end_;
    static inline Memory baseline_memory_, end_memory_;
    static inline std::vector<std::string> shown_, logged_, expected_shown_, expected_logged_;
};

TEST_F(Soak, TheViewShowsTheNewestRowsOnceInOrder) {
    std::printf("%d rows fed in %.1f s; the companion caught up %.1f s later (%.1f s in all)\n",
                kTotalRows, Seconds(started_, fed_), Seconds(fed_, caught_up_),
                Seconds(started_, caught_up_));
    std::printf("%zu rows shown of %zu (the others hold no colour the view shows)\n", shown_.size(),
                expected_shown_.size());
    EXPECT_GT(expected_shown_.size(), static_cast<size_t>(kTotalRows) * 3 / 4);
    // The view keeps its newest rows: between the limit and the limit with its spare.
    EXPECT_GE(shown_.size(), static_cast<size_t>(qv::kChatViewRows));
    EXPECT_LE(shown_.size(), static_cast<size_t>(qv::kChatViewRows + qv::kChatViewSpareRows));
    const size_t kept = std::min(shown_.size(), expected_shown_.size());
    const std::vector<std::string> newest(expected_shown_.end() - static_cast<long>(kept),
                                          expected_shown_.end());
    const std::string difference = e2e::DescribeDifference(shown_, newest);
    EXPECT_TRUE(difference.empty()) << difference;
}

TEST_F(Soak, EveryRowIsLoggedOnceInOrder) {
    std::printf("%zu rows logged\n", logged_.size());
    const std::string difference = e2e::DescribeDifference(logged_, expected_logged_);
    EXPECT_TRUE(difference.empty()) << difference;
}

TEST_F(Soak, GuiObjectsStayWhereTheyWereAfterTheFirstThousandRows) {
    std::printf("objects (%s) after %d rows: GDI %ld, USER %ld; after %d rows: GDI %ld, USER %ld\n",
                end_.how.c_str(), kBaselineRows, baseline_.gdi, baseline_.user, kTotalRows,
                end_.gdi, end_.user);
    ASSERT_GT(baseline_.gdi, 0) << "GDI objects could not be counted";
    ASSERT_GT(baseline_.user, 0) << "USER objects could not be counted";
    EXPECT_LE(std::labs(end_.gdi - baseline_.gdi), kMostObjectGrowth);
    EXPECT_LE(std::labs(end_.user - baseline_.user), kMostObjectGrowth);
}

TEST_F(Soak, MemoryStaysUnderTwoHundredMegabytes) {
    std::printf(
        "memory (private / working set) after %d rows: %.1f / %.1f MB; after %d rows: "
        "%.1f / %.1f MB\n",
        kBaselineRows, baseline_memory_.private_mb, baseline_memory_.working_set_mb, kTotalRows,
        end_memory_.private_mb, end_memory_.working_set_mb);
    ASSERT_GT(end_memory_.private_mb, 0) << "the companion's memory could not be read";
    EXPECT_LT(end_memory_.private_mb, kMostMegabytes);
    EXPECT_LT(end_memory_.working_set_mb, kMostMegabytes);
}

}  // namespace
