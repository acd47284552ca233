// The text rules of the tool windows: the placeholders of outgoing messages, the greeting's
// user-name cut, the channel window's channel-name cut and the interval entry of the timed
// messages. Pure functions, so each rule is tested (and fuzzed) on its own.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/local_clock.h"

#include "core/replace_all.h"

namespace qv {

// "%date": month-day-year with dashes (mm-dd-yyyy); "%time": hh:mm:ss on the 24-hour clock.
std::string DatePlaceholderText(const LocalDateTime& when);
std::string TimePlaceholderText(const LocalDateTime& when);

// The timed messages' fill: every "%date", then every "%time".
std::string FillDateTime(std::string_view text, const LocalDateTime& when);
// The greeting's fill: every "%user", "%date" and "%time", in one pass over the text.
std::string FillGreeting(std::string_view text, std::string_view user, const LocalDateTime& when);

// The first `count` characters of the text, counting characters as the program's strings do
// (UTF-16 units; a byte that starts no valid UTF-8 sequence counts as one). A count of zero
// or below gives empty text; a count beyond the end gives the whole text; a cut that would
// split a surrogate pair stops before it.
std::string LeadingCharacters(std::string_view utf8, long count);

// The 1-based character position of the first `c` (an ASCII character), 0 when there is none.
long CharacterPosition(std::string_view utf8, char c);

// The greeting's user name from the last row of the channel list: the first p - 3
// characters, p being the position of the first blank (empty for p below 4); none when that
// name holds a line break, which no real user's name does.
std::optional<std::string> GreetUserName(std::string_view row);

// The channel window's current channel from the channel label's caption: the first p - 2
// characters, p being the position of the first "(". Nothing when p - 2 is below zero (no
// "(" or "(" first), empty text when "(" is the second character. Line breaks are left out.
std::optional<std::string> CurrentChannelName(std::string_view caption);

// "Set new time": the interval that the entry gives and the text the box is rewritten to,
// if any. A number (blanks around it, a sign, digits with a decimal point, an exponent) is
// rounded halves to even; a timer takes 0 .. 65535, otherwise the interval stays as it is;
// an entry that is not a number or at most 5000 gives "5000" and 5000, one of at least 60000
// gives "60000" and 60000.
struct IntervalEntry {
    int interval = 0;
    std::optional<std::string> box;  // the new text of the entry box, when it changes
};
IntervalEntry ApplyIntervalEntry(const std::string& text, int current_interval);

}  // namespace qv
