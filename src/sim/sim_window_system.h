// An in-memory window system for tests: top-level windows in Z-order, child controls with
// list rows, texts and visibility, and a record of every message the program sends.
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/text_codec.h"
#include "platform/window_system.h"

namespace qv {

enum class SimKind { Window, Edit, Button, ListBox, Static, ScrollBar };

struct SimWindow {
    WindowHandle handle = 0;
    SimKind kind = SimKind::Window;
    std::string title;  // UTF-8; also the text of edits and statics
    // List box rows, UTF-8. Their lengths are answered in UTF-16 units, as the wide list
    // messages count them, so "ä" is one unit but two bytes.
    int reported_title_length = -1;  // when >= 0, what GetWindowTextLengthA answers
    std::vector<std::string> rows;
    int selected_row = -1;
    bool visible = true;
    // The window's program hangs: its counts, lengths and texts get no answer.
    bool silent = false;
    int clicks = 0;
    // Row reads asked of this list box: LB_GETTEXTLEN and LB_GETTEXT.
    int length_queries = 0;
    int text_queries = 0;
    WindowHandle parent = 0;
    std::vector<WindowHandle> children;
};

class SimWindowSystem : public WindowSystem {
  public:
    // Creates a top-level window at the top of the Z-order.
    WindowHandle AddTopLevel(const std::string& title);
    // Creates a top-level window at the bottom of the Z-order.
    WindowHandle AddTopLevelAtBottom(const std::string& title);
    WindowHandle AddChild(WindowHandle parent, SimKind kind, const std::string& title = "");
    void RemoveWindow(WindowHandle window);
    SimWindow* Find(WindowHandle window);
    SimWindow& Get(WindowHandle window);

    // Runs once, just before the next LB_GETTEXT of that list, to change a row between
    // the program's length query and its read.
    void BeforeNextGetText(std::function<void()> hook) { before_get_text_ = std::move(hook); }
    // Runs after each style query has been answered, with the window asked about: the other
    // program changing its windows between two looks.
    std::function<void(WindowHandle)> on_get_style;
    // Runs each time a silent list leaves a row query unanswered, with the list asked: the
    // test lets pass the time that waiting for the answer cost, or lets the game answer again.
    std::function<void(WindowHandle)> on_no_answer;
    // Runs before each count, length and text query of a list box, with the list and the row
    // asked about (-1 for the count): the game changing its rows, hanging or answering again
    // between two of the program's queries.
    std::function<void(WindowHandle list, int row)> before_list_query;

    // Every message sent, as "name handle [text]" lines, for tests that check orders.
    std::vector<std::string> log;

    // LB_GETTEXT reads whose buffer was smaller than the row. The real message takes no
    // buffer size and writes the whole row, so each of these would write past the buffer.
    int short_buffer_reads = 0;

    WindowHandle active_window = 0;
    WindowHandle foreground_window = 0;

    std::vector<WindowHandle> EnumTopLevelWindows() override;
    std::vector<WindowHandle> EnumChildWindows(WindowHandle parent) override;
    int GetWindowTextLengthA(WindowHandle window) override;
    std::string GetWindowTextA(WindowHandle window, int max_chars) override;
    int ListGetCount(WindowHandle list) override;
    int ListGetTextLen(WindowHandle list, int row) override;
    ListRowRead ListGetText(WindowHandle list, int row, int capacity) override;
    void ListAddString(WindowHandle list, const std::string& text) override;
    void ListSelectString(WindowHandle list, const std::string& text) override;
    void SetText(WindowHandle window, const std::string& text) override;
    std::optional<std::string> GetText(WindowHandle window) override;
    void Click(WindowHandle button) override;
    uint32_t GetStyle(WindowHandle window) override;
    void ShowWindow(WindowHandle window, int command) override;
    WindowHandle GetActiveWindow() override { return active_window; }
    WindowHandle GetForegroundWindow() override { return foreground_window; }

  private:
    WindowHandle NewWindow(SimKind kind, const std::string& title, WindowHandle parent);
    void CollectChildren(WindowHandle parent, std::vector<WindowHandle>& out);

    std::map<WindowHandle, std::unique_ptr<SimWindow>> windows_;
    std::vector<WindowHandle> z_order_;  // top first
    WindowHandle next_handle_ = 0x10010;
    std::function<void()> before_get_text_;
    Cp1252Codec ansi_;
};

}  // namespace qv
