// Conversion between the portable UTF-8 text and the system's ANSI code page.
#pragma once

#include <string>

namespace qv {

class TextCodec {
  public:
    virtual ~TextCodec() = default;
    virtual std::string ToAnsi(const std::string& utf8) = 0;
    virtual std::string FromAnsi(const std::string& ansi) = 0;
};

// Windows-1252, the ANSI code page of the machines the program is tested on.
class Cp1252Codec : public TextCodec {
  public:
    std::string ToAnsi(const std::string& utf8) override;
    std::string FromAnsi(const std::string& ansi) override;
};

}  // namespace qv
