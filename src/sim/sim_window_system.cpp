#include "sim/sim_window_system.h"

#include <algorithm>
#include <cctype>

namespace qv {
namespace {

std::string Lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

}  // namespace

WindowHandle SimWindowSystem::NewWindow(SimKind kind, const std::string& title,
                                        WindowHandle parent) {
    auto w = std::make_unique<SimWindow>();
    w->handle = next_handle_;
    next_handle_ += 0x22;
    w->kind = kind;
    w->title = title;
    w->parent = parent;
    const WindowHandle h = w->handle;
    windows_[h] = std::move(w);
    return h;
}

WindowHandle SimWindowSystem::AddTopLevel(const std::string& title) {
    const WindowHandle h = NewWindow(SimKind::Window, title, 0);
    z_order_.insert(z_order_.begin(), h);
    return h;
}

WindowHandle SimWindowSystem::AddTopLevelAtBottom(const std::string& title) {
    const WindowHandle h = NewWindow(SimKind::Window, title, 0);
    z_order_.push_back(h);
    return h;
}

WindowHandle SimWindowSystem::AddChild(WindowHandle parent, SimKind kind,
                                       const std::string& title) {
    const WindowHandle h = NewWindow(kind, title, parent);
    Get(parent).children.push_back(h);
    return h;
}

void SimWindowSystem::RemoveWindow(WindowHandle window) {
    SimWindow* w = Find(window);
    if (!w) return;
    for (WindowHandle child : std::vector<WindowHandle>(w->children)) RemoveWindow(child);
    if (w->parent) {
        auto& siblings = Get(w->parent).children;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), window), siblings.end());
    }
    z_order_.erase(std::remove(z_order_.begin(), z_order_.end(), window), z_order_.end());
    windows_.erase(window);
}

SimWindow* SimWindowSystem::Find(WindowHandle window) {
    auto it = windows_.find(window);
    return it == windows_.end() ? nullptr : it->second.get();
}

SimWindow& SimWindowSystem::Get(WindowHandle window) { return *windows_.at(window); }

std::vector<WindowHandle> SimWindowSystem::EnumTopLevelWindows() { return z_order_; }

void SimWindowSystem::CollectChildren(WindowHandle parent, std::vector<WindowHandle>& out) {
    SimWindow* w = Find(parent);
    if (!w) return;
    for (WindowHandle child : w->children) {
        out.push_back(child);
        CollectChildren(child, out);
    }
}

std::vector<WindowHandle> SimWindowSystem::EnumChildWindows(WindowHandle parent) {
    std::vector<WindowHandle> out;
    CollectChildren(parent, out);
    return out;
}

// The ANSI functions answer in bytes of the code page, as they do for a real window.
int SimWindowSystem::GetWindowTextLengthA(WindowHandle window) {
    SimWindow* w = Find(window);
    if (!w) return 0;
    if (w->reported_title_length >= 0) return w->reported_title_length;
    return static_cast<int>(ansi_.ToAnsi(w->title).size());
}

std::string SimWindowSystem::GetWindowTextA(WindowHandle window, int max_chars) {
    SimWindow* w = Find(window);
    if (!w || max_chars <= 0) return "";
    return ansi_.ToAnsi(w->title).substr(0, static_cast<size_t>(max_chars));
}

int SimWindowSystem::ListGetCount(WindowHandle list) {
    log.push_back("LB_GETCOUNT " + std::to_string(list));
    if (before_list_query) before_list_query(list, -1);
    SimWindow* w = Find(list);
    if (!w) return 0;
    if (w->silent) return kNoAnswer;
    return static_cast<int>(w->rows.size());
}

int SimWindowSystem::ListGetTextLen(WindowHandle list, int row) {
    if (before_list_query) before_list_query(list, row);
    SimWindow* w = Find(list);
    if (!w) return 0;
    ++w->length_queries;
    if (w->silent) {
        if (on_no_answer) on_no_answer(list);
        return kNoAnswer;
    }
    if (row < 0 || row >= static_cast<int>(w->rows.size())) return -1;
    return static_cast<int>(Utf16Length(w->rows[static_cast<size_t>(row)]));
}

