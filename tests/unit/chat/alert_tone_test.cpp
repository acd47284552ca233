#include "chat/alert_tone.h"
#include "core/rounding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "sim/sim_platform.h"

namespace qv {
namespace {

uint32_t U32(const std::vector<uint8_t>& b, size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<uint32_t>(b[at + 3]) << 24;
}
uint16_t U16(const std::vector<uint8_t>& b, size_t at) {
    return static_cast<uint16_t>(b[at] | b[at + 1] << 8);
}
int16_t Left(const std::vector<uint8_t>& b, size_t frame) {
    return static_cast<int16_t>(U16(b, 44 + 4 * frame));
}
int16_t Right(const std::vector<uint8_t>& b, size_t frame) {
    return static_cast<int16_t>(U16(b, 44 + 4 * frame + 2));
}

class AlertTone : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        ASSERT_EQ(MakeSound(tone_, kToneFreq1, kToneFreq2, kToneDuration), ToneFault::kNone);
    }
    inline static AlertToneImage tone_;
    const std::vector<uint8_t>& bytes() { return tone_.bytes(); }
};

TEST_F(AlertTone, HeaderHoldsTheAlertToneValues) {
    const auto& b = bytes();
    ASSERT_EQ(b.size(), 176444u);
    EXPECT_EQ(std::memcmp(b.data(), "RIFF", 4), 0);
    EXPECT_EQ(U32(b, 4), 176436u);
    EXPECT_EQ(std::memcmp(b.data() + 8, "WAVEfmt ", 8), 0);
    EXPECT_EQ(U32(b, 16), 16u);
    EXPECT_EQ(U16(b, 20), 1u);
    EXPECT_EQ(U16(b, 22), 2u);
    EXPECT_EQ(U32(b, 24), 44100u);
    EXPECT_EQ(U32(b, 28), 176400u);
    EXPECT_EQ(U16(b, 32), 4u);
    EXPECT_EQ(U16(b, 34), 16u);
    EXPECT_EQ(std::memcmp(b.data() + 36, "data", 4), 0);
    EXPECT_EQ(U32(b, 40), 176400u);
}

TEST_F(AlertTone, FirstFramesAreTheCosinePulseAndASilentSine) {
    const auto& b = bytes();
    EXPECT_EQ(b[44], 0x30);
    EXPECT_EQ(b[45], 0x75);
    EXPECT_EQ(b[46], 0x00);
    EXPECT_EQ(b[47], 0x00);
    const int16_t expected_left[] = {29330, 27410, 24481, 20894, 17036};
    for (size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(Left(b, i + 1), expected_left[i]) << "frame " << i + 2;
        EXPECT_EQ(Right(b, i + 1), 0) << "frame " << i + 2;
    }
}

TEST_F(AlertTone, RightChannelFirstCrestIsFrame56) {
    const auto& b = bytes();
    size_t crest = 0;
    for (size_t i = 1; i < 200; ++i) {
        if (Right(b, i) > Right(b, crest)) crest = i;
    }
    EXPECT_EQ(crest + 1, 56u);  // frames count from 1
    EXPECT_EQ(Right(b, crest), 29952);
}

TEST_F(AlertTone, OddExponentKeepsNegativeHalfWavesAndTheTailFades) {
    const auto& b = bytes();
    int16_t lowest = 0;
    int16_t highest = 0;
    for (size_t i = 0; i < 44100; ++i) {
        lowest = std::min({lowest, Left(b, i), Right(b, i)});
        highest = std::max({highest, Left(b, i), Right(b, i)});
    }
    EXPECT_LT(lowest, -29000);
    EXPECT_GE(lowest, -30000);
    EXPECT_LE(highest, 30000);
    for (size_t i = 44090; i < 44100; ++i) {
        EXPECT_LE(std::abs(Left(b, i)), 2);
        EXPECT_LE(std::abs(Right(b, i)), 2);
    }
}

TEST(AlertToneRender, HalfSecondHalvesTheData) {
    AlertToneImage image;
    ASSERT_EQ(MakeSound(image, 200, 201, 0.5), ToneFault::kNone);
    EXPECT_EQ(image.size(), 88244u);
    EXPECT_EQ(U32(image.bytes(), 4), 88236u);
    EXPECT_EQ(U32(image.bytes(), 40), 88200u);
}

