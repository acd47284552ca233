// Fuzzes ReadListBoxItem against a sim list box whose rows change between
// the program's length query and its reads: the input gives the rows (any bytes, invalid
// UTF-8 and long rows too), the row to read and, for each read in turn, what happens to the
// list just before it (a row replaced, grown, cut anywhere, even inside a character, removed
// or inserted; the game hanging or answering again). The sim counts lengths in UTF-16 units
// as the wide messages do. Whatever happens, the read gives the row exactly as it stood at
// the read, or empty text, or no answer when the game hung; never a cut row.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "fuzz_check.h"
#include "gamelink/list_read.h"
#include "platform/text_codec.h"
#include "sim/sim_window_system.h"

namespace qv {
namespace {

constexpr size_t kMaxRowBytes = 3000;

enum class Change {
    kKeep,
    kReplace,
    kGrow,
    kCut,
    kRemove,
    kInsertBefore,
    kAppendRow,
    kClear,
    kHang,
    kAnswerAgain,
};
constexpr int kLastChange = static_cast<int>(Change::kAnswerAgain);

// The list as one look sees it: the row (none when there is no such row) and whether the
// game answered.
struct Look {
    std::optional<std::string> row;
    bool answered = true;
};

struct Step {
    Change change = Change::kKeep;
    std::string text;
    size_t cut = 0;
};

void Apply(const Step& step, SimWindow& list, int row) {
    std::vector<std::string>& rows = list.rows;
    const bool present = row >= 0 && static_cast<size_t>(row) < rows.size();
    const auto at = static_cast<size_t>(row);
    switch (step.change) {
        case Change::kKeep:
            break;
        case Change::kReplace:
            if (present) rows[at] = step.text;
            break;
        case Change::kGrow:
            if (present) rows[at] += step.text;
            break;
        case Change::kCut:
            if (present) rows[at].resize(std::min(step.cut, rows[at].size()));
            break;
        case Change::kRemove:
            if (present) rows.erase(rows.begin() + row);
            break;
        case Change::kInsertBefore:
            if (present) rows.insert(rows.begin() + row, step.text);
            break;
        case Change::kAppendRow:
            rows.push_back(step.text);
            break;
        case Change::kClear:
            rows.clear();
            break;
        case Change::kHang:
            list.silent = true;
            break;
        case Change::kAnswerAgain:
            list.silent = false;
            break;
    }
}

Look LookAt(const SimWindow& list, int row) {
    Look look;
    look.answered = !list.silent;
    if (row >= 0 && static_cast<size_t>(row) < list.rows.size()) {
        look.row = list.rows[static_cast<size_t>(row)];
    }
    return look;
}

}  // namespace
}  // namespace qv

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace qv;
    FuzzedDataProvider input(data, size);
    SimWindowSystem windows;
    const WindowHandle top = windows.AddTopLevel("");
    const WindowHandle list = windows.AddChild(top, SimKind::ListBox);
    SimWindow& box = windows.Get(list);

    const int row_count = input.ConsumeIntegralInRange<int>(0, 6);
    const int row = input.ConsumeIntegralInRange<int>(-1, 6);
    const int flags = input.ConsumeIntegralInRange<int>(0, 31);
    const bool missing_window = flags == 0;
    box.silent = flags == 1;
    std::vector<Step> steps(input.ConsumeIntegralInRange<size_t>(0, 5));
    for (Step& step : steps) {
        step.change = static_cast<Change>(input.ConsumeIntegralInRange<int>(0, kLastChange));
        step.cut = input.ConsumeIntegralInRange<size_t>(0, kMaxRowBytes);
        step.text = input.ConsumeRandomLengthString(kMaxRowBytes);
    }
    for (int i = 0; i < row_count; ++i) {
        box.rows.push_back(input.ConsumeRandomLengthString(kMaxRowBytes));
    }

    // The list as each look sees it: [0] at the length query, [k] at read k.
    std::vector<Look> seen = {LookAt(box, row)};
    std::function<void()> before_read = [&] {
        const size_t read = seen.size();  // 1 for the first read
        if (read - 1 < steps.size()) Apply(steps[read - 1], box, row);
        seen.push_back(LookAt(box, row));
        windows.BeforeNextGetText(before_read);
    };
    const WindowHandle target = missing_window ? 0 : list;
    windows.BeforeNextGetText(before_read);
    const std::optional<std::string> result = ReadListBoxItem(windows, target, row);
    const size_t reads = seen.size() - 1;

    if (missing_window) {
        // No list at all: empty text.
        FUZZ_CHECK(result && result->empty());
        return 0;
    }
    const Look& last = seen[reads];
    if (!last.answered) {
        // A game that hung at the last look gives no answer, never a row taken as empty.
        FUZZ_CHECK(!result);
        return 0;
    }
    FUZZ_CHECK(result.has_value());  // the game answered every look before the last
    if (!seen[0].row || !last.row) {
        // No such row at the length query or at the read.
        FUZZ_CHECK(result->empty());
        return 0;
    }
    FUZZ_CHECK(reads >= 1);
    // Whole or nothing: never a row cut to a length counted in another unit.
    FUZZ_CHECK(result->empty() || *result == *last.row);
    // A row that did not grow since the previous look fits the room made for that look.
    const Look& previous = seen[reads - 1];
    if (previous.row && Utf16Length(*last.row) <= Utf16Length(*previous.row)) {
        FUZZ_CHECK(*result == *last.row);
    }
    return 0;
}
