// Fuzzes the user lists' road from the game's rows: the copy of the game's list box
// (CopyGameUserRows) while the game changes its rows, hangs or answers again between any two
// of the program's queries; the user names the commands take from a row (UserNameOf,
// NameWithBlankOf); and the rebuild of a user list from the rows (RenderUserRows) for the
// channel and friends lists: arbitrary rows (any bytes, line breaks, TABs, runs of blanks,
// product codes anywhere, "32" fields, 8-bit letters and invalid UTF-8) under the channel
// list's and the friends list's rules. The list must come out as a plain model of the rules
// says, row by row in the game's order; and whenever every row before each "32" row added
// exactly one entry, exactly as the plain Delete(i + 1) gives it.
//
// Input: a rules byte, the game's script up to the first 0xFF byte, then the rows separated
// by 0xFF (0xFF never occurs in UTF-8, so a seed reads "<rules><script>\xFFrow\xFFrow").
// Rules bit 0 set: the friends list (first code only); bit 1 set: offline friends shown.
// Each script byte is what the game does just before one list query, in turn: the low three
// bits the change, the rest the row it touches (see GameChange).
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "fuzz_check.h"
#include "listcontrol/listboxfx.h"
#include "sim/recording_canvas.h"
#include "sim/sim_window_system.h"
#include "userlists/game_user_rows.h"
#include "userlists/user_commands.h"
#include "userlists/user_rows.h"

