// Lower-casing for the list's sort: the text as 16-bit code units, compared ordinally.
#pragma once

#include <string>

namespace qv {

// UTF-8 to UTF-16; a malformed byte becomes U+FFFD.
std::u16string Utf8ToUtf16(const std::string& utf8);

// The text in UTF-16 with its letters lower-cased: ASCII, Latin-1, Latin Extended-A and
// Greek and Cyrillic capitals.
std::u16string FoldCase(const std::string& utf8);

}  // namespace qv
