// The main window's side of the message history window Form6: the menu entry and
// the hidden button that show it, its single instance, and its unloading when closed.
#include "app/form1.h"

namespace qv {

void Form1::WireHistory() {
    form["Command3"].OnClick([this] { Command3_Click(); });
}

void Form1::Command3_Click() { Mhistroy_Click(); }

void Form1::Mhistroy_Click() {
    if (!history_) {
        // A window closed before is gone for good before its successor loads.
        unloaded_history_.reset();
        if (!open_history_screen) return;
        auto loaded = std::make_unique<Form6Instance>();
        loaded->state = std::make_unique<FormState>(Form6Layout());
        loaded->screen = open_history_screen(*loaded->state);
        if (!loaded->screen) return;
        loaded->form = std::make_unique<Form6>(platform, boxes, *loaded->state,
                                               loaded->screen->View());
        loaded->form->hWnd = loaded->screen->Handle();
        loaded->state->OnCloseRequest([this] { UnloadForm6(); });
        int width = 0;
        int height = 0;
        loaded->screen->InnerSize(&width, &height);
        loaded->form->Form_Load(width, height);
        loaded->screen->Bind(*loaded->form);
        history_ = std::move(loaded);
        history_->state->Show();
        // The first showing rescales too.
        history_->screen->InnerSize(&width, &height);
        history_->form->Form_Resize(width, height);
        return;
    }
    history_->state->Show();
}

void Form1::UnloadForm6() {
    if (!history_) return;
    history_->form->Form_Unload();
    history_->state->Hide();
    history_->screen->Unloaded();
    unloaded_history_ = std::move(history_);
    if (release_later) release_later();
}

}  // namespace qv
