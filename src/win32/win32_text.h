// Text conversions at the edge of the Win32 layer: UTF-8 inside, UTF-16 and the ANSI code
// page outside.
#pragma once

#include <windows.h>

#include <string>

namespace qv {

std::wstring Widen(const std::string& utf8);
std::string Narrow(const std::wstring& wide);
std::string AnsiToUtf8(const std::string& ansi);
std::string Utf8ToAnsi(const std::string& utf8);

}  // namespace qv
