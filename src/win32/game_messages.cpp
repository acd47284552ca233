#include "win32/game_messages.h"

namespace qv {

Delivery GameMessenger::Send(HWND window, UINT msg, WPARAM wp, LPARAM lp, LRESULT* result,
                             bool ansi) {
    *result = 0;
    if (!window) return Delivery::kNoWindow;
    DWORD_PTR answer = 0;
    // The window's thread is looked up only while some thread is silent, or after a failure:
    // under Wine each lookup of another program's window is one more trip to the server.
    if (!silent_threads_.empty()) {
        const DWORD thread = GetWindowThreadProcessId(window, nullptr);
        if (thread == 0) return Delivery::kNoWindow;
        if (silent_threads_.count(thread)) {
            if (!SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kSilentProbeTimeoutMs,
                                     &answer)) {
                return IsWindow(window) ? Delivery::kNoAnswer : Delivery::kNoWindow;
            }
            silent_threads_.erase(thread);
        }
    }
    const UINT flags = SMTO_NORMAL | SMTO_ABORTIFHUNG;
    const LRESULT sent =
        ansi ? SendMessageTimeoutA(window, msg, wp, lp, flags, kAnswerTimeoutMs, &answer)
             : SendMessageTimeoutW(window, msg, wp, lp, flags, kAnswerTimeoutMs, &answer);
    if (!sent) {
        const DWORD thread = GetWindowThreadProcessId(window, nullptr);
        if (thread == 0 || !IsWindow(window)) return Delivery::kNoWindow;
        silent_threads_.insert(thread);
        return Delivery::kNoAnswer;
    }
    *result = static_cast<LRESULT>(answer);
    return Delivery::kAnswered;
}

}  // namespace qv
