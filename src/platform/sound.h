// Plays a whole WAV file image from memory.
#pragma once

#include <cstddef>
#include <cstdint>

namespace qv {

constexpr uint32_t kSoundAsync = 1;   // SND_ASYNC
constexpr uint32_t kSoundMemory = 4;  // SND_MEMORY

class SoundPlayer {
  public:
    virtual ~SoundPlayer() = default;
    // The image must stay alive while an asynchronous play may read it.
    virtual bool PlayMemory(const uint8_t* image, size_t size, uint32_t flags) = 0;
};

}  // namespace qv
