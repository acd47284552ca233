#include "gamelink/key_state.h"

namespace qv {

bool KeyPressed(Keyboard& keyboard, int32_t virtual_key) {
    // The state is a signed SHORT: 0x8001 arrives as -32767, so compare the bit pattern.
    return static_cast<uint16_t>(keyboard.GetAsyncKeyState(virtual_key)) == kKeyDownAndNewlyPressed;
}

}  // namespace qv
