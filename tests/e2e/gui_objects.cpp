#include "e2e/gui_objects.h"

#include <cstdint>
#include <vector>

namespace e2e {
namespace {

// The x64 PEB keeps the address of the process's GDI handle table here; each entry is 24
// bytes and a used entry has a non-zero type byte (offset 14).
constexpr size_t kPebGdiTableOffset = 0xF8;
constexpr size_t kGdiTableEntries = 0x10000;
constexpr size_t kGdiEntrySize = 24;
constexpr size_t kGdiEntryTypeOffset = 14;

struct BasicInformation {
    LONG_PTR exit_status;
    void* peb;
    ULONG_PTR affinity;
    LONG_PTR priority;
    ULONG_PTR pid;
    ULONG_PTR parent_pid;
};
using QueryInformationProcess = LONG(WINAPI*)(HANDLE, int, void*, ULONG, ULONG*);

long CountGdiTableEntries(HANDLE process) {
    const auto query = reinterpret_cast<QueryInformationProcess>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQueryInformationProcess")));
    BasicInformation info{};
    if (!query || query(process, 0, &info, sizeof info, nullptr) != 0 || !info.peb) return -1;
    uint64_t table = 0;
    SIZE_T got = 0;
    if (!ReadProcessMemory(process, static_cast<const char*>(info.peb) + kPebGdiTableOffset, &table,
                           sizeof table, &got) ||
        !table) {
        return -1;
    }
    std::vector<unsigned char> entries(kGdiTableEntries * kGdiEntrySize);
    if (!ReadProcessMemory(process, reinterpret_cast<const void*>(table), entries.data(),
                           entries.size(), &got)) {
        return -1;
    }
    long used = 0;
    for (size_t i = 0; i < kGdiTableEntries; ++i) {
        used += entries[i * kGdiEntrySize + kGdiEntryTypeOffset] != 0;
    }
    return used;
}

struct WindowCount {
    DWORD pid;
    long count;
};

BOOL CALLBACK CountChild(HWND window, LPARAM data) {
    auto* tally = reinterpret_cast<WindowCount*>(data);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    tally->count += owner == tally->pid;
    return TRUE;
}

BOOL CALLBACK CountTopLevel(HWND window, LPARAM data) {
    CountChild(window, data);
    EnumChildWindows(window, CountChild, data);
    return TRUE;
}

// Top-level, child and message-only windows of the process.
long CountWindows(DWORD pid) {
    WindowCount tally{pid, 0};
    EnumWindows(CountTopLevel, reinterpret_cast<LPARAM>(&tally));
    HWND window = nullptr;
    while ((window = FindWindowExW(HWND_MESSAGE, window, nullptr, nullptr))) {
        CountTopLevel(window, reinterpret_cast<LPARAM>(&tally));
    }
    return tally.count;
}

}  // namespace

GuiObjects CountGuiObjects(HANDLE process, DWORD pid) {
    GuiObjects objects;
    SetLastError(0);
    const DWORD gdi = GetGuiResources(process, GR_GDIOBJECTS);
    const DWORD user = GetGuiResources(process, GR_USEROBJECTS);
    if (gdi != 0 || user != 0 || GetLastError() != ERROR_CALL_NOT_IMPLEMENTED) {
        objects.gdi = static_cast<long>(gdi);
        objects.user = static_cast<long>(user);
        objects.how = "GetGuiResources";
        return objects;
    }
    objects.gdi = CountGdiTableEntries(process);
    objects.user = CountWindows(pid);
    objects.how = "GDI handle table and windows (GetGuiResources is not implemented here)";
    return objects;
}

GuiObjects SettledGuiObjects(HANDLE process, DWORD pid, int samples, DWORD gap_ms) {
    GuiObjects fewest = CountGuiObjects(process, pid);
    for (int i = 1; i < samples; ++i) {
        Sleep(gap_ms);
        const GuiObjects now = CountGuiObjects(process, pid);
        if (now.gdi >= 0 && (fewest.gdi < 0 || now.gdi < fewest.gdi)) fewest.gdi = now.gdi;
        if (now.user >= 0 && (fewest.user < 0 || now.user < fewest.user)) fewest.user = now.user;
    }
    return fewest;
}

}  // namespace e2e
