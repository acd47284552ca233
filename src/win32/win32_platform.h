// The real platform: Win32 implementations of every interface of src/platform/.
#pragma once

#include <windows.h>

#include <map>
#include <memory>
#include <set>

#include "platform/platform.h"
#include "win32/game_messages.h"
#include "win32/registry_settings.h"
#include "win32/win32_cursor.h"
#include "win32/win32_screen.h"

namespace qv {

// Runs the program's timers on WM_TIMER of a hidden message window of the UI thread. A
// resting timer has no system timer, so the program is not woken for ticks that would run
// nothing; woken, its ticks come again at the times its period gives since it was started.
class Win32TimerService : public TimerService {
  public:
    Win32TimerService();
    ~Win32TimerService() override;
    void StartTimer(Timer& timer) override;
    void StopTimer(Timer& timer) override;
    int64_t Now() const override;
    void RestTimer(Timer& timer) override;
    void WakeTimer(Timer& timer) override;

  private:
    static LRESULT CALLBACK WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    HWND window_ = nullptr;
    UINT_PTR next_id_ = 1;
    std::map<UINT_PTR, Timer*> timers_;
    // Woken timers whose first tick is the rest of a period: their next tick sets the
    // whole period again.
    std::set<UINT_PTR> realigning_;
};

class Win32WindowSystem : public WindowSystem {
  public:
    std::vector<WindowHandle> EnumTopLevelWindows() override;
    std::vector<WindowHandle> EnumChildWindows(WindowHandle parent) override;
    int GetWindowTextLengthA(WindowHandle window) override;
    std::string GetWindowTextA(WindowHandle window, int max_chars) override;
    int ListGetCount(WindowHandle list) override;
    int ListGetTextLen(WindowHandle list, int row) override;
    ListRowRead ListGetText(WindowHandle list, int row, int capacity) override;
    void ListAddString(WindowHandle list, const std::string& text) override;
    void ListSelectString(WindowHandle list, const std::string& text) override;
    void SetText(WindowHandle window, const std::string& text) override;
    std::optional<std::string> GetText(WindowHandle window) override;
    void Click(WindowHandle button) override;
    uint32_t GetStyle(WindowHandle window) override;
    void ShowWindow(WindowHandle window, int command) override;
    WindowHandle GetActiveWindow() override;
    WindowHandle GetForegroundWindow() override;

  private:
    // The answer; 0 for handle 0 or a window that is gone; `on_failure` when the window's
    // program does not answer.
    LRESULT Send(WindowHandle h, const std::shared_ptr<GameMessage>& message, LRESULT on_failure);
    // The same for a message without text (lParam 0).
    LRESULT Send(WindowHandle h, UINT msg, WPARAM wp, LRESULT on_failure);
    // A row's text read in the same trip as its length, for the read that follows.
    struct PrefetchedRow {
        WindowHandle list = 0;
        int row = 0;
        std::shared_ptr<GameMessage> read;
        Delivery delivery = Delivery::kNoAnswer;
    };
    GameMessenger messenger_;
    std::shared_ptr<PrefetchedRow> prefetched_;
};

class Win32Process : public ProcessControl {
  public:
    bool SetPriorityClass(uint32_t priority_class) override;
    uint32_t GetPriorityClass() override;
    void EndProgram() override;
};

class Win32Sound : public SoundPlayer {
  public:
    bool PlayMemory(const uint8_t* image, size_t size, uint32_t flags) override;
};

class Win32Files : public FileSystem {
  public:
    std::string ProgramFolder() override;
    std::string CurrentFolder() override;
    bool CreateFolder(const std::string& path) override;
    bool AppendToFile(const std::string& path, const std::string& bytes) override;
    bool WriteFile(const std::string& path, const std::string& bytes) override;
    // Written to a new file beside the target first, which then takes the target's place.
    bool ReplaceFile(const std::string& path, const std::string& bytes,
                     std::string* reason) override;
    std::string DisplayPath(const std::string& path) override;
};

class Win32Clock : public LocalClock {
  public:
    LocalDateTime Now() override;
    std::string FormatTime(const LocalDateTime& when) override;
};

class Win32Codec : public TextCodec {
  public:
    std::string ToAnsi(const std::string& utf8) override;
    std::string FromAnsi(const std::string& ansi) override;
};

class Win32Keyboard : public Keyboard {
  public:
    int16_t GetAsyncKeyState(int32_t virtual_key) override;
};

struct Win32Platform {
    Win32TimerService timers;
    Win32WindowSystem windows;
    Win32Process process;
    RegistrySettings settings;
    Win32Sound sound;
    Win32Files files;
    Win32Clock clock;
    Win32Codec codec;
    Win32Keyboard keyboard;
    Win32Cursor cursor;
    Win32PointWindows points;
    Win32Dialogs dialogs;
    Platform platform{timers, windows, process,  settings, sound,  files,
                      clock,  codec,   keyboard, cursor,   points, dialogs};
};

// A hidden window that only receives messages, of a class of its own handled by `proc`, with
// `owner` kept in its GWLP_USERDATA; null when it cannot be made.
HWND CreateMessageWindow(const wchar_t* window_class, WNDPROC proc, void* owner);

// A game handle kept as a signed 32-bit number; window handles fit in 32 bits.
inline HWND ToHwnd(WindowHandle h) { return reinterpret_cast<HWND>(static_cast<intptr_t>(h)); }
inline WindowHandle FromHwnd(HWND h) {
    return static_cast<WindowHandle>(reinterpret_cast<intptr_t>(h));
}

}  // namespace qv
