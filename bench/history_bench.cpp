// The message history for long chat lists: the colour steps and the renderer's two passes over
// the whole history (converted once after the last row), and the whole Load and display of the
// history window on the sim. Linear work: twice the rows, about twice the time. The
// conversion after every row is measured beside it on shorter lists, for comparison.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "chat/colour_renderer.h"
#include "chat/history_text.h"
#include "chat/history_window.h"
#include "sim/sim_game.h"
#include "sim/sim_history_view.h"
#include "sim/sim_platform.h"

namespace qv {
namespace {

// Rows as the game writes them: a time stamp, a white name and grey text; every fifth a
// channel notice in green, every seventh a whisper with cp1252 letters.
std::vector<std::string> TypicalHistoryRows(int count) {
    std::vector<std::string> rows;
    rows.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        const std::string stamp = "\x13" "12:" + std::to_string(10 + i % 50) + ":0" +
                                  std::to_string(i % 10) + ": ";
        if (i % 5 == 0) {
            rows.push_back(stamp + "\x12" "Player" + std::to_string(i % 97) +
                           " has joined the channel.");
        } else if (i % 7 == 0) {
            rows.push_back(stamp + "\x11" "Whisper from J\xc3\xbcrgen: gr\xc3\xbc\xc3\x9f" "e " +
                           std::to_string(i));
        } else {
            rows.push_back(stamp + "\x10" "Player" + std::to_string(i % 97) + "\x10" ": \x11" +
                           "anyone up for a 2v2 on Lost Temple? " + std::to_string(i));
        }
    }
    return rows;
}

// The conversion once after the last row and the renderer's passes over the history.
void BM_HistoryPasses(benchmark::State& state) {
    const std::vector<std::string> rows = TypicalHistoryRows(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const std::string text = HistoryText(rows);
        benchmark::DoNotOptimize(ColourAndStripTags(text, kHistoryTextColour));
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_HistoryPasses)->Arg(10000)->Arg(20000)->Unit(benchmark::kMillisecond);

// The history window's Load and display step on the sim: every row read from the game's list
// as ReadListBoxItem does, the history text, its conversion, the plain view and the renderer.
void BM_HistoryLoadAndShow(benchmark::State& state) {
    SimWorld world;
    SimGame game(world.windows);
    for (const std::string& row : TypicalHistoryRows(static_cast<int>(state.range(0)))) {
        game.AddChatRow(row);
    }
    HandleBoxes boxes;
    boxes.list.Set(std::to_string(game.Control(9)));
    FormState form_state(Form6Layout());
    SimHistoryView view;
    Form6 form(world.platform, boxes, form_state, view);
    for (auto _ : state) {
        form.Command1_Click();
        form.Timer1_Timer();
        world.windows.log.clear();
    }
    if (view.Text().find('\x08') != std::string::npos) state.SkipWithError("tags left");
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_HistoryLoadAndShow)->Arg(10000)->Arg(20000)->Unit(benchmark::kMillisecond);

// For comparison: the plain conversion of the whole text after every row.
void BM_HistoryConvertedAfterEveryRow(benchmark::State& state) {
    const std::vector<std::string> rows = TypicalHistoryRows(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        std::string text;
        for (const std::string& row : rows) {
            text += row + "\r\n";
            while (ConvertHistoryColourCodes(text)) {
            }
        }
        benchmark::DoNotOptimize(text);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_HistoryConvertedAfterEveryRow)->Arg(1000)->Arg(2000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace qv
