// Form1's wiring of the user lists and user commands (Parts 4.101 to 4.103): the table's
// controls to their handlers, the lists' events, and the handlers that close the user pop-up.
#include "app/form1.h"

namespace qv {

void Form1::WireUserLists() {
    form["Label1"].OnChange([this] { channel_users.Label1_Change(); });
    form["Check1"].OnClick([this] { friends.Check1_Click(); });
    form["Option1"].OnClick([this] { views.Option1_Click(); });
    form["Option2"].OnClick([this] { views.Option2_Click(); });
    form["Option3"].OnClick([this] { views.Option3_Click(); });
    form["Command4"].OnClick([this] { user_commands.Command4_Click(); });

    ListBoxFX1.OnMouseUp([this](int16_t button) { opener.ListBoxFX1_MouseUp(button); });
    ListBoxFX1.OnDblClick([this] { user_commands.ListBoxFX1_dblClick(); });

    // A press elsewhere in the main window closes the pop-up at once: on the window's surface,
    // the Send and Whisper buttons, the channel-name label, the typing box and the chat view.
    form.OnMouseDown([this](int) { CloseUserPopup(); });
    form["Command1"].OnMouseDown([this](int) { CloseUserPopup(); });
    form["Command4"].OnMouseDown([this](int) { CloseUserPopup(); });
    form["Label1"].OnMouseDown([this](int) { CloseUserPopup(); });
    form["Text4"].OnMouseDown([this](int) {
        CloseUserPopup();
        // The chat view follows its end again.
        auto_scroll.maustaste = "1";
    });
    auto_scroll.unload_user_popup = [this] { CloseUserPopup(); };
}

void Form1::StartUserLists() {
    channel_users.Start();
    views.Timer4.SetEnabled(true);
    upkeep.Timer12.SetEnabled(true);
    opener.Start();
}

}  // namespace qv