namespace qv {
namespace {

constexpr size_t kMostRows = 48;
constexpr size_t kMostRowBytes = 600;
constexpr char kPartEnd = '\xFF';
// Copies made one after another, so a copy follows one that failed or one that changed rows.
constexpr int kCopies = 3;
// What a copy that does not succeed must leave, told apart from an empty list.
const char* const kEarlierCopy = "earlier copy\t0 RATS";

// What the game does just before one of the program's list queries.
enum GameChange : uint8_t {
    kKeep,
    kHang,         // stops answering
    kAnswerAgain,  // answers again
    kGrowRow,      // the row gets longer (between a length query and the read, too)
    kCutRow,       // the row loses its second half, maybe inside a character
    kRemoveRow,
    kInsertRow,  // one of the input's rows goes in before the row
    kClearRows,
};
constexpr uint8_t kChangeBits = 7;
constexpr int kRowShift = 3;

void ApplyChange(uint8_t step, const std::vector<std::string>& pool, SimWindow& list) {
    std::vector<std::string>& rows = list.rows;
    const size_t at = static_cast<size_t>(step >> kRowShift);
    const bool any = !rows.empty();
    switch (static_cast<GameChange>(step & kChangeBits)) {
        case kKeep:
            break;
        case kHang:
            list.silent = true;
            break;
        case kAnswerAgain:
            list.silent = false;
            break;
        case kGrowRow:
            if (any) rows[at % rows.size()] += " RATS";
            break;
        case kCutRow:
            if (any) rows[at % rows.size()].resize(rows[at % rows.size()].size() / 2);
            break;
        case kRemoveRow:
            if (any) rows.erase(rows.begin() + static_cast<long>(at % rows.size()));
            break;
        case kInsertRow:
            rows.insert(rows.begin() + static_cast<long>(at % (rows.size() + 1)),
                        pool[at % pool.size()]);
            break;
        case kClearRows:
            rows.clear();
            break;
    }
}

// What one query of the copy saw, right after the game's change: for the count (row -1) the
// number of rows, for a row query that row when there was one.
struct Look {
    int row;
    bool answered;
    size_t count;
    std::optional<std::string> text;
};

// One copy checked against what its queries saw: all or nothing, and every row as the game
// held it when it was read, in the game's order.
void CheckCopy(const std::vector<Look>& looks, bool copied, const std::vector<std::string>& before,
               const std::vector<std::string>& after) {
    FUZZ_CHECK(!looks.empty() && looks[0].row == -1);
    bool all_answered = true;
    for (const Look& look : looks) all_answered = all_answered && look.answered;
    // A query the game left unanswered fails the copy and leaves the earlier one whole.
    FUZZ_CHECK(copied == all_answered);
    if (!copied) {
        FUZZ_CHECK(after == before);
        return;
    }
    FUZZ_CHECK(after.size() == looks[0].count);
    size_t k = 1;
    for (size_t i = 0; i < after.size(); ++i) {
        // The looks at row i follow those at the rows before it.
        const size_t first = k;
        while (k < looks.size() && looks[k].row == static_cast<int>(i)) ++k;
        FUZZ_CHECK(k > first);
        bool steady = true;
        for (size_t j = first; j < k; ++j) {
            steady = steady && looks[j].text && looks[j].text == looks[first].text;
        }
        if (steady) {
            FUZZ_CHECK(after[i] == *looks[first].text);
        } else {
            // Changed while it was read: the row as the last look saw it, whole, or nothing.
            FUZZ_CHECK(after[i].empty() || looks[k - 1].text == after[i]);
        }
    }
    FUZZ_CHECK(k == looks.size());
}

// The copies one after another against a game that follows the script.
std::vector<std::string> CheckCopies(const std::vector<std::string>& pool,
                                     const std::string& script) {
    SimWindowSystem windows;
    const WindowHandle list = windows.AddChild(windows.AddTopLevel(""), SimKind::ListBox);
    SimWindow& box = windows.Get(list);
    box.rows = pool;
    size_t next = 0;
    std::vector<Look> looks;
    windows.before_list_query = [&](WindowHandle asked, int row) {
        FUZZ_CHECK(asked == list);
        if (next < script.size()) ApplyChange(static_cast<uint8_t>(script[next++]), pool, box);
        Look look{row, !box.silent, box.rows.size(), std::nullopt};
        if (row >= 0 && static_cast<size_t>(row) < box.rows.size()) {
            look.text = box.rows[static_cast<size_t>(row)];
        }
        looks.push_back(std::move(look));
    };
    std::vector<std::string> rows = {kEarlierCopy};
    for (int copy = 0; copy < kCopies; ++copy) {
        const std::vector<std::string> before = rows;
        looks.clear();
        const bool copied = CopyGameUserRows(windows, list, rows);
        CheckCopy(looks, copied, before, rows);
    }
    return rows;
}

// The name a command takes from a shown row goes into one line typed into the game: the
// characters before the first blank, or none when they hold a line break or there is no
// blank; the double click's text is that name and its blank.
void CheckName(const std::string& shown) {
    const std::optional<std::string> name = UserNameOf(shown);
    const size_t blank = shown.find(' ');
    if (blank == std::string::npos || HoldsLineBreak(shown.substr(0, blank))) {
        FUZZ_CHECK(!name);
    } else {
        FUZZ_CHECK(name == shown.substr(0, blank));
    }
    if (name) FUZZ_CHECK(!HoldsLineBreak(*name) && name->find(' ') == std::string::npos);
    FUZZ_CHECK(NameWithBlankOf(shown) == (name ? *name + " " : std::string()));
}

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

// The plain steps: AddItem(s, "", 24), then Delete(i + 1), on the list's delete rules
// (a list of one entry or none is cleared; a position beyond the end removes nothing).
std::vector<Entry> PlainSteps(const std::vector<std::string>& rows, const UserRowRules& rules,
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
    std::string script;
    std::vector<std::string> rows;
    std::string row;
    bool in_script = true;
    for (size_t i = 1; i < size && rows.size() < kMostRows; ++i) {
        const char c = static_cast<char>(data[i]);
        if (c == kPartEnd) {
            if (!in_script) rows.push_back(row);
            in_script = false;
            row.clear();
        } else if (in_script) {
            script += c;
        } else if (row.size() < kMostRowBytes) {
            row += c;
        }
    }
    if (rows.size() < kMostRows) rows.push_back(row);

    for (const std::string& copied : CheckCopies(rows, script)) {
        CheckName(ShownUserRow(copied, "\t"));
    }

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
    const std::vector<Entry> plain = PlainSteps(rows, rules, &comparable);
    if (comparable) FUZZ_CHECK(shown == plain);

    for (const std::string& r : rows) {
        // Runs of blanks far shorter than 2^30 collapse to single blanks.
        FUZZ_CHECK(CollapseBlanks(r).find("  ") == std::string::npos);
        const std::string s = ShownUserRow(r, "\t");
        FUZZ_CHECK(s.find('\t') == std::string::npos);
        CheckName(s);
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
