// Not a test: the driver of tools/measure_chat_view.sh. It feeds the chat view rows of about
// 35 characters in three or four colours, as pump passes do, in a visible window with the
// caret kept at the end, lets the window paint after each pass, and prints the cost of a row
// (the pass and its paint) around row 1,000 and at the end, and the process's memory.
// Disabled, so the test runs leave it out; the script runs it with
// --gtest_also_run_disabled_tests. QV_MEASURE_ROWS (default 100,000),
// QV_MEASURE_ROWS_PER_PASS (default 1) and QV_MEASURE_KEEP (rows the view keeps; default the
// program's, "all" for every row) change the run.
#include <windows.h>

#include <gtest/gtest.h>
#include <psapi.h>
#include <richedit.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "chat/chat_scroll.h"
#include "chat/colour_renderer.h"
#include "win32/rich_chat_view.h"

namespace qv {
namespace {

using Clock = std::chrono::steady_clock;

constexpr int kEarlyMark = 1000;
constexpr int kWindowRows = 500;  // the cost at a mark is taken over the rows before it
constexpr int kProgressRows = 5000;

int Setting(const char* name, int fallback) {
    const char* value = std::getenv(name);
    return value && std::atoi(value) > 0 ? std::atoi(value) : fallback;
}

void DispatchPending() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

// A staged chat text: yellow time stamp, white name, grey words, now and then a green tail.
std::string Row(int i) {
    std::string row = "\x08Gel 12:" + std::to_string(10 + i % 50) + ":" +
                      std::to_string(10 + i % 49) + ": \x08White Player" + std::to_string(i % 97) +
                      "\x08Grey : line " + std::to_string(i);
    if (i % 5 == 0) row += " \x08Gree gg";
    return row;
}

struct Memory {
    double private_mb = 0;
    double working_set_mb = 0;
};

Memory MemoryNow() {
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof counters;
    Memory memory;
    if (GetProcessMemoryInfo(GetCurrentProcess(),
                             reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                             sizeof counters)) {
        memory.private_mb = static_cast<double>(counters.PagefileUsage) / (1 << 20);
        memory.working_set_mb = static_cast<double>(counters.WorkingSetSize) / (1 << 20);
    }
    return memory;
}

// The process's CPU time (user and kernel) in milliseconds.
double CpuMs() {
    FILETIME created, exited, kernel, user;
    if (!GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user)) return 0;
    auto ms = [](FILETIME t) {
        return static_cast<double>((static_cast<uint64_t>(t.dwHighDateTime) << 32) |
                                   t.dwLowDateTime) /
               10000.0;
    };
    return ms(kernel) + ms(user);
}

// What the rows in [from, to) cost, in milliseconds a row.
struct Cost {
    double mean = 0, median = 0, paint_median = 0, cpu = 0, worst_pass = 0;
};

Cost CostOf(const std::vector<double>& wall, const std::vector<double>& paint,
            const std::vector<double>& cpu, int from, int to) {
    auto median = [&](const std::vector<double>& all) {
        std::vector<double> part(all.begin() + from, all.begin() + to);
        std::nth_element(part.begin(), part.begin() + part.size() / 2, part.end());
        return part[part.size() / 2];
    };
    Cost cost;
    for (int i = from; i < to; ++i) {
        cost.mean += wall[static_cast<size_t>(i)] / (to - from);
        cost.cpu += cpu[static_cast<size_t>(i)] / (to - from);
        cost.worst_pass = std::max(cost.worst_pass, wall[static_cast<size_t>(i)]);
    }
    cost.median = median(wall);
    cost.paint_median = median(paint);
    return cost;
}

void Report(const char* label, const Cost& cost, int from, int to) {
    std::printf(
        "MEASURE %s rows %d..%d: %.2f ms a row (median %.2f ms, of it paint %.2f ms; CPU %.2f "
        "ms); slowest %.1f ms\n",
        label, from + 1, to, cost.mean, cost.median, cost.paint_median, cost.cpu, cost.worst_pass);
}

TEST(ChatViewMeasure, DISABLED_RowsAtThePumpsPace) {
    const int rows = std::max(Setting("QV_MEASURE_ROWS", 100000), kEarlyMark + kWindowRows);
    const int per_pass = Setting("QV_MEASURE_ROWS_PER_PASS", 1);
    // "all" keeps every row, to see what the control alone costs as it grows.
    const char* keep_setting = std::getenv("QV_MEASURE_KEEP");
    const int keep = keep_setting && std::string(keep_setting) == "all"
                         ? 0
                         : Setting("QV_MEASURE_KEEP", kChatViewRows);

    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"ChatViewMeasureHost";
    RegisterClassW(&wc);
    HWND host = CreateWindowExW(0, wc.lpszClassName, L"measure", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                0, 0, 640, 540, nullptr, nullptr, wc.hInstance, nullptr);
    ASSERT_NE(host, nullptr);
    auto view = std::make_unique<RichChatView>(host, 1102, 136, 16, 433, 468);
    ChatAutoScroll scroll(*view);
    view->OnChange([&] { scroll.ScrollChatToEnd(); });
    view->KeepNewest(keep, kChatViewSpareRows, [&] { return scroll.maustaste == "1"; });
    ColourRenderer renderer(*view, [] {});
    DispatchPending();

    const Memory start = MemoryNow();
    Memory early;
    // Per row: the wall time of its pass with the paint, of the paint alone, and the CPU time
    // of its pass (a pass's cost is shared among its rows).
    std::vector<double> wall(static_cast<size_t>(rows)), paint(wall), cpu(wall);
    int end_out_of_sight = 0;
    const Clock::time_point run_start = Clock::now();
    for (int first = 0; first < rows; first += per_pass) {
        const int end = std::min(rows, first + per_pass);
        const double cpu_start = CpuMs();
        const Clock::time_point pass_start = Clock::now();
        view->BeginBatch();  // as a pump pass does
        for (int i = first; i < end; ++i) renderer.RenderColourTags(Row(i));
        view->EndBatch();
        const Clock::time_point paint_start = Clock::now();
        DispatchPending();
        UpdateWindow(view->Handle());
        const Clock::time_point pass_end = Clock::now();
        const double cpu_ms = CpuMs() - cpu_start;
        for (int i = first; i < end; ++i) {
            auto ms = [&](Clock::time_point from) {
                return std::chrono::duration<double, std::milli>(pass_end - from).count() /
                       (end - first);
            };
            wall[static_cast<size_t>(i)] = ms(pass_start);
            paint[static_cast<size_t>(i)] = ms(paint_start);
            cpu[static_cast<size_t>(i)] = cpu_ms / (end - first);
        }

        // The last row must be in sight after each pass.
        const LRESULT lines = SendMessageW(view->Handle(), EM_GETLINECOUNT, 0, 0);
        POINTL last{};
        SendMessageW(view->Handle(), EM_POSFROMCHAR, reinterpret_cast<WPARAM>(&last),
                     view->TextLength());
        RECT client{};
        GetClientRect(view->Handle(), &client);
        if (lines > 1 && (last.y < 0 || last.y >= client.bottom)) ++end_out_of_sight;

        if (end >= kEarlyMark && first < kEarlyMark) early = MemoryNow();
        if (end % kProgressRows < per_pass) {
            const Memory now = MemoryNow();
            const Cost recent = CostOf(wall, paint, cpu, end - kProgressRows, end);
            std::printf("MEASURE progress %d rows, %.0f s: %.2f ms a row (CPU %.2f); %.1f MB\n",
                        end, std::chrono::duration<double>(Clock::now() - run_start).count(),
                        recent.median, recent.cpu, now.private_mb);
            std::fflush(stdout);
        }
    }
    const Memory last = MemoryNow();

    std::printf("MEASURE %d rows, %d a pass, in %.0f s\n", rows, per_pass,
                std::chrono::duration<double>(Clock::now() - run_start).count());
    const Cost at_early = CostOf(wall, paint, cpu, kEarlyMark - kWindowRows, kEarlyMark);
    const Cost at_end = CostOf(wall, paint, cpu, rows - kWindowRows, rows);
    Report("early", at_early, kEarlyMark - kWindowRows, kEarlyMark);
    Report("late", at_end, rows - kWindowRows, rows);
    std::printf("MEASURE late / early: %.2f (median), %.2f (mean), %.2f (CPU)\n",
                at_end.median / at_early.median, at_end.mean / at_early.mean,
                at_end.cpu / at_early.cpu);
    std::printf(
        "MEASURE memory (private / working set): %.1f / %.1f MB at start, %.1f / %.1f MB after "
        "%d rows, %.1f / %.1f MB after %d rows\n",
        start.private_mb, start.working_set_mb, early.private_mb, early.working_set_mb, kEarlyMark,
        last.private_mb, last.working_set_mb, rows);
    const std::string held = view->Text();
    std::printf("MEASURE view holds %ld rows (keeps %s); end out of sight after %d passes\n",
                held.empty() ? 0L : 1L + static_cast<long>(std::count(held.begin(), held.end(), '\n')),
                keep ? std::to_string(keep).c_str() : "all",
                end_out_of_sight);
    std::fflush(stdout);
    EXPECT_EQ(end_out_of_sight, 0);

    view.reset();
    DestroyWindow(host);
}

}  // namespace
}  // namespace qv
