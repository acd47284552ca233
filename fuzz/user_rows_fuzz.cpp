// Fuzzes the rebuild of a user list from the game's rows (RenderUserRows, Part 4.101 and
// 4.102): arbitrary rows (any bytes, TABs, runs of blanks, product codes anywhere, "32" fields,
// 8-bit letters and invalid UTF-8) under the channel list's and the friends list's rules. The
// list must come out as a plain model of the rules says, row by row in the game's order; and
// whenever every row before each "32" row added exactly one entry, exactly as the Part's own
// Delete(i + 1) gives it.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <string>
#include <vector>

#include "fuzz_check.h"
#include "listcontrol/listboxfx.h"
#include "sim/recording_canvas.h"
#include "userlists/user_rows.h"

namespace qv {
namespace {

constexpr size_t kMostRows = 48;
constexpr size_t kMostRowBytes = 600;

struct Entry {
    std::string text;
    int16_t icon;
    bool operator==(const Entry& o) const { return text == o.text && icon == o.icon; }
};

// What one row adds in the product step, by the rules.
std::vector<int16_t> ProductStep(const std::string& shown, const UserRowRules& rules,
                                 bool* adds_default) {
    *adds_default = false;
    if (rules.every_code) return ProductIcons(shown);
    if (const auto icon = FirstProductIcon(shown)) return {*icon};
    if (rules.add_rows_without_code) *adds_default = true;
    return {};
}

// The sound choice, modelled plainly: a marked row's own entries lose their first and gain
// the icon-24 entry at their end.
std::vector<Entry> Model(const std::vector<std::string>& rows, const UserRowRules& rules) {
    std::vector<Entry> out;
    for (const std::string& row : rows) {
        const std::string s = ShownUserRow(row, "\t");
        bool adds_default = false;
        std::vector<Entry> own;
        for (int16_t icon : ProductStep(s, rules, &adds_default)) own.push_back({s, icon});
        if (adds_default) own.push_back({s, 0});
        if (IsMarked32(row, "\t")) {
            own.push_back({s, kIcon32});
            own.erase(own.begin());
        }
        out.insert(out.end(), own.begin(), own.end());
    }
    return out;
}

// The Part's own steps: AddItem(s, "", 24), then Delete(i + 1), on the list's delete rules
// (a list of one entry or none is cleared; a position beyond the end removes nothing).
std::vector<Entry> PartSteps(const std::vector<std::string>& rows, const UserRowRules& rules,
                             bool* every_earlier_row_added_one) {
    *every_earlier_row_added_one = true;
    bool all_one_so_far = true;
    std::vector<Entry> out;
    for (size_t i = 0; i < rows.size(); ++i) {
        const std::string s = ShownUserRow(rows[i], "\t");
        bool adds_default = false;
        const std::vector<int16_t> icons = ProductStep(s, rules, &adds_default);
        const size_t added = icons.size() + (adds_default ? 1 : 0);
        for (int16_t icon : icons) out.push_back({s, icon});
        if (adds_default) out.push_back({s, 0});
        if (IsMarked32(rows[i], "\t")) {
            if (!all_one_so_far) *every_earlier_row_added_one = false;
            out.push_back({s, kIcon32});
            const size_t position = i + 1;
            if (out.size() <= 1) {
                out.clear();
            } else if (position <= out.size()) {
                out.erase(out.begin() + static_cast<long>(position - 1));
            }
        }
        if (added != 1) all_one_so_far = false;
    }
    return out;
}

std::vector<Entry> Shown(const ListBoxFX& list) {
    std::vector<Entry> out;
    for (int32_t s = 1; s <= list.ListCount(); ++s) {
        out.push_back({list.Model().Slot(s)->text, list.Model().Slot(s)->icon});
    }
    return out;
}

}  // namespace
}  // namespace qv

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace qv;
    if (size == 0) return 0;
    const UserRowRules rules{(data[0] & 1) == 0, (data[0] & 2) != 0};
    std::vector<std::string> rows;
    std::string row;
    for (size_t i = 1; i < size && rows.size() < kMostRows; ++i) {
        if (data[i] == '\n') {
            rows.push_back(row);
            row.clear();
        } else if (row.size() < kMostRowBytes) {
            row += static_cast<char>(data[i]);
        }
    }
    if (rows.size() < kMostRows) rows.push_back(row);

    RecordingCanvas canvas;
    ListBoxFX list(canvas);
    list.UserControl_InitProperties();
    list.Resize(169, 433, 17);
    list.Show();
    // A list that held rows and a selection before: the rebuild starts with Clear.
    list.AddItem("old row", {}, 2);
    list.SetListIndex(0);
    RenderUserRows(rows, "\t", list, rules);
    const std::vector<Entry> shown = Shown(list);
    FUZZ_CHECK(shown == Model(rows, rules));
    FUZZ_CHECK(list.Model().SelectedSlot() == 1);  // Clear keeps the selected slot

    bool comparable = false;
    const std::vector<Entry> part = PartSteps(rows, rules, &comparable);
    if (comparable) FUZZ_CHECK(shown == part);

    for (const std::string& r : rows) {
        // Runs of blanks far shorter than 2^30 collapse to single blanks.
        FUZZ_CHECK(CollapseBlanks(r).find("  ") == std::string::npos);
        const std::string s = ShownUserRow(r, "\t");
        FUZZ_CHECK(s.find('\t') == std::string::npos);
        for (const ProductCode& code : kProductIconTable) {
            const size_t at = s.find(code.code, 14);
            // The 15th character starts at byte 14 at the earliest and at byte 56 at the
            // latest (four bytes a character).
            if (HasProductCode(s, code.code)) FUZZ_CHECK(at != std::string::npos);
            if (s.find(code.code, 56) != std::string::npos)
                FUZZ_CHECK(HasProductCode(s, code.code));
            bool ascii = true;
            for (char c : s) ascii = ascii && static_cast<unsigned char>(c) < 0x80;
            if (ascii) FUZZ_CHECK(HasProductCode(s, code.code) == (at != std::string::npos));
        }
    }
    return 0;
}
