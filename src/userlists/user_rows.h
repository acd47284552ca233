// The game's user rows as the user lists read them (Part 4.101): the product icon table, the
// TAB replaced by 24 blanks, the search for product codes from the 15th character, and the
// second field "32" found after the blanks are collapsed.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/replace_all.h"

namespace qv {

class ListBoxFX;

struct ProductCode {
    const char* code;  // the Battle.net product code written backwards, as the game lists it
    int16_t icon;      // the list control's icon number (badge icon / 2 + 1 of the strip)
};

// Tested in this order, each on its own, case-sensitively.
constexpr std::array<ProductCode, 12> kProductIconTable = {{
    {"PXES", 0},
    {"RATS", 2},
    {"PX3W", 4},
    {"3RAW", 6},
    {"PX2D", 8},
    {"VD2D", 10},
    {"TAHC", 12},
    {"RHSD", 14},
    {"RHSS", 16},
    {"RTSJ", 18},
    {"GPCW", 20},
    {"NB2W", 22},
}};

// The icon of a row whose second field is "32".
constexpr int16_t kIcon32 = 24;
// Codes count from this character of the shown row on (1-based, in UTF-16 units as the
// program's strings count characters).
constexpr size_t kProductSearchFrom = 15;
constexpr int kBlankRunBlanks = 24;
constexpr int kCollapsePasses = 30;

// The row as a user list shows it: every occurrence of `tab` (Text3) replaced by 24 blanks.
std::string ShownUserRow(std::string_view row, std::string_view tab);

// True when `code` occurs in `shown` at or after its 15th character.
bool HasProductCode(std::string_view shown, std::string_view code);

// The icon of every code of the table found in the shown row, in table order.
std::vector<int16_t> ProductIcons(std::string_view shown);
// The icon of the first code of the table found in the shown row.
std::optional<int16_t> FirstProductIcon(std::string_view shown);

// 30 passes, each replacing every non-overlapping pair of blanks by one blank.
std::string CollapseBlanks(std::string text);

// True when the raw row, its blanks collapsed and then each `tab` replaced by one blank, has a
// second blank-separated field that is exactly "32".
bool IsMarked32(std::string_view row, std::string_view tab);

// How a rebuild turns the game's rows into list entries.
struct UserRowRules {
    bool every_code = true;              // channel list: one entry per code; friends: first code
    bool add_rows_without_code = false;  // friends list with "Hide offline friends" unticked
};

// Empties the list and fills it from the rows (RenderChannelUserList, RenderFriendList). A
// row marked "32" adds its icon-24 entry at the end of the list and then removes its own
// first entry: the entry its product step added first, or, when it added none, the icon-24
// entry itself. This is the Part's Delete(i + 1) whenever every earlier row added exactly one
// entry, and keeps the rows' entries right when an earlier row added none or several.
void RenderUserRows(const std::vector<std::string>& rows, std::string_view tab, ListBoxFX& list,
                    const UserRowRules& rules);

}  // namespace qv
