// User rows the stand-in makes up on command, in the game's form: the name, a TAB, the flags, a
// blank and the product code written backwards ("Alice\t0 RATS"). Pure functions of a number,
// so a test computes the very rows the stand-in adds.
#pragma once

#include <cstdio>
#include <string>

namespace standin {

namespace user_parts {

// The product codes of the companion's icon table, in its order.
constexpr const char* kCodes[] = {"PXES", "RATS", "PX3W", "3RAW", "PX2D", "VD2D",
                                  "TAHC", "RHSD", "RHSS", "RTSJ", "GPCW", "NB2W"};
constexpr int kCodeCount = sizeof kCodes / sizeof kCodes[0];

}  // namespace user_parts

// Channel user `number` (1 on): "User001" with the code of the table cycling from row to row,
// flags "0"; every tenth user a name with the cp1252 letter u-umlaut ("J\xFCrgen010").
inline std::string ChannelUserRow(int number) {
    char name[32];
    std::snprintf(name, sizeof name,
                  number % 10 == 0 ? "J\xFC"
                                     "rgen%03d"
                                   : "User%03d",
                  number);
    return std::string(name) + "\t0 " + user_parts::kCodes[(number - 1) % user_parts::kCodeCount];
}

// Friend `number` (1 on): odd numbers are online ("Friend001\t0 RATS", a code as for channel
// users), even numbers offline: no product code ("Friend002\t0").
inline std::string FriendRow(int number) {
    char name[32];
    std::snprintf(name, sizeof name, "Friend%03d", number);
    if (number % 2 == 0) return std::string(name) + "\t0";
    return std::string(name) + "\t0 " + user_parts::kCodes[(number - 1) % user_parts::kCodeCount];
}

}  // namespace standin
