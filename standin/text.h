// Text conversions of the stand-in: the game keeps its rows as cp1252 bytes with colour codes
// 0x10..0x1B, the script writes such bytes with \xNN escapes, and the transcript writes them
// back the same way so every event stays on one line.
#pragma once

#include <string>

namespace standin {

// "\xNN" gives the byte NN (two hex digits) and "\\" one backslash; any other character,
// including a backslash that starts neither form, is kept as it is.
std::string UnescapeScriptText(const std::string& text);

// Bytes below 0x20, from 0x7F up, and the backslash become "\xNN" (upper-case hex); the
// result reads back through UnescapeScriptText as the same bytes.
std::string EscapeTranscriptText(const std::string& bytes);

std::wstring WideFromCp1252(const std::string& bytes);
std::string Cp1252FromWide(const std::wstring& text);

}  // namespace standin
