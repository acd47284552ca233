// The text form of a property bag (the format is described in property_bag.h).
#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <sstream>

#include "core/number_text.h"
#include "listcontrol/property_bag.h"

namespace qv {

namespace {

// Beyond any font size or measure a stored list can mean.
constexpr double kMostReal = 1e6;

std::string Quote(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                out += c;
        }
    }
    return out + "\"";
}

std::string SizeText(double points) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.6g", points);
    return buffer;
}

std::string ValueText(const PropValue& value) {
    switch (value.kind) {
        case PropKind::kLong:
            return "long " + DecimalText(value.number);
        case PropKind::kInteger:
            return "integer " + DecimalText(value.number);
        case PropKind::kBoolean:
            return value.number ? "boolean True" : "boolean False";
        case PropKind::kString:
            return "string " + Quote(value.text);
        case PropKind::kFont: {
            const FontSpec& f = value.font;
            return "font " + Quote(f.name) + " " + SizeText(f.size) + " " + DecimalText(f.weight) +
                   " " + (f.bold ? "1" : "0") + " " + (f.italic ? "1" : "0") + " " +
                   (f.underline ? "1" : "0") + " " + (f.strikethrough ? "1" : "0") + " " +
                   DecimalText(f.charset);
        }
        case PropKind::kPicture:
            return "picture " + Quote(value.picture->source) + " " +
                   DecimalText(value.picture->width) + " " + DecimalText(value.picture->height);
    }
    return "";
}

// Reads the words of one entry's value, left to right.
class LineReader {
  public:
    LineReader(const std::string& text, int line) : text_(text), line_(line) {}

    [[noreturn]] void Fail(const std::string& what) const {
        throw PropertyBagError("line " + std::to_string(line_) + ": " + what);
    }

    std::string Word() {
        SkipBlanks();
        const size_t start = pos_;
        while (pos_ < text_.size() && !std::isspace(static_cast<unsigned char>(text_[pos_]))) {
            ++pos_;
        }
        if (start == pos_) Fail("value missing");
        return text_.substr(start, pos_ - start);
    }

    int64_t Number(int64_t min, int64_t max) {
        const std::string word = Word();
        int64_t value = 0;
        char* end = nullptr;
        errno = 0;
        if (word.size() > 2 && (word[0] == '&') && (word[1] == 'H' || word[1] == 'h')) {
            // Digits only: strtoull would take a sign and wrap it round.
            const char first = word[2];
            if (!std::isxdigit(static_cast<unsigned char>(first))) Fail("bad number " + word);
            const unsigned long long raw = std::strtoull(word.c_str() + 2, &end, 16);
            if (raw > static_cast<unsigned long long>(INT64_MAX)) errno = ERANGE;
            value = static_cast<int64_t>(raw);
        } else {
            value = std::strtoll(word.c_str(), &end, 10);
        }
        if (end == nullptr || *end != '\0' || errno == ERANGE || value < min || value > max) {
            Fail("bad number " + word);
        }
        return value;
    }

    bool Flag() { return Number(0, 1) == 1; }

    double Real() {
        const std::string word = Word();
        char* end = nullptr;
        const double value = std::strtod(word.c_str(), &end);
        // A size must be a plain finite number: nan, infinities and overflows draw nothing.
        if (*end != '\0' || !std::isfinite(value) || std::fabs(value) > kMostReal) {
            Fail("bad number " + word);
        }
        return value;
    }

    std::string Quoted() {
        SkipBlanks();
        if (pos_ >= text_.size() || text_[pos_] != '"') Fail("quoted text expected");
        std::string out;
        for (++pos_; pos_ < text_.size(); ++pos_) {
            char c = text_[pos_];
            if (c == '"') {
                ++pos_;
                return out;
            }
            if (c == '\\' && pos_ + 1 < text_.size()) {
                c = text_[++pos_];
                if (c == 'n') c = '\n';
                if (c == 't') c = '\t';
            }
            out += c;
        }
        Fail("closing quote missing");
    }

    void End() {
        SkipBlanks();
        if (pos_ != text_.size()) Fail("unexpected text after the value");
    }

  private:
    void SkipBlanks() {
        while (pos_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[pos_]))) {
            ++pos_;
        }
    }

    const std::string& text_;
    int line_;
    size_t pos_ = 0;
};

constexpr int64_t kLongMin = std::numeric_limits<int32_t>::min();
constexpr int64_t kLongMax = std::numeric_limits<uint32_t>::max();

PropValue ParseValue(LineReader& reader) {
    PropValue value;
    const std::string type = reader.Word();
    if (type == "long") {
        value.kind = PropKind::kLong;
        value.number = static_cast<int32_t>(reader.Number(kLongMin, kLongMax));
    } else if (type == "integer") {
        value.kind = PropKind::kInteger;
        value.number = static_cast<int32_t>(reader.Number(-32768, 65535));
        value.number = static_cast<int16_t>(value.number);
    } else if (type == "boolean") {
        value.kind = PropKind::kBoolean;
        const std::string word = reader.Word();
        if (word != "True" && word != "False") reader.Fail("True or False expected");
        value.number = word == "True" ? -1 : 0;
    } else if (type == "string") {
        value.kind = PropKind::kString;
        value.text = reader.Quoted();
    } else if (type == "font") {
        value.kind = PropKind::kFont;
        FontSpec& f = value.font;
        f.name = reader.Quoted();
        f.size = reader.Real();
        f.weight = static_cast<int32_t>(reader.Number(0, 1000));
        f.bold = reader.Flag();
        f.italic = reader.Flag();
        f.underline = reader.Flag();
        f.strikethrough = reader.Flag();
        f.charset = static_cast<int32_t>(reader.Number(0, 255));
    } else if (type == "picture") {
        value.kind = PropKind::kPicture;
        std::string source = reader.Quoted();
        const auto width = static_cast<int32_t>(reader.Number(0, 65535));
        const auto height = static_cast<int32_t>(reader.Number(0, 65535));
        value.picture = MakePicture(std::move(source), width, height);
    } else {
        reader.Fail("unknown type " + type);
    }
    reader.End();
    return value;
}

std::string Trim(const std::string& text) {
    size_t start = 0;
    size_t end = text.size();
    while (start < end && std::isspace(static_cast<unsigned char>(text[start]))) ++start;
    while (end > start && std::isspace(static_cast<unsigned char>(text[end - 1]))) --end;
    return text.substr(start, end - start);
}

}  // namespace

std::string PropertyBag::ToText() const {
    std::string out;
    for (const Entry& entry : entries_) out += entry.key + " = " + ValueText(entry.value) + "\n";
    return out;
}

PropertyBag PropertyBag::FromText(const std::string& text) {
    PropertyBag bag;
    std::istringstream lines(text);
    std::string line;
    int number = 0;
    while (std::getline(lines, line)) {
        ++number;
        const std::string trimmed = Trim(line);
        if (trimmed.empty() || trimmed[0] == '#') continue;
        const size_t equals = trimmed.find('=');
        const std::string key = Trim(trimmed.substr(0, equals));
        LineReader reader(trimmed, number);
        if (equals == std::string::npos || key.empty() ||
            key.find_first_of(" \t") != std::string::npos) {
            reader.Fail("Key = type value expected");
        }
        const std::string rest = trimmed.substr(equals + 1);
        LineReader value_reader(rest, number);
        bag.entries_.push_back({key, ParseValue(value_reader)});
    }
    return bag;
}

}  // namespace qv
