// The keyboard's asynchronous state, as the handle capture's hot key reads it.
#pragma once

#include <cstdint>

namespace qv {

class Keyboard {
  public:
    virtual ~Keyboard() = default;
    // GetAsyncKeyState: bit 15 set while the key is down, bit 0 set when it was pressed
    // since the previous query (which the query clears). The value is the 16-bit SHORT.
    virtual int16_t GetAsyncKeyState(int32_t virtual_key) = 0;
};

}  // namespace qv
