// What the program asks of the window system: the top-level and child windows, their
// titles, and the messages it sends to the game's controls. Handles are the signed 32-bit
// numbers that the program keeps as decimal text; handle 0 addresses no window.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace qv {

using WindowHandle = int32_t;

// A count, length or read answered by nobody: the window's program did not answer in time
// (it hangs). Unlike 0 (no window, an empty list) or -1 (no such row) the rows may well be
// there; ask again later.
constexpr int kNoAnswer = INT32_MIN;

// The room of the one WM_GETTEXT that reads a window's text, in characters with the
// terminator: a text of at most 32,766 characters is read.
constexpr int kTextReadRoom = 32767;

// Result of one list-row read into a buffer of a given capacity.
struct ListRowRead {
    // What the list box answered: the row's length in UTF-16 units, -1 (no such row) or
    // kNoAnswer.
    int length = -1;
    // UTF-8; the whole row when length fits the buffer, else empty. Its byte count differs
    // from `length` as soon as the row holds a character beyond ASCII.
    std::string text;
};

class WindowSystem {
  public:
    virtual ~WindowSystem() = default;

    // Top-level windows, top of the Z-order first (EnumWindows order).
    virtual std::vector<WindowHandle> EnumTopLevelWindows() = 0;
    // All descendants, depth-first pre-order, hidden ones included (EnumChildWindows order).
    virtual std::vector<WindowHandle> EnumChildWindows(WindowHandle parent) = 0;

    // The title through the ANSI interface: its reported length in bytes of the ANSI code
    // page, and at most max_chars of those bytes (not UTF-8: the caller converts).
    virtual int GetWindowTextLengthA(WindowHandle window) = 0;
    virtual std::string GetWindowTextA(WindowHandle window, int max_chars) = 0;

    // List boxes (LB_GETCOUNT, LB_GETTEXTLEN, LB_GETTEXT, LB_ADDSTRING, LB_SELECTSTRING).
    // A handle that is 0 or no window answers 0; a window whose program does not answer gives
    // kNoAnswer. Lengths and capacities are in UTF-16 units, as the wide messages count them.
    virtual int ListGetCount(WindowHandle list) = 0;
    virtual int ListGetTextLen(WindowHandle list, int row) = 0;
    // Reads a row into a buffer of capacity characters (terminator included); never writes
    // past it. A row longer than capacity - 1 comes back with its length and no text.
    virtual ListRowRead ListGetText(WindowHandle list, int row, int capacity) = 0;
    virtual void ListAddString(WindowHandle list, const std::string& text) = 0;
    virtual void ListSelectString(WindowHandle list, const std::string& text) = 0;

    // WM_SETTEXT / WM_GETTEXT. The text read is at most kTextReadRoom - 1 characters; empty for
    // handle 0 or no window, nothing when the window's program does not answer.
    virtual void SetText(WindowHandle window, const std::string& text) = 0;
    virtual std::optional<std::string> GetText(WindowHandle window) = 0;

    // A button click as the game sees it: WM_LBUTTONDOWN then WM_LBUTTONUP, both with zero
    // parameters.
    virtual void Click(WindowHandle button) = 0;

    // GetWindowLong(GWL_STYLE) and ShowWindow.
    virtual uint32_t GetStyle(WindowHandle window) = 0;
    virtual void ShowWindow(WindowHandle window, int command) = 0;

    virtual WindowHandle GetActiveWindow() = 0;
    virtual WindowHandle GetForegroundWindow() = 0;
};

constexpr uint32_t kStyleVisible = 0x10000000;  // WS_VISIBLE
constexpr int kShowHide = 0;                    // SW_HIDE
constexpr int kShowNormal = 1;                  // SW_SHOWNORMAL

}  // namespace qv
