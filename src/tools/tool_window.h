// What the tool windows that keep running share (timed messages `Form3`, greet `Form4`, name
// alert `Form8`): the window's table state, loaded once on first use and never unloaded,
// shown by its menu entry with what it holds, and the screen told when it loads.
#pragma once

#include <functional>

#include "core/form_state.h"

namespace qv {

// The tool windows' font, and its bold cut for their headings.
constexpr ControlFont kToolFont{"Verdana", 8.25, false};
constexpr ControlFont kToolBoldFont{"Verdana", 8.25, true};

// The dark back of the channel join windows, behind their picture.
constexpr uint32_t kChannelWindowBack = 0x00201810;

// A label of the tool windows: the window's background shows round its text.
inline ControlSpec ToolLabel(const char* name, const char* caption, ControlRect at) {
    return Label(name, caption, at).Back(kTransparent);
}
// The same in bold, for headings and status words.
inline ControlSpec ToolHeading(const char* name, const char* caption, ControlRect at) {
    return ToolLabel(name, caption, at).Font(kToolBoldFont);
}

// A tool window's table before its controls: a frame (fixed unless told) of the given client
// size in the tool windows' font.
inline FormSpec ToolWindowLayout(const char* name, const char* caption, int width, int height,
                                 FormFrame frame = FormFrame::kFixed) {
    return FormLayout(name, caption, width, height, frame, kToolFont);
}

class ToolWindow {
  public:
    explicit ToolWindow(FormSpec spec) : form(std::move(spec)) {}
    virtual ~ToolWindow() = default;
    ToolWindow(const ToolWindow&) = delete;
    ToolWindow& operator=(const ToolWindow&) = delete;

    // The first use loads the window (its Form_Load); later uses do nothing.
    void Load() {
        if (loaded_) return;
        loaded_ = true;
        Form_Load();
        if (on_load) on_load();
    }
    bool Loaded() const { return loaded_; }
    // The menu entry: loads on first use, then shows the window with what it holds.
    void Show() {
        Load();
        form.Show();
    }

    virtual void Form_Load() = 0;

    // Told once, when the window loads (the screen makes its window then).
    std::function<void()> on_load;
    FormState form;

  private:
    bool loaded_ = false;
};

}  // namespace qv
