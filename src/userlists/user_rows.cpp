#include "userlists/user_rows.h"

#include "listcontrol/list_error.h"
#include "listcontrol/listboxfx.h"

namespace qv {
namespace {

bool Continuation(std::string_view s, size_t k) {
    return k < s.size() && (static_cast<unsigned char>(s[k]) & 0xC0) == 0x80;
}

// The length in bytes and UTF-16 units of the character at s[i]: a valid UTF-8 sequence in
// its shortest form, or else the single byte, which counts as one unit (as Utf16Length does).
void NextCharacter(std::string_view s, size_t i, size_t* bytes, size_t* units) {
    const auto b0 = static_cast<unsigned char>(s[i]);
    auto bits = [&](size_t k) { return static_cast<unsigned char>(s[k]) & 0x3Fu; };
    *bytes = 1;
    *units = 1;
    if (b0 < 0x80) return;
    if ((b0 & 0xE0) == 0xC0 && Continuation(s, i + 1)) {
        if ((((b0 & 0x1Fu) << 6) | bits(i + 1)) >= 0x80) *bytes = 2;
    } else if ((b0 & 0xF0) == 0xE0 && Continuation(s, i + 1) && Continuation(s, i + 2)) {
        const uint32_t cp = ((b0 & 0x0Fu) << 12) | (bits(i + 1) << 6) | bits(i + 2);
        if (cp >= 0x800 && (cp < 0xD800 || cp > 0xDFFF)) *bytes = 3;
    } else if ((b0 & 0xF8) == 0xF0 && Continuation(s, i + 1) && Continuation(s, i + 2) &&
               Continuation(s, i + 3)) {
        const uint32_t cp =
            ((b0 & 0x07u) << 18) | (bits(i + 1) << 12) | (bits(i + 2) << 6) | bits(i + 3);
        if (cp >= 0x10000 && cp <= 0x10FFFF) {
            *bytes = 4;
            *units = 2;
        }
    }
}

// The byte offset at which the character after the first `units` UTF-16 units starts; npos
// when the text is shorter. A character that would straddle the mark starts after it.
size_t OffsetAfterUnits(std::string_view s, size_t units) {
    size_t i = 0;
    size_t counted = 0;
    while (counted < units) {
        if (i >= s.size()) return std::string_view::npos;
        size_t bytes = 0;
        size_t n = 0;
        NextCharacter(s, i, &bytes, &n);
        i += bytes;
        counted += n;
    }
    return i <= s.size() ? i : std::string_view::npos;
}

}  // namespace

std::string ShownUserRow(std::string_view row, std::string_view tab) {
    return ReplaceAll(row, tab, std::string(kBlankRunBlanks, ' '));
}

bool HasProductCode(std::string_view shown, std::string_view code) {
    const size_t from = OffsetAfterUnits(shown, kProductSearchFrom - 1);
    if (from == std::string_view::npos) return false;
    return shown.find(code, from) != std::string_view::npos;
}

std::vector<int16_t> ProductIcons(std::string_view shown) {
    std::vector<int16_t> icons;
    for (const ProductCode& entry : kProductIconTable) {
        if (HasProductCode(shown, entry.code)) icons.push_back(entry.icon);
    }
    return icons;
}

std::optional<int16_t> FirstProductIcon(std::string_view shown) {
    for (const ProductCode& entry : kProductIconTable) {
        if (HasProductCode(shown, entry.code)) return entry.icon;
    }
    return std::nullopt;
}

std::string CollapseBlanks(std::string text) {
    for (int pass = 0; pass < kCollapsePasses; ++pass) {
        std::string next = ReplaceAll(text, "  ", " ");
        // Once a pass finds no pair, the remaining passes find none either.
        if (next.size() == text.size()) break;
        text = std::move(next);
    }
    return text;
}

bool IsMarked32(std::string_view row, std::string_view tab) {
    // The TAB is replaced after the collapsing, so a blank beside it leaves an empty field.
    const std::string t = ReplaceAll(CollapseBlanks(std::string(row)), tab, " ");
    const size_t first = t.find(' ');
    if (first == std::string::npos) return false;
    const size_t second = t.find(' ', first + 1);
    const std::string_view field = std::string_view(t).substr(
        first + 1, second == std::string::npos ? std::string::npos : second - first - 1);
    return field == "32";
}

void RenderUserRows(const std::vector<std::string>& rows, std::string_view tab, ListBoxFX& list,
                    const UserRowRules& rules) {
    // Each step on its own: a failing step is skipped and the rebuild goes on.
    auto step = [](auto&& run) {
        try {
            run();
        } catch (const ListError&) {
        }
    };
    step([&] { list.Clear(); });
    for (const std::string& row : rows) {
        const std::string s = ShownUserRow(row, tab);
        const int32_t own_first = list.ListCount() + 1;
        if (rules.every_code) {
            for (int16_t icon : ProductIcons(s)) step([&] { list.AddItem(s, {}, icon); });
        } else if (const auto icon = FirstProductIcon(s)) {
            step([&] { list.AddItem(s, {}, *icon); });
        } else if (rules.add_rows_without_code) {
            step([&] { list.AddItem(s); });
        }
        if (IsMarked32(row, tab)) {
            step([&] { list.AddItem(s, {}, kIcon32); });
            step([&] { list.Delete(own_first); });
        }
    }
}

}  // namespace qv
