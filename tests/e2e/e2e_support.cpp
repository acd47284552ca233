#include "e2e/e2e_support.h"

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <sstream>

namespace e2e {

std::wstring ExeDir() {
    wchar_t path[MAX_PATH * 2] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH * 2);
    std::wstring dir = path;
    return dir.substr(0, dir.find_last_of(L"\\/"));
}

bool Process::Start(const std::wstring& command_line, const std::wstring& current_dir) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    std::wstring line = command_line;
    return CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          current_dir.empty() ? nullptr : current_dir.c_str(), &startup,
                          &info) != 0;
}

bool Process::Exited(DWORD wait_ms) const {
    return info.hProcess && WaitForSingleObject(info.hProcess, wait_ms) == WAIT_OBJECT_0;
}

void Process::Stop() {
    if (!info.hProcess) return;
    if (!Exited(0)) {
        TerminateProcess(info.hProcess, 1);
        WaitForSingleObject(info.hProcess, 5000);
    }
    CloseHandle(info.hProcess);
    CloseHandle(info.hThread);
    info = {};
}

bool WaitUntil(const std::function<bool()>& predicate, int timeout_ms) {
    const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(timeout_ms);
    for (;;) {
        if (predicate()) return true;
        if (GetTickCount64() > end) return false;
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
        Sleep(50);
    }
}

std::string ReadFileBytes(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return "";
    std::string bytes;
    char buffer[65536];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0)
        bytes.append(buffer, got);
    CloseHandle(file);
    return bytes;
}

std::vector<std::string> ReadLines(const std::wstring& path) {
    std::vector<std::string> lines;
    std::istringstream in(ReadFileBytes(path));
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

int CountPrefix(const std::vector<std::string>& lines, const std::string& prefix) {
    int n = 0;
    for (const auto& line : lines) n += line.rfind(prefix, 0) == 0;
    return n;
}

void AppendLine(const std::wstring& path, const std::string& line) {
    HANDLE file = CreateFileW(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    const std::string data = line + "\n";
    DWORD written = 0;
    WriteFile(file, data.data(), static_cast<DWORD>(data.size()), &written, nullptr);
    CloseHandle(file);
}

std::string WindowText(HWND window) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &length)) {
        return "";
    }
    std::wstring text(length + 1, L'\0');
    DWORD_PTR got = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                        SMTO_ABORTIFHUNG, 5000, &got);
    text.resize(got);
    return Narrow(text);
}

namespace {

RECT WholeScreen() {
    HDC screen = GetDC(nullptr);
    const RECT whole{0, 0, GetDeviceCaps(screen, HORZRES), GetDeviceCaps(screen, VERTRES)};
    ReleaseDC(nullptr, screen);
    return whole;
}

// Writes the pixels of the whole screen as a 24-bit BMP.
bool WriteBmp(const std::wstring& path, const std::vector<COLORREF>& pixels, const RECT& screen) {
    const int w = screen.right;
    const int h = screen.bottom;
    if (pixels.empty() || pixels.size() != static_cast<size_t>(w) * static_cast<size_t>(h)) {
        return false;
    }
    // A 24-bit BMP: rows from the bottom, blue green red, each row padded to four bytes.
    const size_t stride = (static_cast<size_t>(w) * 3 + 3) & ~size_t{3};
    std::string image(stride * static_cast<size_t>(h), '\0');
    for (int y = 0; y < h; ++y) {
        char* row = &image[stride * static_cast<size_t>(h - 1 - y)];
        for (int x = 0; x < w; ++x) {
            const COLORREF c = pixels[static_cast<size_t>(y) * static_cast<size_t>(w) + x];
            row[3 * x] = static_cast<char>(GetBValue(c));
            row[3 * x + 1] = static_cast<char>(GetGValue(c));
            row[3 * x + 2] = static_cast<char>(GetRValue(c));
        }
    }
    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = w;
    info.biHeight = h;
    info.biPlanes = 1;
    info.biBitCount = 24;
    info.biCompression = BI_RGB;
    info.biSizeImage = static_cast<DWORD>(image.size());
    BITMAPFILEHEADER file_header{};
    file_header.bfType = 0x4D42;
    file_header.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
    file_header.bfSize = file_header.bfOffBits + info.biSizeImage;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const bool ok = WriteFile(file, &file_header, sizeof file_header, &written, nullptr) &&
                    WriteFile(file, &info, sizeof info, &written, nullptr) &&
                    WriteFile(file, image.data(), info.biSizeImage, &written, nullptr);
    CloseHandle(file);
    return ok;
}

std::vector<HWND> VisibleTopWindows() {
    std::vector<HWND> windows;
    EnumWindows(
        [](HWND window, LPARAM found) {
            if (IsWindowVisible(window))
                reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&windows));
    return windows;
}

// True while the window or one of its visible descendants has a part still to be painted.
bool WaitsForPaint(HWND window) {
    if (GetUpdateRect(window, nullptr, FALSE)) return true;
    bool waits = false;
    EnumChildWindows(
        window,
        [](HWND child, LPARAM found) {
            if (!IsWindowVisible(child) || !GetUpdateRect(child, nullptr, FALSE)) return TRUE;
            *reinterpret_cast<bool*>(found) = true;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&waits));
    return waits;
}

}  // namespace

bool SaveScreenshot(const std::wstring& path) {
    const RECT screen = WholeScreen();
    return WriteBmp(path, ScreenPixels(screen), screen);
}

bool SaveScreenshotOnceShown(const std::wstring& name, const std::function<bool()>& shown,
                             int timeout_ms) {
    const RECT screen = WholeScreen();
    std::vector<COLORREF> last;
    const bool drawn = WaitUntil(
        [&] {
            for (HWND window : VisibleTopWindows()) {
                if (WaitsForPaint(window)) {
                    last.clear();
                    return false;
                }
            }
            // Asked before the look, so the look kept shows it.
            if (shown && !shown()) {
                last.clear();
                return false;
            }
            std::vector<COLORREF> now = ScreenPixels(screen);
            const bool steady = !last.empty() && now == last;
            last = std::move(now);
            return steady;
        },
        timeout_ms);
    if (!drawn) last = ScreenPixels(screen);
    const std::wstring path = OutDir() + L"\\" + name;
    const bool saved = WriteBmp(path, last, screen);
    if (saved) std::printf("screenshot: %s\n", Narrow(path).c_str());
    return drawn && saved;
}

std::vector<COLORREF> ScreenPixels(const RECT& area) {
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    std::vector<COLORREF> pixels;
    if (width <= 0 || height <= 0) return pixels;
    HDC screen = GetDC(nullptr);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
    GdiFlush();
    if (bits) {
        const auto* raw = static_cast<const uint32_t*>(bits);
        pixels.reserve(static_cast<size_t>(width) * static_cast<size_t>(height));
        for (size_t i = 0; i < static_cast<size_t>(width) * static_cast<size_t>(height); ++i) {
            const uint32_t p = raw[i];  // 0x00RRGGBB
            pixels.push_back(RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF));
        }
    }
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return pixels;
}

std::wstring OutDir() {
    wchar_t value[MAX_PATH * 2] = {};
    if (GetEnvironmentVariableW(L"QV_OUT_DIR", value, MAX_PATH * 2) > 0) {
        std::wstring dir = value;
        if (!dir.empty() && dir[0] == L'/') {
            for (wchar_t& c : dir) {
                if (c == L'/') c = L'\\';
            }
            dir = L"Z:" + dir;
        }
        CreateDirectoryW(dir.c_str(), nullptr);
        return dir;
    }
    return ExeDir();
}

}  // namespace e2e