TEST(AlertToneRender, FaultsLeaveTheImageUnchanged) {
    AlertToneImage image;
    image.Assign({0});
    // 1/88,200 s rounds to 0 samples (a half goes to the even neighbour).
    EXPECT_EQ(MakeSound(image, 200, 201, 1.0 / 88200), ToneFault::kNoSamples);
    EXPECT_EQ(MakeSound(image, 200, 201, -1), ToneFault::kNoSamples);
    EXPECT_EQ(MakeSound(image, 200, 201, 1e6), ToneFault::kOverflow);    // count > 32 bits
    EXPECT_EQ(MakeSound(image, 200, 201, 20000), ToneFault::kOverflow);  // data size > 32 bits
    EXPECT_EQ(MakeSound(image, 200, 201, NAN), ToneFault::kFloatingPoint);
    EXPECT_EQ(MakeSound(image, INFINITY, 201, 1), ToneFault::kFloatingPoint);
    EXPECT_EQ(image.bytes(), std::vector<uint8_t>{0});
    // 1.5/44,100 s is 1.5 samples, which rounds to 2.
    ASSERT_EQ(MakeSound(image, 200, 201, 1.5 / 44100), ToneFault::kNone);
    EXPECT_EQ(image.size(), 44u + 8u);
}

TEST(AlertToneRender, HeaderOverflowsAreFaults) {
    WaveFileHeader header{};
    header.fmt_size = 77;
    EXPECT_EQ(BuildWaveHeader(header, 1 << 30, 2, 44100, 16), ToneFault::kOverflow);
    EXPECT_EQ(BuildWaveHeader(header, 10, 40000, 44100, 16), ToneFault::kOverflow);
    EXPECT_EQ(BuildWaveHeader(header, 10, 2, 1 << 30, 16), ToneFault::kOverflow);
    EXPECT_EQ(header.fmt_size, 77u);
    ASSERT_EQ(BuildWaveHeader(header, 3, 1, 8000, 8), ToneFault::kNone);
    EXPECT_EQ(header.data_size, 3u);
    EXPECT_EQ(header.block_align, 1u);  // 8 × 1 / 8
    EXPECT_EQ(header.byte_rate, 8000u);
}

TEST(AlertToneRender, RoundsHalvesToEven) {
    EXPECT_EQ(RoundHalfEven(0.5), 0);
    EXPECT_EQ(RoundHalfEven(1.5), 2);
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(-0.5), 0);
    EXPECT_EQ(RoundHalfEven(-1.5), -2);
    EXPECT_EQ(RoundHalfEven(2.4999), 2);
    EXPECT_EQ(RoundHalfEven(-2.6), -3);
}

TEST(AlertToneCopy, CopiesNothingForNoLengthOrNoDestination) {
    const char source[4] = {'a', 'b', 'c', 'd'};
    char destination[4] = {'w', 'x', 'y', 'z'};
    CopyBytes(source, destination, 0);
    CopyBytes(source, destination, -3);
    CopyBytes(source, nullptr, 4);
    EXPECT_EQ(std::memcmp(destination, "wxyz", 4), 0);
    CopyBytes(source, destination, 2);
    EXPECT_EQ(std::memcmp(destination, "abyz", 4), 0);
    char overlap[6] = {'1', '2', '3', '4', '5', '6'};
    CopyBytes(overlap, overlap + 2, 4);
    EXPECT_EQ(std::memcmp(overlap, "121234", 6), 0);
}

TEST(AlertTonePlay, PlaysTheImageFromMemoryOrNothingWhenUnallocated) {
    SimSound sound;
    AlertToneImage image;
    PlayWavData(sound, image, kSoundAsync);
    EXPECT_TRUE(sound.plays.empty());
    image.Assign({1, 2, 3});
    PlayWavData(sound, image, kSoundAsync);
    ASSERT_EQ(sound.plays.size(), 1u);
    EXPECT_EQ(sound.plays[0].image, image.data());
    EXPECT_EQ(sound.plays[0].size, 3u);
    EXPECT_EQ(sound.plays[0].flags, kSoundAsync | kSoundMemory);
}

}  // namespace
}  // namespace qv
