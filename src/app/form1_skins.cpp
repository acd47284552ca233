// Form1's three skins, chosen from the Style menu: the value saved for the next start, the
// menu's check marks, the places of Send and Whisper, and the pictures of the background and
// the six picture buttons, each taken from the hidden box that holds it.
#include <utility>

#include "app/form1.h"
#include "platform/stored_settings.h"

namespace qv {

struct Form1::Skin {
    const char* value;  // "SaveStyle\Style"
    // The three check marks, in the order the handler sets them.
    std::pair<const char*, bool> checks[3];
    int command4_top;
    int command1_top;
    int command4_height;
    // The boxes whose pictures the background and Command1, 4, 5, 6, 7 and 8 take.
    const char* boxes[7];
};

void Form1::WireSkins() {
    menu.OnClick("scstyle", [this] { scstyle_Click(); });
    menu.OnClick("bluestyle", [this] { bluestyle_Click(); });
    menu.OnClick("silver", [this] { silver_Click(); });
}

void Form1::scstyle_Click() {
    static const Skin kStarcraft{
        "1", {{"scstyle", true}, {"bluestyle", false}, {"silver", false}},
        502, 501,
        29,  {"Picture1", "Picture2", "Picture3", "Picture4", "Picture5", "Picture6", "Picture7"},
    };
    ApplySkin(kStarcraft);
}

void Form1::bluestyle_Click() {
    static const Skin kBlue{
        "2",
        {{"silver", false}, {"bluestyle", true}, {"scstyle", false}},
        498,
        497,
        28,
        {"Picture8", "Picture13", "Picture14", "Picture12", "Picture9", "Picture10", "Picture11"},
    };
    ApplySkin(kBlue);
}

void Form1::silver_Click() {
    static const Skin kSilver{
        "3",
        {{"silver", true}, {"bluestyle", false}, {"scstyle", false}},
        497,
        496,
        28,
        {"Picture15", "Picture20", "Picture21", "Picture19", "Picture16", "Picture17", "Picture18"},
    };
    ApplySkin(kSilver);
}

void Form1::ApplySkin(const Skin& skin) {
    // A value the store refuses is lost; the skin is still shown.
    platform.settings.Write(kStyleSetting, skin.value);
    for (const auto& [entry, checked] : skin.checks) menu.SetChecked(entry, checked);
    FormControl& command4 = form["Command4"];
    FormControl& command1 = form["Command1"];
    ControlRect whisper = command4.Bounds();
    whisper.top = skin.command4_top;
    command4.SetBounds(whisper);
    ControlRect send = command1.Bounds();
    send.top = skin.command1_top;
    command1.SetBounds(send);
    whisper = command4.Bounds();
    whisper.height = skin.command4_height;
    command4.SetBounds(whisper);
    form.SetPicture(form[skin.boxes[0]].Picture());
    const char* const buttons[] = {"Command1", "Command4", "Command5",
                                   "Command6", "Command7", "Command8"};
    for (int i = 0; i < 6; ++i) form[buttons[i]].SetPicture(form[skin.boxes[i + 1]].Picture());
}

}  // namespace qv
