// The name alert's test of one chat line: the gate on the mirror numbering, and the eight
// alert words looked up in the line's white and grey parts.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace qv {

constexpr int kAlertWordCount = 8;

// The eight word boxes of the name alert window, in order (empty when unused).
class AlertWords {
  public:
    virtual ~AlertWords() = default;
    virtual std::string AlertWord(int index) = 0;  // 0 .. kAlertWordCount - 1
};

// The alert tests a line only while it is enabled and the line is a new one: the mirror
// count c has passed the backlog (c > 200), or the game held fewer than 200 rows at binding
// and c equals that count. Without a count at binding the gate stays closed.
bool AlertGateOpen(bool enabled, std::optional<int64_t> count_at_binding, int64_t mirror_count);

// Upper-case for the alert comparison: every small letter of code page 1252 (ASCII, Latin-1,
// ÿ, š, œ, ž) becomes its capital; ß and other text are unchanged.
std::string AlertUpperCase(std::string_view text);

// The text between the first and the second occurrence of `cut` (or the end), upper-cased;
// empty when `cut` does not occur.
std::string AlertPart(const std::string& text, std::string_view cut);

// How many times the tone is started for `text`: for each non-empty word, once if it occurs
// in the white part and once more if it occurs in the grey part (0 to 16).
int CountAlertPlays(const std::string& text, AlertWords& words);

}  // namespace qv
