// The message history's text: every row of the game's chat list followed by CR LF, with the
// game's colour codes turned into colour tags by the chat's colour steps, except the U+0017
// step (that character stays in the history and shows unchanged).
#pragma once

#include <string>
#include <vector>

namespace qv {

// Applies the colour steps of the history to the whole text, with the result of applying them
// one after another in the table's order, but in one scan; true when any of them changed it.
// The text holds no code of a step afterwards, so a second run changes nothing.
bool ConvertHistoryColourCodes(std::string& text);

// The rows, each followed by CR LF, converted once. Converting after every row instead gives
// the same text: no step's code spans a CR LF and no tag holds a code, so each row converts
// on its own whatever stands before it.
std::string HistoryText(const std::vector<std::string>& rows);

}  // namespace qv
