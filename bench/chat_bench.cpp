// Lines per second through the chat line processor and through the renderer's two passes,
// for typical chat rows.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "chat/colour_renderer.h"
#include "chat/colour_tags.h"
#include "chat/line_processor.h"
#include "sim/sim_chat_view.h"
#include "sim/sim_platform.h"

namespace qv {
namespace {

const std::vector<std::string>& TypicalRows() {
    static const std::vector<std::string> rows = {
        "\x13"
        "12:00:01"
        ": "
        "\x10"
        "Player"
        "\x10"
        ": hello there",
        "\x13"
        "12:00:02"
        ": "
        "\x10"
        "Zelk[ring]"
        "\x10"
        ": anyone up for a 2v2 on Lost Temple?",
        "\x13"
        "12:00:03"
        ": "
        "\x11"
        "Whisper from Bob: gg",
        "\x13"
        "12:00:04"
        ": "
        "\x12"
        "Kerrigan has joined the channel.",
        "\x13"
        "12:00:05"
        ": "
        "\x1b"
        "Your friend Tassadar, offline",
    };
    return rows;
}

class EightWords : public AlertWords {
  public:
    std::string AlertWord(int index) override {
        static const char* const kWords[kAlertWordCount] = {"zelk", "bob", "", "", "", "", "", ""};
        return kWords[index];
    }
};

// The processor with logging on (to an in-memory file) and the alert gate open, staging into
// a renderer that fills an in-memory view.
void BM_LineProcessor(benchmark::State& state) {
    SimSound sound;
    SimFiles files;
    SimLocalClock clock;
    Cp1252Codec codec;
    ChatLog log(files, clock, codec);
    AlertToneImage tone;
    MakeSound(tone, kToneFreq1, kToneFreq2, kToneDuration);
    EightWords words;
    SimChatView view;
    ColourRenderer renderer(view, [] {});
    LineProcessor processor(
        {sound, tone, words, log},
        {[] { return true; }, [] { return std::string("57"); }, [] { return int64_t{201}; },
         [] { return false; }, [] { return true; },
         [&](const std::string& text) { renderer.RenderColourTags(text); }, [] {}});
    const auto& rows = TypicalRows();
    size_t i = 0;
    for (auto _ : state) {
        processor.Text11_Change(rows[i++ % rows.size()]);
        if (view.paragraphs.size() > 4096) view.Clear();
        if (sound.plays.size() > 4096) sound.plays.clear();
        if (files.files.begin()->second.size() > (1u << 20)) files.files.clear();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_LineProcessor);

// The colouring and removal passes alone, on rows already tagged.
void BM_RendererPasses(benchmark::State& state) {
    std::vector<std::string> tagged;
    for (std::string row : TypicalRows()) {
        for (const ColourStep& step : kColourTagTable) ApplyColourStep(row, step);
        tagged.push_back(row);
    }
    size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ColourAndStripTags(tagged[i++ % tagged.size()]));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_RendererPasses);

}  // namespace
}  // namespace qv
