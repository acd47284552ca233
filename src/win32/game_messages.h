// Messages to another program's windows that cannot freeze ours. A game that stops answering
// costs one wait of kAnswerTimeoutMs; after that its thread is marked silent and each further
// message first asks a short question, so the companion keeps running while the game hangs
// and talks to it normally again as soon as it answers.
#pragma once

#include <windows.h>

#include <set>

namespace qv {

constexpr UINT kAnswerTimeoutMs = 1000;
constexpr UINT kSilentProbeTimeoutMs = 50;

enum class Delivery { kAnswered, kNoWindow, kNoAnswer };

class GameMessenger {
  public:
    // Sends the message (`ansi`: the A variant); *result holds the window's answer when it
    // answered in time, else 0.
    Delivery Send(HWND window, UINT msg, WPARAM wp, LPARAM lp, LRESULT* result, bool ansi = false);

  private:
    std::set<DWORD> silent_threads_;
};

}  // namespace qv
