#include "tools/join_channel_window.h"

#include "tools/tool_pictures.h"

namespace qv {

FormSpec Form5Layout() {
    FormSpec spec;
    spec.name = "Form5";
    spec.caption = "Join Channel";
    spec.client_width = 260;
    spec.client_height = 92;
    spec.frame = FormFrame::kToolWindow;
    spec.back = 0x00201810;
    spec.font = {"Verdana", 8.25, false};
    using K = ControlKind;
    spec.controls = {
        {K::kTextBox, "Text1", "Channel Name", 16, 14, 228, 22, 0, 0x00FFFFFF, 0x00000000},
        {K::kPictureButton, "Command1", "", 82, 48, 96, 32},
    };
    return spec;
}

Form5::Form5(SendPaths& send) : form(Form5Layout()), send_(send) {
    form["Command1"].SetPicture(kPictureChannelJoin);
    form["Command1"].OnClick([this] { Command1_Click(); });
}

void Form5::Command1_Click() {
    send_.time2.Set("/join " + form["Text1"].Text());
    send_.send2_Click();
}

}  // namespace qv
