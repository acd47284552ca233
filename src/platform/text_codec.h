// Conversion between the portable UTF-8 text and the system's ANSI code page.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace qv {

// How many UTF-16 code units the text takes, the unit in which the wide window messages
// count lengths. A byte that starts no valid UTF-8 sequence counts as one unit.
size_t Utf16Length(std::string_view utf8);

class TextCodec {
  public:
    virtual ~TextCodec() = default;
    virtual std::string ToAnsi(const std::string& utf8) = 0;
    virtual std::string FromAnsi(const std::string& ansi) = 0;
};

// Windows-1252, the ANSI code page of the machines the program is tested on. The five bytes
// the code page leaves undefined (81, 8D, 8F, 90, 9D) map to the control characters of the
// same number and back, as Windows maps them, so every byte survives a round trip.
class Cp1252Codec : public TextCodec {
  public:
    std::string ToAnsi(const std::string& utf8) override;
    std::string FromAnsi(const std::string& ansi) override;
};

}  // namespace qv
