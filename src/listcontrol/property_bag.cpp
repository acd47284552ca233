#include "listcontrol/property_bag.h"

#include <cctype>
#include <limits>

#include "core/number_text.h"
#include "listcontrol/list_error.h"

namespace qv {

namespace {

bool SameKey(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}

PropValue NumberValue(PropKind kind, int32_t number) {
    PropValue value;
    value.kind = kind;
    value.number = number;
    return value;
}

bool IsNumeric(PropKind kind) {
    return kind == PropKind::kLong || kind == PropKind::kInteger || kind == PropKind::kBoolean;
}

int64_t NumberOf(const PropValue& value) {
    if (IsNumeric(value.kind)) return value.number;
    if (value.kind == PropKind::kString) {
        if (auto parsed = ParseNumber(value.text, std::numeric_limits<int64_t>::min() / 2,
                                      std::numeric_limits<int64_t>::max() / 2)) {
            return *parsed;
        }
        if (SameKey(value.text, "True")) return -1;
        if (SameKey(value.text, "False")) return 0;
    }
    throw ListError(kErrTypeMismatch);
}

int64_t CheckedRange(int64_t number, int64_t min, int64_t max) {
    if (number < min || number > max) throw ListError(kErrOverflow);
    return number;
}

}  // namespace

const PropValue* PropertyBag::Find(const std::string& key) const {
    for (const Entry& entry : entries_) {
        if (SameKey(entry.key, key)) return &entry.value;
    }
    return nullptr;
}

void PropertyBag::WriteLong(const std::string& key, int32_t value, int32_t default_value) {
    if (value != default_value) entries_.push_back({key, NumberValue(PropKind::kLong, value)});
}

void PropertyBag::WriteInteger(const std::string& key, int16_t value, int16_t default_value) {
    if (value != default_value) entries_.push_back({key, NumberValue(PropKind::kInteger, value)});
}

void PropertyBag::WriteBoolean(const std::string& key, bool value, bool default_value) {
    if (value != default_value) {
        entries_.push_back({key, NumberValue(PropKind::kBoolean, value ? -1 : 0)});
    }
}

void PropertyBag::WriteString(const std::string& key, const std::string& value,
                              const std::string& default_value) {
    if (value == default_value) return;
    PropValue stored;
    stored.kind = PropKind::kString;
    stored.text = value;
    entries_.push_back({key, std::move(stored)});
}

void PropertyBag::WriteFont(const std::string& key, const FontSpec& value) {
    PropValue stored;
    stored.kind = PropKind::kFont;
    stored.font = value;
    entries_.push_back({key, std::move(stored)});
}

void PropertyBag::WritePicture(const std::string& key, const Picture& value) {
    if (!value) return;
    PropValue stored;
    stored.kind = PropKind::kPicture;
    stored.picture = value;
    entries_.push_back({key, std::move(stored)});
}

int32_t PropertyBag::ReadLong(const std::string& key, int32_t default_value) const {
    const PropValue* value = Find(key);
    if (!value) return default_value;
    // Colours above &H7FFFFFFF are stored with their bit pattern as negative numbers.
    return static_cast<int32_t>(CheckedRange(NumberOf(*value), std::numeric_limits<int32_t>::min(),
                                             std::numeric_limits<uint32_t>::max()));
}

int16_t PropertyBag::ReadInteger(const std::string& key, int16_t default_value) const {
    const PropValue* value = Find(key);
    if (!value) return default_value;
    return static_cast<int16_t>(CheckedRange(NumberOf(*value), -32768, 32767));
}

bool PropertyBag::ReadBoolean(const std::string& key, bool default_value) const {
    const PropValue* value = Find(key);
    if (!value) return default_value;
    return NumberOf(*value) != 0;
}

std::string PropertyBag::ReadString(const std::string& key,
                                    const std::string& default_value) const {
    const PropValue* value = Find(key);
    if (!value) return default_value;
    if (value->kind == PropKind::kString) return value->text;
    if (value->kind == PropKind::kBoolean) return value->number ? "True" : "False";
    if (IsNumeric(value->kind)) return DecimalText(value->number);
    throw ListError(kErrTypeMismatch);
}

FontSpec PropertyBag::ReadFont(const std::string& key, const FontSpec& default_value) const {
    const PropValue* value = Find(key);
    if (!value) return default_value;
    if (value->kind != PropKind::kFont) throw ListError(kErrTypeMismatch);
    return value->font;
}

Picture PropertyBag::ReadPicture(const std::string& key) const {
    const PropValue* value = Find(key);
    if (!value) return nullptr;
    if (value->kind != PropKind::kPicture) throw ListError(kErrTypeMismatch);
    return value->picture;
}

}  // namespace qv
