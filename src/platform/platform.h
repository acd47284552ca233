// Everything the portable code asks of the operating system, gathered in one place so a
// form can be built on the real platform or on the in-memory one of the tests.
#pragma once

#include "core/timer.h"
#include "platform/cursor.h"
#include "platform/dialogs.h"
#include "platform/file_system.h"
#include "platform/keyboard.h"
#include "platform/local_clock.h"
#include "platform/process.h"
#include "platform/settings_store.h"
#include "platform/sound.h"
#include "platform/text_codec.h"
#include "platform/window_system.h"

namespace qv {

struct Platform {
    TimerService& timers;
    WindowSystem& windows;
    ProcessControl& process;
    SettingsStore& settings;
    SoundPlayer& sound;
    FileSystem& files;
    LocalClock& clock;
    TextCodec& codec;
    Keyboard& keyboard;
    CursorInput& cursor;
    PointWindows& points;
    Dialogs& dialogs;
};

}  // namespace qv
