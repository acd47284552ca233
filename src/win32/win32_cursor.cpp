#include "win32/win32_cursor.h"

#include <windows.h>

namespace qv {

bool Win32Cursor::GetCursorPos(CursorPoint* point) {
    POINT p{};
    if (!::GetCursorPos(&p)) return false;
    point->x = p.x;
    point->y = p.y;
    return true;
}

void Win32Cursor::MouseEvent(uint32_t flags, int32_t dx, int32_t dy, uint32_t data) {
    ::mouse_event(flags, static_cast<DWORD>(dx), static_cast<DWORD>(dy), data, 0);
}

void Win32Cursor::SetCursorPos(int32_t x, int32_t y) { ::SetCursorPos(x, y); }

}  // namespace qv
