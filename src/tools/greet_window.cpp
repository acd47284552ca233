#include "tools/greet_window.h"

namespace qv {

void Form4::Load() {
    if (loaded_) return;
    loaded_ = true;
    if (on_load_) on_load_();
}

void Form4::Command3_Click() {
    Load();
    Text3.Set(clock_.FormatTime(clock_.Now()));
}

}  // namespace qv
