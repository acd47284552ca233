// The state of a window of fixed controls, built from its table: what each control shows
// (text, colour, visibility, value, place, picture, rows) and the handlers the window's
// portable class hangs on them. The screen mirrors this state (src/win32/form_window.*);
// tests drive it directly, as a player would: typing, clicking, pressing.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/form_table.h"

namespace qv {

// What changed, for the screen to mirror.
enum class ControlProperty {
    kText,
    kForeColour,
    kVisible,
    kEnabled,
    kValue,
    kBounds,
    kPicture,
    kRows,
    kSelection
};

constexpr int kMouseLeft = 1;
constexpr int kMouseRight = 2;
constexpr int kMouseMiddle = 4;

class FormControl {
  public:
    using Handler = std::function<void()>;
    using MouseHandler = std::function<void(int button)>;

    explicit FormControl(const ControlSpec& spec);

    const ControlSpec& Spec() const { return spec_; }
    const char* Name() const { return spec_.name; }

    // The caption of a label or button, the content of a text box. A change runs the change
    // handler inside the write; writing the text it holds runs nothing.
    const std::string& Text() const { return text_; }
    bool SetText(const std::string& text);

    uint32_t ForeColour() const { return fore_; }
    void SetForeColour(uint32_t colour);
    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    ControlRect Bounds() const { return bounds_; }
    void SetBounds(const ControlRect& bounds);
    // A picture number (0: none) that the screen turns into a picture.
    int Picture() const { return picture_; }
    void SetPicture(int picture);

    // Check box: 0 unticked, 1 ticked, 2 grey; option button: 0 or 1. A change runs the
    // click handler inside the write, as a check box's value change does; an option that
    // becomes 1 clears the other options of its window first.
    int Value() const { return value_; }
    bool SetValue(int value);

    // List box rows and the selected row (-1: none).
    const std::vector<std::string>& Rows() const { return rows_; }
    void AddRow(const std::string& row);
    int Selected() const { return selected_; }
    void SetSelected(int row);
    std::string SelectedText() const;

    void OnChange(Handler handler) { on_change_ = std::move(handler); }
    void OnClick(Handler handler) { on_click_ = std::move(handler); }
    void OnDoubleClick(Handler handler) { on_double_click_ = std::move(handler); }
    void OnMouseDown(MouseHandler handler) { on_mouse_down_ = std::move(handler); }

    // What the player does. A click on a button runs its click handler; on a check box it
    // toggles the tick; on an option it chooses it; on a list box it selects `row`.
    void Click();
    void ClickRow(int row);
    void DoubleClick();
    void MouseDown(int button);

    // The screen's listener: told of every change it must show.
    void SetViewListener(std::function<void(ControlProperty)> listener) {
        view_ = std::move(listener);
    }
    // Called by the window for option groups.
    void SetGroupHook(std::function<void(FormControl&)> hook) { group_ = std::move(hook); }
    // Sets the value without running handlers (an option cleared by another).
    void ClearValueQuietly();

  private:
    void Tell(ControlProperty property) {
        if (view_) view_(property);
    }

    ControlSpec spec_;
    std::string text_;
    uint32_t fore_;
    bool visible_;
    bool enabled_ = true;
    ControlRect bounds_;
    int picture_ = 0;
    int value_ = 0;
    std::vector<std::string> rows_;
    int selected_ = -1;
    Handler on_change_;
    Handler on_click_;
    Handler on_double_click_;
    MouseHandler on_mouse_down_;
    std::function<void(ControlProperty)> view_;
    std::function<void(FormControl&)> group_;
};

enum class FormProperty { kVisible, kPicture };

class FormState {
  public:
    explicit FormState(FormSpec spec);
    FormState(const FormState&) = delete;
    FormState& operator=(const FormState&) = delete;

    const FormSpec& Spec() const { return spec_; }

    // The named control. Asking for a name the table does not hold is a fault of the
    // program, not of its input: it throws std::out_of_range.
    FormControl& operator[](std::string_view name);
    const FormControl& operator[](std::string_view name) const;
    FormControl* Find(std::string_view name);
    std::vector<std::unique_ptr<FormControl>>& Controls() { return controls_; }

    const std::string& Caption() const { return caption_; }
    bool Visible() const { return visible_; }
    void Show();
    void Hide();
    // The window's background picture (0: its colour).
    int Picture() const { return picture_; }
    void SetPicture(int picture);

    // A close asked for by the player (the close box): the handler decides what happens
    // (hide, unload). Without one the window hides.
    void OnCloseRequest(std::function<void()> handler) { on_close_ = std::move(handler); }
    void RequestClose();
    // A press on the window's own surface, outside every control that takes presses.
    void OnMouseDown(FormControl::MouseHandler handler) { on_mouse_down_ = std::move(handler); }
    void MouseDown(int button);

    void SetViewListener(std::function<void(FormProperty)> listener) {
        view_ = std::move(listener);
    }

  private:
    void Tell(FormProperty property) {
        if (view_) view_(property);
    }

    FormSpec spec_;
    std::vector<std::unique_ptr<FormControl>> controls_;
    std::string caption_;
    bool visible_ = false;
    int picture_ = 0;
    std::function<void()> on_close_;
    FormControl::MouseHandler on_mouse_down_;
    std::function<void(FormProperty)> view_;
};

}  // namespace qv
