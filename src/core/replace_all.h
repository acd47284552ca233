// Plain text replacement shared by the user lists, the tool windows and the colour tags.
#pragma once

#include <string>
#include <string_view>

namespace qv {

// Every occurrence of `what` in `text` replaced by `with`, left to right, without overlaps and
// case-sensitive; the replacement is not searched again. An empty `what` changes nothing.
std::string ReplaceAll(std::string_view text, std::string_view what, std::string_view with);

// The text with every CR and LF left out: a channel name that another player chose goes into
// a line typed into the game, and must not end that line and start a command of its own.
std::string WithoutLineBreaks(std::string_view text);

// True when the text holds a CR or an LF. A real user name never does: one that does may be
// made to read as another player's name once its line breaks are gone, so it is not acted on.
bool HoldsLineBreak(std::string_view text);

}  // namespace qv
