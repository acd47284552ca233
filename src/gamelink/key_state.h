// Reading a hot key of the handle capture: a press that is new since the previous query.
#pragma once

#include <cstdint>

#include "platform/keyboard.h"

namespace qv {

// The 16-bit pattern GetAsyncKeyState gives for "down now, and pressed since last asked".
constexpr uint16_t kKeyDownAndNewlyPressed = 0x8001;

// True only when the key's state is exactly that pattern; a key held since an earlier query
// (0x8000), a press already released (0x0001) or any other value reads as false.
bool KeyPressed(Keyboard& keyboard, int32_t virtual_key);

}  // namespace qv
