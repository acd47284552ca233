// The alert tone: a one-second stereo WAV file image synthesized once at start and played
// from memory on every name alert, so an alert costs no synthesis and no file access.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/sound.h"

namespace qv {

// The 44-byte RIFF/WAVE header: one "fmt " chunk and one "data" chunk, little-endian. Every
// field sits at its natural alignment, so the struct has exactly the file's layout.
struct WaveFileHeader {
    char riff_id[4];
    uint32_t riff_size;
    char wave_id[4];
    char fmt_id[4];
    uint32_t fmt_size;
    uint16_t audio_format;
    uint16_t channels;
    uint32_t sample_rate;
    uint32_t byte_rate;
    uint16_t block_align;
    uint16_t bits_per_sample;
    char data_id[4];
    uint32_t data_size;
};
static_assert(sizeof(WaveFileHeader) == 44, "WaveFileHeader must match the file layout");

// One sample frame: the left channel, then the right one.
struct StereoFrame {
    int16_t left;
    int16_t right;
};
static_assert(sizeof(StereoFrame) == 4, "StereoFrame must match the file layout");

constexpr int kToneSampleRate = 44100;
constexpr double kToneFreq1 = 200;  // right channel, sine
constexpr double kToneFreq2 = 201;  // left channel, cosine
constexpr double kToneDuration = 1;

// Why a synthesis or header build failed. Faults are returned, never thrown: the only caller
// (start-up) ignores them and goes on with an unallocated image.
enum class ToneFault {
    kNone,
    kNoSamples,      // the duration gives fewer than one sample
    kFloatingPoint,  // a division by zero, an infinite or not-a-number value
    kOverflow,       // a header field or a sample leaves its integer range
    kOutOfMemory,
};

// A whole WAV file image in memory. Empty means unallocated: playing it plays nothing.
// The owner keeps it alive and unchanged while an asynchronous play may still read it.
class AlertToneImage {
  public:
    bool Allocated() const { return !bytes_.empty(); }
    const uint8_t* data() const { return bytes_.data(); }
    size_t size() const { return bytes_.size(); }
    const std::vector<uint8_t>& bytes() const { return bytes_; }

    // Replaces the image (used by MakeSound, and by start-up for its one zero byte).
    void Assign(std::vector<uint8_t> bytes) { bytes_ = std::move(bytes); }

  private:
    std::vector<uint8_t> bytes_;
};

// Renders the tone: right channel sin(t·2π·freq1)^55, left channel cos(t·2π·freq2)^55, with an
// amplitude falling linearly from 30,000. On a fault `image` is left as it was.
ToneFault MakeSound(AlertToneImage& image, double freq1, double freq2, double duration);

// Fills every field of `header`. On a fault `header` is left as it was.
ToneFault BuildWaveHeader(WaveFileHeader& header, int32_t sample_count, int32_t channels,
                          int32_t sample_rate, int16_t bits_per_sample);

// memmove of `length` bytes; does nothing for a length below 1 or a null destination.
void CopyBytes(const void* source, void* destination, int32_t length);

// Plays the image from memory with `flag` | kSoundMemory; an unallocated image plays nothing.
// The player's result is not looked at.
void PlayWavData(SoundPlayer& sound, const AlertToneImage& wave_data, uint32_t flag);

}  // namespace qv
