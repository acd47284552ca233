// How long the companion's message loop is held: a character posted to its typing box and
// read back once the box shows it. A sent message would not tell: a thread that waits inside
// its own SendMessage still answers one while its loop is held.
#pragma once

#include <windows.h>

#include <atomic>
#include <mutex>
#include <thread>

namespace e2e {

// True when the loop of the typing box's thread handled a posted character within `ms`; the
// box is left as it was.
bool LoopAnswers(HWND typing_box, DWORD ms);

// Probes the loop over and over on a thread of its own, from Start until Stop.
class LoopProbe {
  public:
    // A wait longer than this counts as the loop being held.
    static constexpr DWORD kHeldMs = 100;

    struct Figures {
        int probes = 0;
        DWORD longest_ms = 0;
        DWORD held_ms = 0;  // the waits longer than kHeldMs, added up
        bool lost = false;  // a character never showed (the box changed under the probe)
    };

    explicit LoopProbe(HWND typing_box) : box_(typing_box) {}
    LoopProbe(const LoopProbe&) = delete;
    LoopProbe& operator=(const LoopProbe&) = delete;
    ~LoopProbe() { Stop(); }

    // Starts with fresh figures.
    void Start();
    // Ends after the probe under way, which waits for its character however long the loop is
    // held, and gives the figures since Start.
    Figures Stop();

  private:
    void Run(LRESULT length);

    HWND box_;
    std::thread thread_;
    std::atomic<bool> running_{false};
    std::mutex mutex_;
    Figures figures_;
};

}  // namespace e2e
