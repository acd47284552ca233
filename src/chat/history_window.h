// The message history window Form6: Load reads every row of the game's chat list at once into
// the hidden history text Text1, whose colour codes become tags; 1.5 s later the history view
// shows it as plain text and the history renderer colours it in place; Save writes the view
// as rich text to "StarcraftLOG.rtf". The window rescales its controls at every size change.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "chat/history_layout.h"
#include "chat/history_view.h"
#include "core/form_state.h"
#include "core/timer.h"
#include "gamelink/game_control_map.h"
#include "platform/platform.h"

namespace qv {

constexpr int kHistoryShowDelayMs = 1500;
// Load stops asking a game that has not answered for this long; the rows left stay empty.
constexpr int kHistorySilenceLimitMs = 2000;
constexpr const char* kHistoryFileName = "StarcraftLOG.rtf";
// Text before the first tag, on the view's black background (as the chat view).
constexpr ChatColour kHistoryTextColour = 0x00C0C0C0;

class Form6 {
  public:
    // `form` holds the state of the window's table (Form6Layout), `view` is RichTextBox1.
    Form6(Platform& platform, const HandleBoxes& boxes, FormState& form, HistoryView& view);
    Form6(const Form6&) = delete;
    Form6& operator=(const Form6&) = delete;

    // SaveControlLayout, on loading: records every control's place against the window's
    // inner size (pixels).
    void Form_Load(int inner_width, int inner_height);
    // ScaleControlLayout, at every change of the window's size, the first showing included.
    void Form_Resize(int inner_width, int inner_height);
    // Closing: the window is unloaded, so its display step no longer comes.
    void Form_Unload();

    void Command1_Click();       // LoadMessageHistory
    void Command2_Click();       // SaveMessageHistory
    void Text1_Change();         // ConvertColourCodes
    void Timer1_Timer();         // ShowHistoryText
    void RichTextBox1_Change();  // the history renderer, on the view itself

    // The records, one per control in the window's order (the table's controls, Timer1 last).
    const std::vector<ControlLayout>& Layout() const { return layout_; }

    FormState& form;
    HistoryView& RichTextBox1;
    Timer Timer1;
    // The window, owner of the message box that tells a failed save (0: none).
    WindowHandle hWnd = 0;

  private:
    Platform& platform_;
    const HandleBoxes& boxes_;
    std::vector<ControlLayout> layout_;
};

// The screen side of a loaded Form6 (the Win32 window with its RichEdit; in tests the sim
// view).
class Form6Screen {
  public:
    virtual ~Form6Screen() = default;
    virtual HistoryView& View() = 0;
    virtual WindowHandle Handle() const = 0;
    // The window's inner size in pixels.
    virtual void InnerSize(int* width, int* height) = 0;
    // From now on the window's size changes go to the form, and its view follows the place
    // the form gives RichTextBox1.
    virtual void Bind(Form6& form) = 0;
    // The window is unloaded: it goes from the screen at once, the object a little later.
    virtual void Unloaded() = 0;
};

// One loaded history window: its controls' state, its screen and its logic.
struct Form6Instance {
    std::unique_ptr<FormState> state;
    std::unique_ptr<Form6Screen> screen;
    std::unique_ptr<Form6> form;
};

}  // namespace qv
