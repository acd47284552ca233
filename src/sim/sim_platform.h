// The in-memory platform of the tests: every OS service the program uses, on a virtual
// clock, with what the program did kept for the test to inspect.
#pragma once

#include <deque>
#include <map>
#include <string>
#include <vector>

#include "core/virtual_clock.h"
#include "platform/platform.h"
#include "sim/sim_chat_view.h"
#include "sim/sim_screen.h"
#include "sim/sim_shell.h"
#include "sim/sim_window_system.h"

namespace qv {

class SimProcess : public ProcessControl {
  public:
    bool SetPriorityClass(uint32_t priority_class) override {
        priority_calls.push_back(priority_class);
        priority = priority_class;
        return true;
    }
    uint32_t GetPriorityClass() override {
        ++priority_reads;
        return priority;
    }
    void EndProgram() override { ++ended; }

    uint32_t priority = 0x20;  // NORMAL_PRIORITY_CLASS
    std::vector<uint32_t> priority_calls;
    int priority_reads = 0;
    int ended = 0;
};

// The settings store's rule as the registry store keeps it: a write goes to the machine
// key; when the machine refuses it, to the same name per user; a read takes the per-user
// value when there is one, else the machine value; a machine write removes the per-user copy.
class SimSettings : public SettingsStore {
  public:
    std::optional<std::string> Read(const std::string& name) override;
    bool Write(const std::string& name, const std::string& value) override;

    std::map<std::string, std::string> values;       // machine values; names without case
    std::map<std::string, std::string> user_values;  // per-user values
    bool writable = true;          // false: every write fails, machine and per-user alike
    bool machine_refused = false;  // true: machine writes are refused, as for an ordinary account
};

class SimSound : public SoundPlayer {
  public:
    bool PlayMemory(const uint8_t* image, size_t size, uint32_t flags) override {
        plays.push_back({image, size, flags});
        return true;
    }
    struct Play {
        const uint8_t* image;
        size_t size;
        uint32_t flags;
    };
    std::vector<Play> plays;
};

// Files in memory; folders must exist before a file in them can be written.
class SimFiles : public FileSystem {
  public:
    std::string ProgramFolder() override { return program_folder; }
    std::string CurrentFolder() override { return current_folder; }
    bool CreateFolder(const std::string& path) override;
    bool AppendToFile(const std::string& path, const std::string& bytes) override;
    bool WriteFile(const std::string& path, const std::string& bytes) override;
    bool ReplaceFile(const std::string& path, const std::string& bytes,
                     std::string* reason) override;
    bool FolderExists(const std::string& path) const;

    // Files that refuse to be replaced, with the reason the system would give.
    std::map<std::string, std::string> refusals;

    std::string program_folder = "C:/Games/Quorvane";
    std::string current_folder = "C:/Games/Quorvane";
    std::vector<std::string> folders = {"C:/Games/Quorvane"};
    std::map<std::string, std::string> files;
};

class SimLocalClock : public LocalClock {
  public:
    LocalDateTime Now() override { return now; }
    std::string FormatTime(const LocalDateTime& when) override;

    LocalDateTime now{2026, 12, 6, 21, 5, 9};
    bool twelve_hour = false;  // regional format with AM/PM
};

// Key states scripted per key: each query takes the next value, and a key with no value
// left reads 0 (up, not pressed). Every query is recorded.
class SimKeyboard : public Keyboard {
  public:
    int16_t GetAsyncKeyState(int32_t virtual_key) override;

    std::map<int32_t, std::deque<int16_t>> scripted;
    std::vector<int32_t> queries;
};

// The pointer where the test puts it; every synthetic mouse event is kept, in order, for the
// test to deliver to the window under the pointer (as the system would after the handler).
class SimCursor : public CursorInput {
  public:
    bool GetCursorPos(CursorPoint* point) override {
        ++reads;
        *point = position;
        return true;
    }
    void MouseEvent(uint32_t flags, int32_t, int32_t, uint32_t) override {
        events.push_back(flags);
    }
    void SetCursorPos(int32_t x, int32_t y) override {
        position = {x, y};
        moves.push_back(position);
    }

    CursorPoint position;
    int reads = 0;
    std::vector<uint32_t> events;
    std::vector<CursorPoint> moves;  // every SetCursorPos, in order
};

// All of it together, ready to build a form on.
struct SimWorld {
    VirtualClock clock;
    SimWindowSystem windows;
    SimProcess process;
    SimSettings settings;
    SimSound sound;
    SimFiles files;
    SimLocalClock local_clock;
    Cp1252Codec codec;
    SimKeyboard keyboard;
    SimChatView chat_view;
    SimCursor cursor;
    SimShell shell;  // not part of Platform: the main window hands it to Form1
    SimScreen screen{windows};
    SimDialogs dialogs;
    Platform platform{clock, windows,     process, settings, sound,  files,
                      local_clock, codec, keyboard, cursor, screen, dialogs};
};

}  // namespace qv
