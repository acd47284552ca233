// Picture numbers of the tool windows: the resource ids of their bitmaps (assets/resource_ids.h
// holds the same numbers for the resource script; src/win32/tool_windows.cpp checks they agree).
#pragma once

namespace qv {

constexpr int kPictureChannelBack = 3301;   // FormChannel's background, 300 x 330
constexpr int kPictureChannelJoin = 3302;   // FormChannel's Command2 (join), 96 x 32
constexpr int kPictureChannelClose = 3303;  // FormChannel's Command1 (close), 96 x 32

}  // namespace qv
