#include "e2e/loop_probe.h"

#include <algorithm>

namespace e2e {
namespace {

constexpr DWORD kReadTimeoutMs = 60000;
// A character not shown after this long is lost, not late.
constexpr ULONGLONG kLostAfterMs = 120000;
constexpr DWORD kProbeGapMs = 20;

// The box's length, read with a sent message (answered even while the loop is held).
LRESULT BoxLength(HWND box) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(box, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, kReadTimeoutMs, &length)) {
        return -1;
    }
    return static_cast<LRESULT>(length);
}

// Posts the character and waits until the box's length moves from `before`; how long that
// took, or -1 when it did not move within `limit_ms`.
LONGLONG PostAndWait(HWND box, wchar_t character, LRESULT before, ULONGLONG limit_ms) {
    const ULONGLONG posted = GetTickCount64();
    PostMessageW(box, WM_CHAR, character, 1);
    for (;;) {
        const LRESULT now = BoxLength(box);
        const ULONGLONG waited = GetTickCount64() - posted;
        if (now >= 0 && now != before) return static_cast<LONGLONG>(waited);
        if (waited > limit_ms) return -1;
        Sleep(1);
    }
}

}  // namespace

bool LoopAnswers(HWND typing_box, DWORD ms) {
    const LRESULT before = BoxLength(typing_box);
    if (before < 0) return false;
    const LONGLONG typed = PostAndWait(typing_box, L'x', before, kLostAfterMs);
    if (typed < 0) return false;
    PostAndWait(typing_box, L'\b', before + 1, kLostAfterMs);
    return typed <= static_cast<LONGLONG>(ms);
}

void LoopProbe::Start() {
    Stop();
    {
        std::lock_guard<std::mutex> lock(mutex_);
        figures_ = Figures{};
    }
    // The box's length is read here, before the first probe: a read waits for the loop as
    // a probe does, and one on the probing thread would hide a wait under way.
    const LRESULT length = BoxLength(box_);
    running_ = true;
    thread_ = std::thread([this, length] { Run(length); });
}

LoopProbe::Figures LoopProbe::Stop() {
    running_ = false;
    if (thread_.joinable()) thread_.join();
    std::lock_guard<std::mutex> lock(mutex_);
    return figures_;
}

void LoopProbe::Run(LRESULT length) {
    // Each probe types a character or takes it away again, so the box ends as it began.
    bool typed = false;
    while (running_ || typed) {
        const LONGLONG waited = PostAndWait(box_, typed ? L'\b' : L'x', length, kLostAfterMs);
        {
            std::lock_guard<std::mutex> lock(mutex_);
            if (waited < 0) {
                figures_.lost = true;
                return;
            }
            const DWORD ms = static_cast<DWORD>(waited);
            ++figures_.probes;
            figures_.longest_ms = std::max(figures_.longest_ms, ms);
            if (ms > kHeldMs) figures_.held_ms += ms;
        }
        typed = !typed;
        length += typed ? 1 : -1;
        Sleep(kProbeGapMs);
    }
}

}  // namespace e2e
