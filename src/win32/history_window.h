// The message history window Form6 on screen: its table through a FormWindow, the history
// view in the place of RichTextBox1, and its size changes handed to Form6's rescale (the table
// controls follow their state, the view is moved here).
#pragma once

#include <windows.h>

#include <memory>

#include "chat/history_window.h"
#include "win32/form_window.h"
#include "win32/rich_history_view.h"

namespace qv {

class HistoryWindow : public Form6Screen {
  public:
    explicit HistoryWindow(FormState& state);
    ~HistoryWindow() override;

    // Creates the window hidden where the system puts new windows, without an owner.
    bool Create();
    HWND Window() const { return window_.Handle(); }
    RichHistoryView& RichView() { return *view_; }

    HistoryView& View() override { return *view_; }
    WindowHandle Handle() const override;
    void InnerSize(int* width, int* height) override;
    void Bind(Form6& form) override { form_ = &form; }
    void Unloaded() override;

  private:
    bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result);

    FormState& state_;
    FormWindow window_;
    std::unique_ptr<RichHistoryView> view_;
    Form6* form_ = nullptr;
};

}  // namespace qv
