#include "gamelink/key_state.h"

#include <gtest/gtest.h>

#include "sim/sim_platform.h"

namespace qv {
namespace {

constexpr int32_t kVkInsert = 0x2D;

// The SHORT GetAsyncKeyState returns for a 16-bit pattern.
int16_t State(uint16_t bits) { return static_cast<int16_t>(bits); }

TEST(KeyPressed, OnlyDownAndNewlyPressedCounts) {
    SimKeyboard keyboard;
    keyboard.scripted[kVkInsert] = {State(0x8001), State(0x8000), State(0x0001), State(0x0000),
                                    State(0xFFFF), State(0x8003), State(0x7FFF), State(0x8001)};
    EXPECT_TRUE(KeyPressed(keyboard, kVkInsert)) << "0x8001: down now, pressed since last asked";
    EXPECT_FALSE(KeyPressed(keyboard, kVkInsert)) << "0x8000: held since the previous query";
    EXPECT_FALSE(KeyPressed(keyboard, kVkInsert)) << "0x0001: pressed and already released";
    EXPECT_FALSE(KeyPressed(keyboard, kVkInsert)) << "0: up";
    EXPECT_FALSE(KeyPressed(keyboard, kVkInsert)) << "-1: every bit set";
    EXPECT_FALSE(KeyPressed(keyboard, kVkInsert)) << "0x8003: more bits than the two";
    EXPECT_FALSE(KeyPressed(keyboard, kVkInsert)) << "0x7FFF: not down";
    EXPECT_TRUE(KeyPressed(keyboard, kVkInsert));
    EXPECT_FALSE(KeyPressed(keyboard, kVkInsert)) << "no state left: up";
}

TEST(KeyPressed, AsksForTheGivenKeyOnly) {
    SimKeyboard keyboard;
    keyboard.scripted[kVkInsert] = {State(0x8001)};
    EXPECT_FALSE(KeyPressed(keyboard, 0x0D));
    EXPECT_TRUE(KeyPressed(keyboard, kVkInsert));
    EXPECT_EQ(keyboard.queries, (std::vector<int32_t>{0x0D, kVkInsert}));
}

}  // namespace
}  // namespace qv
