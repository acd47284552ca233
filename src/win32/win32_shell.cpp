#include "win32/win32_shell.h"

#include <shellapi.h>

#include "win32/win32_text.h"

namespace qv {

bool Win32Shell::Open(const std::string& operation, const std::string& file,
                      const std::string& working_folder) {
    std::string folder = working_folder;
    for (char& c : folder) {
        if (c == '/') c = '\\';
    }
    const HINSTANCE result = ShellExecuteW(owner_, Widen(operation).c_str(), Widen(file).c_str(),
                                           L"", Widen(folder).c_str(), SW_SHOWNORMAL);
    return reinterpret_cast<INT_PTR>(result) > 32;
}

}  // namespace qv
