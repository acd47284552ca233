// The keyed store of typed values in which the list control saves its settings and from
// which it is created. A value equal to its default is left out on writing; a missing key
// reads as its default; keys match without regard to letter case; a key may be written more
// than once, and the first entry is the one read.
//
// On disk a bag is text, one entry a line, in the order written:
//
//   # comment (a line whose first non-blank character is '#'; blank lines are skipped too)
//   Key = long 16777215        32-bit integer; decimal, or hexadecimal as &HFFFFFF
//   Key = integer 28           16-bit integer, same notation
//   Key = boolean True         True or False
//   Key = string "a \"b\""     escapes \" \\ \n \t
//   Key = font "Verdana" 9.75 400 0 0 0 0 0
//                              name, points, weight, bold, italic, underline,
//                              strike-through (0 or 1), character set
//   Key = picture "resource:3101" 416 18
//                              where the pixels come from, width, height in pixels
//
// A key is one word without blanks or '='. The text is UTF-8.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "listcontrol/list_canvas.h"

namespace qv {

enum class PropKind { kLong, kInteger, kBoolean, kString, kFont, kPicture };

struct PropValue {
    PropKind kind = PropKind::kLong;
    int32_t number = 0;  // long, integer, boolean (-1 True, 0 False)
    std::string text;
    FontSpec font;
    Picture picture;
};

// A text that is not a bag: the message names the line.
class PropertyBagError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

class PropertyBag {
  public:
    struct Entry {
        std::string key;
        PropValue value;
    };

    void WriteLong(const std::string& key, int32_t value, int32_t default_value);
    void WriteInteger(const std::string& key, int16_t value, int16_t default_value);
    void WriteBoolean(const std::string& key, bool value, bool default_value);
    void WriteString(const std::string& key, const std::string& value,
                     const std::string& default_value);
    // Objects are compared with their default as objects: a font held by the control is never
    // its default, so it is always written; a picture is written when there is one.
    void WriteFont(const std::string& key, const FontSpec& value);
    void WritePicture(const std::string& key, const Picture& value);

    // Each converts the stored value to the asked type; a value of another kind that does not
    // convert raises ListError(kErrTypeMismatch), a number too big for 16 bits kErrOverflow.
    int32_t ReadLong(const std::string& key, int32_t default_value) const;
    int16_t ReadInteger(const std::string& key, int16_t default_value) const;
    bool ReadBoolean(const std::string& key, bool default_value) const;
    std::string ReadString(const std::string& key, const std::string& default_value) const;
    FontSpec ReadFont(const std::string& key, const FontSpec& default_value) const;
    Picture ReadPicture(const std::string& key) const;

    // The first entry of a key (any letter case), or nullptr.
    const PropValue* Find(const std::string& key) const;
    const std::vector<Entry>& Entries() const { return entries_; }

    std::string ToText() const;
    // Raises PropertyBagError for a line that is not an entry.
    static PropertyBag FromText(const std::string& text);

  private:
    std::vector<Entry> entries_;
};

}  // namespace qv
