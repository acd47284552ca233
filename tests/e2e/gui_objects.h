// GDI and USER object counts of another process, to see whether a long run leaks them.
#pragma once

#include <windows.h>

#include <string>

namespace e2e {

struct GuiObjects {
    long gdi = -1;  // -1: could not be counted
    long user = -1;
    // How they were counted: GetGuiResources, or (where Wine leaves it unimplemented) the
    // process's GDI handle table and its windows.
    std::string how;
};

GuiObjects CountGuiObjects(HANDLE process, DWORD pid);

// The fewest objects seen over `samples` counts `gap_ms` apart: objects a paint or a message
// holds for a moment are left out, objects that stay are not.
GuiObjects SettledGuiObjects(HANDLE process, DWORD pid, int samples = 10, DWORD gap_ms = 100);

}  // namespace e2e
