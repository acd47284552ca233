// A window of fixed controls as data: one table per window says what each control is, where it
// stands and how it looks. One piece of Win32 code builds any such table, and the window's
// portable class gives the controls their behaviour (see form_state.h).
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/colour.h"

namespace qv {

enum class ControlKind {
    kLabel,          // text painted by the window itself, on its background
    kTextBox,        // an edit box
    kButton,         // a push button with a caption
    kPictureButton,  // a push button showing a picture (drawn by the window)
    kCheckBox,
    kOptionButton,  // one of a group: choosing one clears the others of the window
    kListBox,
    kFrame,    // a rectangle outline, painted by the window
    kLine,     // a line from (left, top) to (left + width, top + height), painted
    kPicture,  // a picture painted by the window (hidden ones only hold a picture)
    kHost,     // a place kept for a control the window makes itself (rich text, user list)
};

enum ControlFlags : uint32_t {
    kHidden = 1u << 0,
    kMultiLine = 1u << 1,
    kCentred = 1u << 2,
    kRightAligned = 1u << 3,
    kChecked = 1u << 4,  // check box ticked, option chosen at load
    kVerticalScroll = 1u << 5,
    kReadOnly = 1u << 6,
    kNoTabStop = 1u << 7,
    kSorted = 1u << 8,  // list box keeps its rows sorted
};

struct ControlFont {
    const char* face = nullptr;  // nullptr: the window's font
    double points = 0;
    bool bold = false;
};

// Where a control stands: client pixels.
struct ControlRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const ControlRect& o) const {
        return left == o.left && top == o.top && width == o.width && height == o.height;
    }
};

struct ControlSpec {
    ControlKind kind = ControlKind::kLabel;
    const char* name = "";     // the control's name in the program, e.g. "Label5"
    const char* caption = "";  // UTF-8: caption, or the text a box holds at load
    int left = 0;              // client pixels
    int top = 0;
    int width = 0;
    int height = 0;
    uint32_t flags = 0;
    uint32_t fore = kDefaultColour;
    uint32_t back = kDefaultColour;
    ControlFont font{};
    int id = 0;          // the control's window id; 0: the window numbers it
    int picture = 0;     // the picture number it holds at load (0: none)
    int max_length = 0;  // a text box takes at most this many typed characters (0: no limit)

    // The same control with one more of its properties, so a table row names each field:
    //   TextBox("Text1", "", {12, 28, 396, 22}).Colours(kWhite, kBlack).Id(kIdText1)
    ControlSpec Flags(uint32_t more) const {
        return With([&](ControlSpec& s) { s.flags |= more; });
    }
    ControlSpec Fore(uint32_t colour) const {
        return With([&](ControlSpec& s) { s.fore = colour; });
    }
    ControlSpec Back(uint32_t colour) const {
        return With([&](ControlSpec& s) { s.back = colour; });
    }
    ControlSpec Colours(uint32_t fore_colour, uint32_t back_colour) const {
        return Fore(fore_colour).Back(back_colour);
    }
    ControlSpec Font(ControlFont f) const {
        return With([&](ControlSpec& s) { s.font = f; });
    }
    ControlSpec Id(int window_id) const {
        return With([&](ControlSpec& s) { s.id = window_id; });
    }
    ControlSpec Picture(int number) const {
        return With([&](ControlSpec& s) { s.picture = number; });
    }
    ControlSpec MaxLength(int n) const {
        return With([&](ControlSpec& s) { s.max_length = n; });
    }
    ControlRect Rect() const { return {left, top, width, height}; }

  private:
    template <typename Change>
    ControlSpec With(Change change) const {
        ControlSpec changed = *this;
        change(changed);
        return changed;
    }
};

// One builder per kind of control: its name, what it shows at load and where it stands.
inline ControlSpec MakeControl(ControlKind kind, const char* name, const char* caption,
                               ControlRect at) {
    ControlSpec spec;
    spec.kind = kind;
    spec.name = name;
    spec.caption = caption;
    spec.left = at.left;
    spec.top = at.top;
    spec.width = at.width;
    spec.height = at.height;
    return spec;
}
inline ControlSpec Label(const char* name, const char* caption, ControlRect at) {
    return MakeControl(ControlKind::kLabel, name, caption, at);
}
inline ControlSpec TextBox(const char* name, const char* text, ControlRect at) {
    return MakeControl(ControlKind::kTextBox, name, text, at);
}
inline ControlSpec Button(const char* name, const char* caption, ControlRect at) {
    return MakeControl(ControlKind::kButton, name, caption, at);
}
inline ControlSpec PictureButton(const char* name, const char* caption, ControlRect at) {
    return MakeControl(ControlKind::kPictureButton, name, caption, at);
}
inline ControlSpec CheckBox(const char* name, const char* caption, ControlRect at) {
    return MakeControl(ControlKind::kCheckBox, name, caption, at);
}
inline ControlSpec OptionButton(const char* name, const char* caption, ControlRect at) {
    return MakeControl(ControlKind::kOptionButton, name, caption, at);
}
inline ControlSpec ListBox(const char* name, ControlRect at) {
    return MakeControl(ControlKind::kListBox, name, "", at);
}
inline ControlSpec Frame(const char* name, ControlRect at) {
    return MakeControl(ControlKind::kFrame, name, "", at);
}
// A line from (left, top) to (left + width, top + height).
inline ControlSpec Line(const char* name, ControlRect from_and_run) {
    return MakeControl(ControlKind::kLine, name, "", from_and_run);
}
inline ControlSpec PictureBox(const char* name, ControlRect at) {
    return MakeControl(ControlKind::kPicture, name, "", at);
}
// A place kept for a control the window makes itself.
inline ControlSpec Host(const char* name, ControlRect at) {
    return MakeControl(ControlKind::kHost, name, "", at);
}

enum class FormFrame {
    kMain,        // caption, system menu, minimize box, fixed size
    kFixed,       // caption, system menu, fixed size
    kToolWindow,  // small caption with a close box, not in the task bar
    kSizable,     // caption, all boxes, a border that sizes
    kBorderless,  // no caption, no border
};

struct FormSpec {
    const char* name = "";
    const char* caption = "";
    int client_width = 0;  // pixels
    int client_height = 0;
    FormFrame frame = FormFrame::kFixed;
    uint32_t back = kDefaultColour;
    ControlFont font{};
    std::vector<ControlSpec> controls;
    int picture = 0;  // the background picture number at load (0: the back colour)
};

// A window's table before its controls: its name, caption, frame and client size in pixels,
// the font its controls take unless they name their own, and its back colour.
inline FormSpec FormLayout(const char* name, const char* caption, int client_width,
                           int client_height, FormFrame frame, ControlFont font = {},
                           uint32_t back = kDefaultColour) {
    FormSpec spec;
    spec.name = name;
    spec.caption = caption;
    spec.client_width = client_width;
    spec.client_height = client_height;
    spec.frame = frame;
    spec.font = font;
    spec.back = back;
    return spec;
}

}  // namespace qv
