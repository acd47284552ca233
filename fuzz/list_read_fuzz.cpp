// Fuzzes ReadListBoxItem against a sim list box whose rows change between the program's
// length query and its reads: the input gives the rows (any bytes, invalid UTF-8 and long
// rows too), the row to read and, for each read in turn, what happens to the list just before
// it (a row replaced, grown, cut anywhere, even inside a character, removed or inserted).
// The sim counts lengths in UTF-16 units as the wide messages do. Whatever happens, the read
// gives the row exactly as it stood at the read, or nothing; never a cut row.
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

enum class Change { kKeep, kReplace, kGrow, kCut, kRemove, kInsertBefore, kAppendRow, kClear };

struct Step {
    Change change = Change::kKeep;
    std::string text;
    size_t cut = 0;
};

void Apply(const Step& step, std::vector<std::string>& rows, int row) {
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
    }
}

std::optional<std::string> RowAt(const std::vector<std::string>& rows, int row) {
    if (row < 0 || static_cast<size_t>(row) >= rows.size()) return std::nullopt;
    return rows[static_cast<size_t>(row)];
}

}  // namespace
}  // namespace qv

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace qv;
    FuzzedDataProvider input(data, size);
    SimWindowSystem windows;
    const WindowHandle top = windows.AddTopLevel("");
    const WindowHandle list = windows.AddChild(top, SimKind::ListBox);
    std::vector<std::string>& rows = windows.Get(list).rows;

    const int row_count = input.ConsumeIntegralInRange<int>(0, 6);
    const int row = input.ConsumeIntegralInRange<int>(-1, 6);
    const bool missing_window = input.ConsumeIntegralInRange<int>(0, 31) == 0;
    std::vector<Step> steps(input.ConsumeIntegralInRange<size_t>(0, 5));
    for (Step& step : steps) {
        step.change = static_cast<Change>(input.ConsumeIntegralInRange<int>(0, 7));
        step.cut = input.ConsumeIntegralInRange<size_t>(0, kMaxRowBytes);
        step.text = input.ConsumeRandomLengthString(kMaxRowBytes);
    }
    for (int i = 0; i < row_count; ++i)
        rows.push_back(input.ConsumeRandomLengthString(kMaxRowBytes));

    // The row as each look at the list sees it: [0] at the length query, [k] at read k.
    std::vector<std::optional<std::string>> seen = {RowAt(rows, row)};
    std::function<void()> before_read = [&] {
        const size_t read = seen.size();  // 1 for the first read
        if (read - 1 < steps.size()) Apply(steps[read - 1], rows, row);
        seen.push_back(RowAt(rows, row));
        windows.BeforeNextGetText(before_read);
    };
    windows.BeforeNextGetText(before_read);

    const std::string result = ReadListBoxItem(windows, missing_window ? 0 : list, row);
    const size_t reads = seen.size() - 1;

    if (missing_window || !seen[0]) {
        // Nothing to read: no row at the length query, or no list at all.
        FUZZ_CHECK(result.empty());
        return 0;
    }
    FUZZ_CHECK(reads >= 1);
    const std::optional<std::string>& last = seen[reads];
    if (!last) {
        FUZZ_CHECK(result.empty());
        return 0;
    }
    // Whole or nothing: never a row cut to a length counted in another unit.
    FUZZ_CHECK(result.empty() || result == *last);
    // A row that did not grow since the previous look fits the room made for that look.
    const std::optional<std::string>& previous = seen[reads - 1];
    if (previous && Utf16Length(*last) <= Utf16Length(*previous)) FUZZ_CHECK(result == *last);
    return 0;
}
