// Picture numbers of the main window's three skins: the resource ids of their bitmaps
// (assets/resource_ids.h holds the same numbers for the resource script;
// src/win32/main_window.cpp checks they agree). Per skin: the background (768 x 540), the
// faces of Send and Whisper (73 x 27) and of Quit, Channels, Create and Join (100 x 50).
#pragma once

namespace qv {

struct SkinPictures {
    int background;
    int send;      // Command1
    int whisper;   // Command4
    int quit;      // Command5
    int channels;  // Command6
    int create;    // Command7
    int join;      // Command8
};

constexpr SkinPictures kStarcraftPictures{3201, 3202, 3203, 3204, 3205, 3206, 3207};
constexpr SkinPictures kBluePictures{3211, 3212, 3213, 3214, 3215, 3216, 3217};
constexpr SkinPictures kSilverPictures{3221, 3222, 3223, 3224, 3225, 3226, 3227};

}  // namespace qv
