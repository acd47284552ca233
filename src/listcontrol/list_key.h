// The caller's data attached to a list row: absent, a number or a string. It is never drawn.
#pragma once

#include <string>
#include <variant>

namespace qv {

class ListKey {
  public:
    ListKey() = default;  // absent
    ListKey(double number) : value_(number) {}
    ListKey(int number) : value_(static_cast<double>(number)) {}
    ListKey(std::string text) : value_(std::move(text)) {}
    ListKey(const char* text) : value_(std::string(text)) {}

    bool IsAbsent() const { return std::holds_alternative<std::monostate>(value_); }
    bool IsNumber() const { return std::holds_alternative<double>(value_); }
    bool IsString() const { return std::holds_alternative<std::string>(value_); }
    double Number() const { return IsNumber() ? std::get<double>(value_) : 0.0; }
    const std::string& String() const;

    // The key as text: "" when absent, a number in its shortest decimal form ("5", "2.5").
    std::string Text() const;

    // Numbers equal by value, strings exactly; an absent key or keys of different kinds
    // never count as equal.
    bool Equals(const ListKey& other) const;

  private:
    std::variant<std::monostate, double, std::string> value_;
};

}  // namespace qv
