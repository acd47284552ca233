#include "listcontrol/list_key.h"

#include <cstdio>

namespace qv {

const std::string& ListKey::String() const {
    static const std::string kEmpty;
    return IsString() ? std::get<std::string>(value_) : kEmpty;
}

std::string ListKey::Text() const {
    if (IsString()) return String();
    if (!IsNumber()) return "";
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.15g", Number());
    return buffer;
}

bool ListKey::Equals(const ListKey& other) const {
    if (IsNumber() && other.IsNumber()) return Number() == other.Number();
    if (IsString() && other.IsString()) return String() == other.String();
    return false;
}

}  // namespace qv
