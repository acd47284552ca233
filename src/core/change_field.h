// A value whose change runs a handler inside the write, the way the program's hidden
// controls hand work from one step to the next. Writing the value it already holds runs
// nothing; a handler that writes its own field runs again, nested.
#pragma once

#include <functional>
#include <string>
#include <utility>

namespace qv {

template <typename T>
class ChangeField {
  public:
    using Handler = std::function<void()>;

    ChangeField() = default;
    explicit ChangeField(T initial) : value_(std::move(initial)) {}

    void OnChange(Handler handler) { handler_ = std::move(handler); }

    // Returns true when the value changed (and the handler ran).
    bool Set(const T& value) {
        if (value == value_) return false;
        value_ = value;
        if (handler_) handler_();
        return true;
    }

    const T& Get() const { return value_; }
    operator const T&() const { return value_; }

  private:
    T value_{};
    Handler handler_;
};

using TextField = ChangeField<std::string>;

}  // namespace qv
