#include "win32/history_window.h"

namespace qv {

HistoryWindow::HistoryWindow(FormState& state) : state_(state), window_(state) {}

HistoryWindow::~HistoryWindow() {
    view_.reset();  // the view goes before its parent
}

bool HistoryWindow::Create() {
    if (!window_.Create()) return false;
    const RECT place = window_.Place("RichTextBox1");
    view_ = std::make_unique<RichHistoryView>(window_.Handle(), kIdHistoryRichTextBox1, place.left,
                                              place.top, place.right - place.left,
                                              place.bottom - place.top);
    window_.SetMessageHook([this](UINT msg, WPARAM wp, LPARAM lp, LRESULT* result) {
        return OnMessage(msg, wp, lp, result);
    });
    return view_->Handle() != nullptr;
}

WindowHandle HistoryWindow::Handle() const {
    return static_cast<WindowHandle>(reinterpret_cast<intptr_t>(window_.Handle()));
}

void HistoryWindow::InnerSize(int* width, int* height) {
    RECT client{};
    GetClientRect(window_.Handle(), &client);
    *width = client.right - client.left;
    *height = client.bottom - client.top;
}

void HistoryWindow::Unloaded() {
    form_ = nullptr;
    ShowWindow(window_.Handle(), SW_HIDE);
}

bool HistoryWindow::OnMessage(UINT msg, WPARAM, LPARAM lp, LRESULT*) {
    if (msg == WM_SIZE && form_) {
        // Minimised, the inner size is 0: every control gets size 0 until the next size.
        form_->Form_Resize(LOWORD(lp), HIWORD(lp));
        const ControlRect r = state_["RichTextBox1"].Bounds();
        view_->Move(r.left, r.top, r.width, r.height);
        // The frame and the note are painted by the window: paint them at their new places.
        InvalidateRect(window_.Handle(), nullptr, FALSE);
    }
    return false;
}

}  // namespace qv
