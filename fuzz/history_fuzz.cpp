// Fuzzes the message history: the game's chat list holds arbitrary rows, the history window
// Load reads them, converts the colour codes once after the last row, shows the history 1.5 s
// later with the renderer on the view itself and saves it.
//
// Input: one switch byte, then the rows separated by 0xFF bytes (0xFF never occurs in UTF-8,
// so a seed reads "<switches>row one\xFFrow two"). Switch bits: 0 the save is refused, 1 the
// game stops answering after its first row, 2 a second Load follows the first.
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "chat/colour_renderer.h"
#include "chat/colour_tags.h"
#include "chat/history_text.h"
#include "chat/history_window.h"
#include "fuzz_check.h"
#include "sim/reference_renderer.h"
#include "sim/sim_game.h"
#include "sim/sim_history_view.h"
#include "sim/sim_platform.h"

namespace qv {
namespace {

bool IsConvertedCode(char c) {
    switch (static_cast<unsigned char>(c)) {
        case 0x10:
        case 0x11:
        case 0x12:
        case 0x13:
        case 0x14:
        case 0x1A:
        case 0x1B:
            return true;
        default:
            return false;
    }
}

size_t Count(const std::string& text, char c) {
    return static_cast<size_t>(std::count(text.begin(), text.end(), c));
}

// The plain way: after every row the whole text goes through the table's steps one after
// another (all but U+0017's), again after every change.
std::string ConvertedAfterEveryRow(const std::vector<std::string>& rows) {
    std::string text;
    for (const std::string& row : rows) {
        text += row + "\r\n";
        int rounds = 0;
        for (bool changed = true; changed; FUZZ_CHECK(++rounds < 3)) {
            changed = false;
            for (const ColourStep& step : kColourTagTable) {
                if (step.code != "\x17") changed |= ApplyColourStep(text, step);
            }
        }
    }
    return text;
}

void CheckRuns(const ColouredText& runs) {
    for (size_t i = 0; i < runs.size(); ++i) {
        FUZZ_CHECK(!runs[i].text.empty());
        if (i > 0) FUZZ_CHECK(runs[i].colour != runs[i - 1].colour);
    }
}

}  // namespace
}  // namespace qv

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace qv;
    if (size == 0) return 0;
    const uint8_t switches = data[0];
    const bool refuse_save = switches & 1;
    const bool hangs = switches & 2;
    const bool twice = switches & 4;
    std::vector<std::string> rows;
    {
        const std::string rest(reinterpret_cast<const char*>(data) + 1, size - 1);
        size_t start = 0;
        for (;;) {
            const size_t cut = rest.find('\xFF', start);
            rows.push_back(rest.substr(start, cut - start));
            if (cut == std::string::npos) break;
            start = cut + 1;
        }
    }

    // The conversion alone: once after the last row equals the conversion after every row;
    // no code of a step is left, every U+0017 stays, every row ends with CR LF.
    const std::string text = HistoryText(rows);
    FUZZ_CHECK(text == ConvertedAfterEveryRow(rows));
    FUZZ_CHECK(std::none_of(text.begin(), text.end(), IsConvertedCode));
    size_t kept_0017 = 0;
    for (const std::string& row : rows) kept_0017 += Count(row, '\x17');
    FUZZ_CHECK(Count(text, '\x17') == kept_0017);
    FUZZ_CHECK(text.size() >= 2 && text.compare(text.size() - 2, 2, "\r\n") == 0);

    // The passes: as the per-character passes of the first renderer.
    const std::optional<ColouredText> shown = ColourAndStripTags(text, kHistoryTextColour);
    FUZZ_CHECK(shown == ReferenceColourAndStripTags(text, kHistoryTextColour));
    FUZZ_CHECK(shown.has_value() == (text.find('\x08') != std::string::npos));

    // The window on the sim, as the player uses it.
    SimWorld world;
    SimGame game(world.windows);
    game.ChatList().rows = rows;
    HandleBoxes boxes;
    boxes.list.Set(std::to_string(game.Control(9)));
    FormState state(Form6Layout());
    SimHistoryView view;
    Form6 form(world.platform, boxes, state, view);
    if (hangs) {
        // Each question the game leaves unanswered costs the wait for its answer.
        world.windows.on_no_answer = [&](WindowHandle) { world.clock.Elapse(1000); };
        world.windows.BeforeNextGetText(
            [&] { world.windows.BeforeNextGetText([&] { game.ChatList().silent = true; }); });
    }
    state["Command1"].Click();
    if (twice) state["Command1"].Click();
    const std::string history = state["Text1"].Text();
    if (!hangs) FUZZ_CHECK(history == text);
    // A game that hangs answers the second Load with no rows at all.
    if (!(hangs && twice)) FUZZ_CHECK(Count(history, '\n') >= rows.size());
    world.clock.Advance(kHistoryShowDelayMs);
    FUZZ_CHECK(!form.Timer1.Enabled());
    FUZZ_CHECK(view.plain_sets == 1);
    const std::optional<ColouredText> expected = ColourAndStripTags(history, kHistoryTextColour);
    if (expected) {
        FUZZ_CHECK(view.coloured == 1 && view.runs == *expected);
        CheckRuns(view.runs);
        FUZZ_CHECK(view.Text().size() <= history.size() + 1);
    } else {
        FUZZ_CHECK(view.coloured == 0 && view.Text() == history);
    }

    const std::string path = world.files.current_folder + "/" + kHistoryFileName;
    if (refuse_save) {
        world.files.files[path] = "old";
        world.files.refusals[path] = "Access is denied.";
    }
    state["Command2"].Click();
    if (refuse_save) {
        FUZZ_CHECK(world.files.files[path] == "old");
        FUZZ_CHECK(world.dialogs.shown.size() == 1);
    } else {
        FUZZ_CHECK(world.files.files[path] == view.RtfDocument() + "\r\n");
        FUZZ_CHECK(world.dialogs.shown.empty());
    }
    return 0;
}
