// Copying a user list box of another thread through the real platform: rows far longer than a
// user row, with 8-bit letters at the start, middle and end, come back whole, and reading them
// writes nothing past the reader's buffers (a wide list box on another thread writes straight
// into the reader's memory, so a read into a buffer shorter than the row would corrupt it).
#include <windows.h>

#include <gtest/gtest.h>
#include <malloc.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "userlists/game_user_rows.h"
#include "win32/win32_platform.h"
#include "win32/win32_text.h"

namespace qv {
namespace {

// A wide list box on a thread of its own, which takes rows of any length.
class WideListThread {
  public:
    WideListThread() {
        thread_ = std::thread([this] { Run(); });
        while (!list_.load()) Sleep(1);
    }
    ~WideListThread() {
        PostThreadMessageW(thread_id_, WM_QUIT, 0, 0);
        thread_.join();
    }
    WindowHandle List() const { return FromHwnd(list_.load()); }
    void Add(const std::string& utf8) {
        const std::wstring wide = Widen(utf8);
        SendMessageW(list_.load(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide.c_str()));
    }

  private:
    void Run() {
        thread_id_ = GetCurrentThreadId();
        HWND list = CreateWindowExW(0, L"LISTBOX", L"", LBS_HASSTRINGS, 0, 0, 100, 100, nullptr,
                                    nullptr, GetModuleHandleW(nullptr), nullptr);
        list_.store(list);
        MSG msg;
        while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
        DestroyWindow(list);
    }

    std::thread thread_;
    std::atomic<HWND> list_{nullptr};
    DWORD thread_id_ = 0;
};

TEST(UserRowsRead, RowsFarLongerThanAUserRowArriveWholeAndTheHeapStaysSound) {
    WideListThread game;
    ASSERT_TRUE(IsWindowUnicode(ToHwnd(game.List())));
    const std::vector<std::string> rows = {
        "\xC3\xA4lice\t0 RATS",
        "J\xC3\xBCrgen\t0 " + std::string(20000, 'x') + " PXES \xE2\x82\xAC",
        "\xC3\x9F" + std::string(4700, 'y') + "\xC3\xBF",
        "bob\t32 PXES",
    };
    for (const std::string& row : rows) game.Add(row);
    Win32WindowSystem windows;
    std::vector<std::string> copied = {"stale"};
    for (int pass = 0; pass < 3; ++pass) {
        CopyGameUserRows(windows, game.List(), copied);
        EXPECT_EQ(copied, rows);
    }
    // A write past a buffer's end shows here at the latest.
    EXPECT_EQ(_heapchk(), _HEAPOK);
}

}  // namespace
}  // namespace qv
