// Helpers of the end-to-end tests: starting the stand-in game and the companion as two
// processes, reading the stand-in's transcript and the companion's windows, and keeping a
// screenshot.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "win32/win32_text.h"

namespace e2e {

using qv::Narrow;
using qv::Widen;

std::wstring ExeDir();

// Starts a program; the handle stays open until Stop.
struct Process {
    PROCESS_INFORMATION info{};
    bool Start(const std::wstring& command_line, const std::wstring& current_dir = L"");
    bool Exited(DWORD wait_ms) const;
    void Stop();
};

// Polls until the predicate holds, at most timeout_ms; pumps messages while it waits.
bool WaitUntil(const std::function<bool()>& predicate, int timeout_ms);

// The stand-in's transcript, one event a line.
std::vector<std::string> ReadLines(const std::wstring& path);
int CountPrefix(const std::vector<std::string>& lines, const std::string& prefix);

void AppendLine(const std::wstring& path, const std::string& line);
std::string ReadFileBytes(const std::wstring& path);

// Text of another process's window (edit, RichEdit), as UTF-8.
std::string WindowText(HWND window);

// Writes the whole screen as a 24-bit BMP.
bool SaveScreenshot(const std::wstring& path);
// A rectangle of the screen as it shows now, one COLORREF a pixel, row by row from the top.
std::vector<COLORREF> ScreenPixels(const RECT& area);

// Where artefacts go: QV_OUT_DIR (a Unix path under Wine) or the exe's folder.
std::wstring OutDir();

}  // namespace e2e
