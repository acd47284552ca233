// The shell: opening a document or web address with the program the system has for it.
#pragma once

#include <string>

namespace qv {

class ShellOpener {
  public:
    virtual ~ShellOpener() = default;
    // ShellExecute with `operation` ("Open"), the file or address, no parameters, the working
    // folder and show command 1 (SW_SHOWNORMAL), owned by the main window. The result is
    // not used by the program; false when the system could not open it.
    virtual bool Open(const std::string& operation, const std::string& file,
                      const std::string& working_folder) = 0;
};

}  // namespace qv
