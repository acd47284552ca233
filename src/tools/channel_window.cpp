#include "tools/channel_window.h"

#include "tools/tool_pictures.h"
#include "tools/tool_text.h"
#include "tools/tool_window.h"

namespace qv {

const char* const kFixedChannels[kFixedChannelCount] = {"Blizzard Tech Support",
                                                        "Open Tech Support",
                                                        "Blizzard Chat",
                                                        "Public Chat",
                                                        "Brood War Games",
                                                        "Brood War Ladder",
                                                        "Clan Recruitment",
                                                        "Terran Strategy",
                                                        "Zerg Strategy",
                                                        "Protoss Strategy",
                                                        "Custom Maps",
                                                        "WCG Info",
                                                        "WCG Zone",
                                                        "Season V"};

FormSpec FormChannelLayout() {
    FormSpec layout =
        ToolWindowLayout("FormChannel", "Join a Channel", 300, 340, FormFrame::kToolWindow);
    layout.back = kChannelWindowBack;
    const uint32_t white = 0x00FFFFFF;
    const uint32_t black = 0x00000000;
    layout.controls = {
        // Tall enough for the fourteen channels and the current one without scrolling.
        ListBox("List4", {20, 52, 260, 204}).Colours(white, black),
        TextBox("Text3", "", {20, 264, 260, 22}).Colours(white, black),
        PictureButton("Command2", "", {20, 296, 96, 32}),
        PictureButton("Command1", "", {184, 296, 96, 32}),
    };
    return layout;
}

FormChannel::FormChannel(SendPaths& send) : form(FormChannelLayout()), send_(send) {
    form.SetPicture(kPictureChannelBack);
    form["Command2"].SetPicture(kPictureChannelJoin);
    form["Command1"].SetPicture(kPictureChannelClose);
    form["List4"].OnClick([this] { List4_Click(); });
    form["List4"].OnDoubleClick([this] { List4_DblClick(); });
    form["Command2"].OnClick([this] { Command2_Click(); });
    form["Command1"].OnClick([this] { Command1_Click(); });
    form.OnCloseRequest([this] { Unload(); });
}

void FormChannel::Form_Load(const std::string& label1) {
    FormControl& list = form["List4"];
    for (const char* channel : kFixedChannels) list.AddRow(channel);
    // No "(" or "(" first: the two steps fail and are skipped.
    if (const std::optional<std::string> current = CurrentChannelName(label1)) {
        list.AddRow(*current);
        form["Text3"].SetText(*current);
    }
}

void FormChannel::List4_Click() { form["Text3"].SetText(form["List4"].SelectedText()); }

void FormChannel::List4_DblClick() { Join(); }

void FormChannel::Command2_Click() { Join(); }

void FormChannel::Command1_Click() { Unload(); }

void FormChannel::Join() {
    // Exactly as typed or picked: nothing is trimmed or tested.
    send_.SendLine(SendPaths::Outgoing::kTime2, "/join " + form["Text3"].Text());
}

void FormChannel::Unload() {
    form.Hide();
    if (on_unload) on_unload();
}

}  // namespace qv
