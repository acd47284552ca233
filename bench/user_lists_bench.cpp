// The user lists' rebuild (RenderUserRows) of a channel of 40 users and of 80 friends, on a
// canvas that records what is drawn: the portable part of each rebuild, without the screen.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "listcontrol/listboxfx.h"
#include "sim/recording_canvas.h"
#include "userlists/user_rows.h"

namespace qv {
namespace {

std::vector<std::string> Rows(int count, bool offline_every_other) {
    std::vector<std::string> rows;
    for (int i = 0; i < count; ++i) {
        std::string row = "User" + std::to_string(i) + (i % 10 == 0 ? "\t32" : "\t0");
        if (!offline_every_other || i % 2 == 0) {
            row += std::string(" ") + kProductIconTable[static_cast<size_t>(i) % 12].code;
        }
        rows.push_back(row);
    }
    return rows;
}

void Rebuild(benchmark::State& state, int count, UserRowRules rules) {
    const std::vector<std::string> rows = Rows(count, !rules.every_code);
    for (auto _ : state) {
        RecordingCanvas canvas;
        ListBoxFX list(canvas);
        list.UserControl_InitProperties();
        list.Resize(169, 433, 17);
        list.Show();
        RenderUserRows(rows, "\t", list, rules);
        benchmark::DoNotOptimize(list.ListCount());
    }
    state.SetItemsProcessed(state.iterations() * count);
}

void BM_ChannelOf40(benchmark::State& state) { Rebuild(state, 40, {true, false}); }
void BM_FriendsOf80(benchmark::State& state) { Rebuild(state, 80, {false, true}); }
BENCHMARK(BM_ChannelOf40);
BENCHMARK(BM_FriendsOf80);

}  // namespace
}  // namespace qv
