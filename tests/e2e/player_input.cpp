#include "e2e/player_input.h"

#include <vector>

#include "e2e/e2e_support.h"

namespace e2e {
namespace {

// How long the cursor must read as placed before a click: longer than the 100 ms for which
// the system reports a jump back before it asks the display again.
constexpr ULONGLONG kSettledMs = 200;
constexpr DWORD kCursorLookMs = 5;

INPUT MouseInput(POINT at, DWORD flags) {
    const int cx = GetSystemMetrics(SM_CXSCREEN);
    const int cy = GetSystemMetrics(SM_CYSCREEN);
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = MulDiv(at.x, 65535, cx - 1);
    input.mi.dy = MulDiv(at.y, 65535, cy - 1);
    input.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    return input;
}

bool Click(POINT at, DWORD down, DWORD up, int clicks, ULONGLONG* sent = nullptr) {
    if (!PlaceCursor(at)) return false;
    std::vector<INPUT> inputs;
    for (int i = 0; i < clicks; ++i) {
        inputs.push_back(MouseInput(at, down));
        inputs.push_back(MouseInput(at, up));
    }
    if (sent) *sent = GetTickCount64();
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    return true;
}

bool SameCursor(POINT a, POINT b) { return a.x == b.x && a.y == b.y; }

void SendKey(WORD virtual_key, DWORD flags) {
    INPUT key{};
    key.type = INPUT_KEYBOARD;
    key.ki.wVk = virtual_key;
    key.ki.dwFlags = flags;
    SendInput(1, &key, sizeof(INPUT));
}

}  // namespace

bool PlaceCursor(POINT at, int timeout_ms) {
    const ULONGLONG start = GetTickCount64();
    const ULONGLONG end = start + static_cast<ULONGLONG>(timeout_ms);
    INPUT move = MouseInput(at, 0);
    SendInput(1, &move, sizeof(INPUT));
    ULONGLONG placed = GetTickCount64();
    for (;;) {
        POINT now{};
        GetCursorPos(&now);
        const ULONGLONG tick = GetTickCount64();
        if (!SameCursor(now, at)) {
            SendInput(1, &move, sizeof(INPUT));
            placed = tick;
        } else if (tick - placed >= kSettledMs) {
            return true;
        }
        if (tick > end) return false;
        Sleep(kCursorLookMs);
    }
}

bool LeftClickAt(POINT at, ULONGLONG* sent) {
    return Click(at, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, 1, sent);
}
bool RightClickAt(POINT at) { return Click(at, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP, 1); }
bool DoubleClickAt(POINT at) { return Click(at, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, 2); }

POINT CentreOf(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

bool BringToFront(HWND window, int timeout_ms) {
    return WaitUntil(
        [&] {
            if (GetForegroundWindow() == window) return true;
            SetForegroundWindow(window);
            return false;
        },
        timeout_ms);
}

void KeyDown(WORD virtual_key) { SendKey(virtual_key, 0); }
void KeyUp(WORD virtual_key) { SendKey(virtual_key, KEYEVENTF_KEYUP); }

}  // namespace e2e
