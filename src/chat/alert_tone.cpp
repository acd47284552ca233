#include "chat/alert_tone.h"

#include <cmath>
#include <cstring>
#include <limits>
#include <new>

#include "core/rounding.h"

namespace qv {
namespace {

static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__,
              "the image is assembled by copying memory, so the host must be little-endian");

constexpr double kTwoPi = 6.28318530717958;  // 2 × 3.14159265358979, a hair below 2π
constexpr double kStartAmplitude = 30000;
constexpr double kPulseExponent = 55;  // odd, so each wave keeps its sign

bool FitsInt32(double value) {
    return value >= std::numeric_limits<int32_t>::min() &&
           value <= std::numeric_limits<int32_t>::max();
}

bool FitsInt16(double value) {
    return value >= std::numeric_limits<int16_t>::min() &&
           value <= std::numeric_limits<int16_t>::max();
}

// One sample value to a 16-bit integer, halves to even.
ToneFault ToSample(double value, int16_t& sample) {
    if (!std::isfinite(value)) return ToneFault::kFloatingPoint;
    const double rounded = RoundHalfEven(value);
    if (!FitsInt16(rounded)) return ToneFault::kOverflow;
    sample = static_cast<int16_t>(rounded);
    return ToneFault::kNone;
}

void PutId(char (&field)[4], const char* id) { std::memcpy(field, id, 4); }

}  // namespace

void CopyBytes(const void* source, void* destination, int32_t length) {
    if (length < 1 || destination == nullptr) return;
    std::memmove(destination, source, static_cast<size_t>(length));
}

ToneFault BuildWaveHeader(WaveFileHeader& header, int32_t sample_count, int32_t channels,
                          int32_t sample_rate, int16_t bits_per_sample) {
    const int64_t samples = int64_t{sample_count} * channels;
    if (!FitsInt32(static_cast<double>(samples))) return ToneFault::kOverflow;
    const double data_size = RoundHalfEven(bits_per_sample * static_cast<double>(samples) / 8);
    if (!FitsInt32(data_size)) return ToneFault::kOverflow;
    const double riff_size = data_size + 36;
    if (!FitsInt32(riff_size)) return ToneFault::kOverflow;
    if (!FitsInt16(channels)) return ToneFault::kOverflow;
    const double block_align = RoundHalfEven(bits_per_sample * static_cast<double>(channels) / 8);
    if (!FitsInt16(block_align)) return ToneFault::kOverflow;
    const double byte_rate = block_align * sample_rate;
    if (!FitsInt32(byte_rate)) return ToneFault::kOverflow;

    WaveFileHeader h{};
    PutId(h.riff_id, "RIFF");
    h.riff_size = static_cast<uint32_t>(static_cast<int32_t>(riff_size));
    PutId(h.wave_id, "WAVE");
    PutId(h.fmt_id, "fmt ");
    h.fmt_size = 16;
    h.audio_format = 1;  // PCM
    h.channels = static_cast<uint16_t>(static_cast<int16_t>(channels));
    h.sample_rate = static_cast<uint32_t>(sample_rate);
    h.block_align = static_cast<uint16_t>(static_cast<int16_t>(block_align));
    h.byte_rate = static_cast<uint32_t>(static_cast<int32_t>(byte_rate));
    h.bits_per_sample = static_cast<uint16_t>(bits_per_sample);
    PutId(h.data_id, "data");
    h.data_size = static_cast<uint32_t>(static_cast<int32_t>(data_size));
    header = h;
    return ToneFault::kNone;
}

ToneFault MakeSound(AlertToneImage& image, double freq1, double freq2, double duration) {
    const double count = RoundHalfEven(duration * kToneSampleRate);
    if (!std::isfinite(count)) return ToneFault::kFloatingPoint;
    if (!FitsInt32(count)) return ToneFault::kOverflow;
    const int32_t n = static_cast<int32_t>(count);
    if (n < 1) return ToneFault::kNoSamples;

    // The header is built before the synthesis so that a sample count too large for it
    // fails at once instead of after allocating and computing every frame.
    WaveFileHeader header{};
    if (ToneFault f = BuildWaveHeader(header, n, 2, kToneSampleRate, 16); f != ToneFault::kNone) {
        return f;
    }

    try {
        std::vector<StereoFrame> frames(static_cast<size_t>(n));
        // t and A advance by repeated addition, as the tone has always been rendered; they
        // are not recomputed from the frame number.
        double t = 0;
        const double dt = 1.0 / kToneSampleRate;
        double amplitude = kStartAmplitude;
        const double d_amplitude = kStartAmplitude / static_cast<double>(n);
        const double w1 = freq1 * kTwoPi;
        const double w2 = freq2 * kTwoPi;
        for (StereoFrame& frame : frames) {
            const double right = std::pow(std::sin(t * w1), kPulseExponent) * amplitude;
            if (ToneFault f = ToSample(right, frame.right); f != ToneFault::kNone) return f;
            const double left = std::pow(std::cos(t * w2), kPulseExponent) * amplitude;
            if (ToneFault f = ToSample(left, frame.left); f != ToneFault::kNone) return f;
            t += dt;
            amplitude -= d_amplitude;
        }

        std::vector<uint8_t> bytes(sizeof(WaveFileHeader) + header.data_size);
        CopyBytes(&header, bytes.data(), static_cast<int32_t>(sizeof(WaveFileHeader)));
        CopyBytes(frames.data(), bytes.data() + sizeof(WaveFileHeader),
                  static_cast<int32_t>(header.data_size));
        image.Assign(std::move(bytes));
    } catch (const std::bad_alloc&) {
        return ToneFault::kOutOfMemory;
    }
    return ToneFault::kNone;
}

void PlayWavData(SoundPlayer& sound, const AlertToneImage& wave_data, uint32_t flag) {
    if (!wave_data.Allocated()) return;
    sound.PlayMemory(wave_data.data(), wave_data.size(), flag | kSoundMemory);
}

}  // namespace qv