ListRowRead SimWindowSystem::ListGetText(WindowHandle list, int row, int capacity) {
    if (before_list_query) before_list_query(list, row);
    if (before_get_text_) {
        auto hook = std::move(before_get_text_);
        before_get_text_ = nullptr;
        hook();
    }
    ListRowRead read;
    SimWindow* w = Find(list);
    if (!w) {
        read.length = 0;
        return read;
    }
    ++w->text_queries;
    if (w->silent) {
        if (on_no_answer) on_no_answer(list);
        read.length = kNoAnswer;
        return read;
    }
    if (row < 0 || row >= static_cast<int>(w->rows.size())) return read;
    const std::string& text = w->rows[static_cast<size_t>(row)];
    read.length = static_cast<int>(Utf16Length(text));
    if (read.length <= capacity - 1) {
        read.text = text;
    } else {
        ++short_buffer_reads;
    }
    return read;
}

void SimWindowSystem::ListAddString(WindowHandle list, const std::string& text) {
    log.push_back("LB_ADDSTRING " + std::to_string(list) + " " + text);
    SimWindow* w = Find(list);
    if (w) w->rows.push_back(text);
}

void SimWindowSystem::ListSelectString(WindowHandle list, const std::string& text) {
    log.push_back("LB_SELECTSTRING " + std::to_string(list) + " " + text);
    SimWindow* w = Find(list);
    if (!w || w->rows.empty()) return;
    // Case folding as the list box does it for the letters of code page 1252: ASCII, the
    // Latin-1 capitals (UTF-8 C3 80..C3 9E except the sign C3 97), and S, OE, Z with caron
    // and Y with diaeresis (C5 A0, C5 92, C5 BD, C5 B8).
    auto fold = [](const std::string& raw) {
        std::string s = Lower(raw);
        for (size_t i = 0; i + 1 < s.size(); ++i) {
            const unsigned char lead = static_cast<unsigned char>(s[i]);
            if (lead != 0xC3 && lead != 0xC5) continue;
            const unsigned char next = static_cast<unsigned char>(s[++i]);
            if (lead == 0xC3 && next >= 0x80 && next <= 0x9E && next != 0x97) {
                s[i] = static_cast<char>(next + 0x20);
            } else if (lead == 0xC5 && (next == 0xA0 || next == 0x92 || next == 0xBD)) {
                s[i] = static_cast<char>(next + 1);
            } else if (lead == 0xC5 && next == 0xB8) {
                s[i - 1] = '\xC3';
                s[i] = '\xBF';
            }
        }
        return s;
    };
    // The program sends wParam 0: the search starts at the row after row 0, runs to the end
    // and wraps, so row 0 is tested last; the current selection plays no part. The first row
    // that begins with the text, case-insensitively, is selected; no match leaves it as it is.
    const int n = static_cast<int>(w->rows.size());
    const std::string prefix = fold(text);
    for (int k = 1; k <= n; ++k) {
        const int i = k % n;
        if (fold(w->rows[static_cast<size_t>(i)]).rfind(prefix, 0) == 0) {
            w->selected_row = i;
            return;
        }
    }
}

void SimWindowSystem::SetText(WindowHandle window, const std::string& text) {
    log.push_back("WM_SETTEXT " + std::to_string(window) + " " + text);
    SimWindow* w = Find(window);
    if (w) w->title = text;
}

std::optional<std::string> SimWindowSystem::GetText(WindowHandle window) {
    SimWindow* w = Find(window);
    if (!w) return std::string();
    if (w->silent) return std::nullopt;
    return w->title;
}

void SimWindowSystem::Click(WindowHandle button) {
    log.push_back("CLICK " + std::to_string(button));
    SimWindow* w = Find(button);
    if (w) ++w->clicks;
}

uint32_t SimWindowSystem::GetStyle(WindowHandle window) {
    SimWindow* w = Find(window);
    const uint32_t style = w && w->visible ? kStyleVisible : 0;
    if (on_get_style) on_get_style(window);
    return style;
}

void SimWindowSystem::ShowWindow(WindowHandle window, int command) {
    log.push_back(std::string(command ? "SHOW " : "HIDE ") + std::to_string(window));
    SimWindow* w = Find(window);
    if (w) w->visible = command != kShowHide;
}

}  // namespace qv
