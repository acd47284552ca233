#include "tools/join_channel_window.h"

#include "tools/tool_pictures.h"
#include "tools/tool_window.h"

namespace qv {

FormSpec Form5Layout() {
    FormSpec layout = ToolWindowLayout("Form5", "Join Channel", 260, 92, FormFrame::kToolWindow);
    layout.back = kChannelWindowBack;
    layout.controls = {
        TextBox("Text1", "Channel Name", {16, 14, 228, 22})
            .Colours(0x00FFFFFF, 0x00000000)
            .MaxLength(kForm5NameLength),
        PictureButton("Command1", "", {82, 48, 96, 32}),
    };
    return layout;
}

Form5::Form5(SendPaths& send) : form(Form5Layout()), send_(send) {
    form["Command1"].SetPicture(kPictureChannelJoin);
    form["Command1"].OnClick([this] { Command1_Click(); });
}

void Form5::Command1_Click() {
    send_.SendLine(SendPaths::Outgoing::kTime2, "/join " + form["Text1"].Text());
}

}  // namespace qv
