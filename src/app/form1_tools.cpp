// Form1's wiring of the tool windows and the menu bar: the menu entries, the status block of
// the main window, and the main-window items the tool windows reach: the outgoing line
// boxes, the status labels, `List1` and `Timer6` for the greeting, `Label1` for the channel
// window. The Style entries are wired with the skins (form1_skins.cpp).
#include "app/form1.h"

namespace qv {

void Form1::WireTools() {
    menu.OnClick("exit", [this] { exit_Click(); });
    menu.OnClick("Gmessage", [this] { Gmessage_Click(); });
    menu.OnClick("TMessage", [this] { TMessage_Click(); });
    menu.OnClick("namealertfun", [this] { namealertfun_Click(); });
    menu.OnClick("Mhistroy", [this] { Mhistroy_Click(); });
    menu.OnClick("enab", [this] { enab_Click(); });
    menu.OnClick("disab", [this] { disab_Click(); });
    menu.OnClick("hp", [this] { hp_Click(); });
    form["Command6"].OnClick([this] { Command6_Click(); });

    // Label11 is the alert's switch that the line processor reads; the table's label shows it.
    Label11.OnChange([this] { ShowMainStatus(form["Label11"], Label11.Get() == kMainEnabled); });

    greet.Connect(GreetLinks{
        .user_count = [this] { return static_cast<int>(List1.size()); },
        .user_row =
            [this](int row) {
                return row >= 0 && row < static_cast<int>(List1.size()) ? List1[row]
                                                                        : std::string();
            },
        .user_copier = [this](bool on) { channel_users.Timer6.SetEnabled(on); },
        .send = &send,
        .label5 = [this](bool on) { ShowMainStatus(form["Label5"], on); },
    });
    greet.on_load = [this] { LoadedToolWindow(greet.form); };
    time_messages.on_load = [this] { LoadedToolWindow(time_messages.form); };
    name_alert.on_load = [this] { LoadedToolWindow(name_alert.form); };
}

void Form1::LoadedToolWindow(FormState& window) {
    if (form_loaded) form_loaded(window);
}

std::string Form1::ChannelCaption() { return form["Label1"].Text(); }

void Form1::SyncLogMenuChecks() {
    menu.SetChecked("enab", log_switch.EnabChecked());
    menu.SetChecked("disab", log_switch.DisabChecked());
}

void Form1::exit_Click() { platform.process.EndProgram(); }

void Form1::Gmessage_Click() { greet.Show(); }

void Form1::TMessage_Click() { time_messages.Show(); }

void Form1::namealertfun_Click() { name_alert.Show(); }

void Form1::Command6_Click() {
    // An open channel window is shown as it is; a closed one is made and loaded anew.
    if (!channel) {
        unloaded_channel_.reset();
        channel = std::make_unique<FormChannel>(send);
        channel->on_unload = [this] {
            if (form_unloaded) form_unloaded(channel->form);
            // Its handler is still running: the window is let go at the next opening.
            unloaded_channel_ = std::move(channel);
        };
        channel->Form_Load(ChannelCaption());
        LoadedToolWindow(channel->form);
    }
    channel->form.Show();
}

void Form1::hp_Click() {
    if (shell) shell->Open("Open", kHomePage, platform.files.ProgramFolder());
}

void Form1::enab_Click() {
    log_switch.enab_Click();
    SyncLogMenuChecks();
}

void Form1::disab_Click() {
    log_switch.disab_Click();
    SyncLogMenuChecks();
}

}  // namespace qv
