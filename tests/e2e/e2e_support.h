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

// Keeps a screenshot named `name` in OutDir() of the screen as it shows what the test just
// read. A window's change reaches the screen late: first its owner paints it, then (under
// Wine) hands the picture to the display. So it waits until no window on the screen waits to
// be painted, `shown` (a look at the screen for what the test checked, or nothing) holds, and
// two looks at the screen after that agree; the last look is kept. False when that does not
// come within `timeout_ms` (the screen as it is then is kept) or the file cannot be written.
bool SaveScreenshotOnceShown(const std::wstring& name, const std::function<bool()>& shown = {},
                             int timeout_ms = 10000);

// Where artefacts go: QV_OUT_DIR (a Unix path under Wine) or the exe's folder.
std::wstring OutDir();

}  // namespace e2e
