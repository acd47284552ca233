#include "win32/window_pictures.h"

namespace qv {

// Where the Wine tests keep their artefacts: QV_OUT_DIR (a Unix path) or the current folder.
std::wstring OutPath(const std::wstring& name) {
    wchar_t value[MAX_PATH * 2] = {};
    std::wstring dir = L".";
    if (GetEnvironmentVariableW(L"QV_OUT_DIR", value, MAX_PATH * 2) > 0) {
        dir = value;
        if (!dir.empty() && dir[0] == L'/') {
            for (wchar_t& c : dir) {
                if (c == L'/') c = L'\\';
            }
            dir = L"Z:" + dir;
        }
        CreateDirectoryW(dir.c_str(), nullptr);
    }
    return dir + L"\\" + name;
}

// The window's outer rectangle as it is on the screen, as a 24-bit BMP.
bool SaveWindowPicture(HWND window, const std::wstring& path) {
    RECT r;
    GetWindowRect(window, &r);
    const int w = r.right - r.left;
    const int h = r.bottom - r.top;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = w;
    info.bmiHeader.biHeight = h;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
    SelectObject(memory, old);
    const DWORD stride = static_cast<DWORD>((w * 3 + 3) & ~3);
    BITMAPFILEHEADER file_header{};
    file_header.bfType = 0x4D42;
    file_header.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    file_header.bfSize = file_header.bfOffBits + stride * static_cast<DWORD>(h);
    bool ok = false;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file != INVALID_HANDLE_VALUE && bits) {
        DWORD written = 0;
        ok = WriteFile(file, &file_header, sizeof file_header, &written, nullptr) &&
             WriteFile(file, &info.bmiHeader, sizeof info.bmiHeader, &written, nullptr) &&
             WriteFile(file, bits, stride * static_cast<DWORD>(h), &written, nullptr);
        CloseHandle(file);
    }
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return ok;
}

}  // namespace qv
