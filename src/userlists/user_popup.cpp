#include "userlists/user_popup.h"

#include "platform/stored_settings.h"
#include "userlists/form7_layout.h"
#include "userlists/user_commands.h"

namespace qv {

Form7::Form7(Platform& platform, std::function<std::string()> selected_row, PopupActions actions)
    : Timer1(platform.timers, "Form7.Timer1", kPopupCloseCheckMs),
      platform_(platform),
      selected_row_(std::move(selected_row)),
      actions_(std::move(actions)) {
    Timer1.SetHandler([this] { Timer1_Timer(); });
}

Form7::~Form7() {
    // The window goes before the controls it shows.
    if (screen_.release) screen_.release();
}

void Form7::Wire(FormState& form) {
    form["Command1"].OnClick([this] { Command1_Click(); });
    form["Command2"].OnClick([this] { Command2_Click(); });
    form["Command3"].OnClick([this] { Command3_Click(); });
    form["Command4"].OnClick([this] { Command4_Click(); });
    form["Command5"].OnClick([this] { Command5_Click(); });
    form["Command6"].OnClick([this] { Command6_Click(); });
    form["Command7"].OnClick([this] { Command7_Click(); });
    // The close box unloads the pop-up.
    form.OnCloseRequest([this] { Unload(); });
}

void Form7::Show(int x, int y) {
    if (!form_) {
        form_ = std::make_unique<FormState>(Form7Layout());
        // The pictures stored with the window: the design background and the two others.
        form_->SetPicture(kPopupPictureStarcraft);
        (*form_)["Picture2"].SetPicture(kPopupPictureBlue);
        (*form_)["Picture3"].SetPicture(kPopupPictureSilver);
        Wire(*form_);
        Form_Load();
        Timer1.SetEnabled(true);
    }
    left_ = x;
    top_ = y;
    form_->Show();
    // The window of a pop-up unloaded before is gone once the new one is open.
    if (screen_.open) hwnd_ = screen_.open(*form_, x, y);
    retired_.reset();
}

void Form7::Unload() {
    if (!form_) return;
    Timer1.SetEnabled(false);
    if (screen_.close) screen_.close();
    hwnd_ = 0;
    // Not destroyed here: the close may come from one of the pop-up's own handlers.
    retired_ = std::move(form_);
}

void Form7::Form_Load() {
    FormState& form = *form_;
    if (const auto name = UserNameOf(selected_row_ ? selected_row_() : std::string())) {
        form["Label1"].SetText(*name);
    }
    const std::string style = platform_.settings.Read(kStyleSetting).value_or("");
    if (style == "2") form.SetPicture(form["Picture2"].Picture());
    if (style == "3") form.SetPicture(form["Picture3"].Picture());
}

void Form7::Timer1_Timer() {
    if (platform_.windows.GetForegroundWindow() != hwnd_) Unload();
}

void Form7::Command1_Click() { actions_.send_user_command(kStatsCommand, false); }
void Form7::Command2_Click() { actions_.send_user_command(kIgnoreCommand, true); }
void Form7::Command3_Click() { actions_.send_user_command(kUnignoreCommand, true); }
void Form7::Command4_Click() { actions_.send_user_command(kFriendAddCommand, false); }
void Form7::Command5_Click() { actions_.send_user_command(kFriendRemoveCommand, false); }
void Form7::Command6_Click() { actions_.press_whisper(); }
void Form7::Command7_Click() { actions_.press_send(); }

}  // namespace qv
