// The greet window. It is loaded unseen the first time the chat list is bound, because
// its hidden time button stamps the welcome lines.
#pragma once

#include <functional>

#include "core/change_field.h"
#include "platform/local_clock.h"

namespace qv {

class Form4 {
  public:
    explicit Form4(LocalClock& clock) : clock_(clock) {}

    // Loads the window (hidden) the first time; the load step runs once.
    void Load();
    bool Loaded() const { return loaded_; }
    void SetOnLoad(std::function<void()> on_load) { on_load_ = std::move(on_load); }

    // The hidden time button: stores the time of day in the user's regional format.
    void Command3_Click();

    TextField Text3;

  private:
    LocalClock& clock_;
    bool loaded_ = false;
    std::function<void()> on_load_;
};

}  // namespace qv
