// The shell on Windows: ShellExecute, owned by a window.
#pragma once

#include <windows.h>

#include "platform/shell.h"

namespace qv {

class Win32Shell : public ShellOpener {
  public:
    void SetOwner(HWND owner) { owner_ = owner; }
    bool Open(const std::string& operation, const std::string& file,
              const std::string& working_folder) override;

  private:
    HWND owner_ = nullptr;
};

}  // namespace qv
