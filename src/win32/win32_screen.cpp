#include "win32/win32_screen.h"

#include <windows.h>

#include "win32/win32_text.h"

namespace qv {
namespace {

HWND AsHwnd(WindowHandle h) { return reinterpret_cast<HWND>(static_cast<intptr_t>(h)); }

}  // namespace

WindowHandle Win32PointWindows::WindowFromPoint(CursorPoint point) {
    const HWND window = ::WindowFromPoint(POINT{point.x, point.y});
    return static_cast<WindowHandle>(reinterpret_cast<intptr_t>(window));
}

CursorPoint Win32PointWindows::ClientToScreen(WindowHandle window, CursorPoint client) {
    POINT p{client.x, client.y};
    if (window == 0 || !::ClientToScreen(AsHwnd(window), &p)) return client;
    return {static_cast<int32_t>(p.x), static_cast<int32_t>(p.y)};
}

void Win32Dialogs::ShowMessage(WindowHandle owner, const std::string& title,
                               const std::string& text) {
    MessageBoxW(AsHwnd(owner), Widen(text).c_str(), Widen(title).c_str(),
                MB_OK | MB_ICONWARNING);
}

}  // namespace qv
