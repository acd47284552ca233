#include "userlists/form7_layout.h"

namespace qv {
namespace {

constexpr uint32_t kWhite = 0x00FFFFFF;
constexpr uint32_t kSeparator = 0x00B0B0B0;
constexpr uint32_t kPopupBack = 0x00201810;  // under the picture, seen only without one

constexpr int Px(int twips) { return twips / kTwipsPerPixel; }

constexpr int kColumnLeft = Px(120);
constexpr int kColumnWidth = Px(1935);
constexpr int kButtonHeight = Px(375);

// One of the seven command buttons of the column, white, at its top in twips.
ControlSpec CommandButton(const char* name, const char* caption, int top_twips) {
    return PictureButton(name, caption, {kColumnLeft, Px(top_twips), kColumnWidth, kButtonHeight})
        .Back(kWhite);
}

}  // namespace

FormSpec Form7Layout() {
    FormSpec layout =
        FormLayout("Form7", "Menu", kPopupClientWidth, kPopupClientHeight, FormFrame::kToolWindow,
                   {"MS Sans Serif", 8.25, false}, kPopupBack);
    const ControlRect whole{0, 0, kPopupClientWidth, kPopupClientHeight};
    // Tab order: the buttons top to bottom, then the label.
    layout.controls = {
        CommandButton("Command1", "Show Stats", 480),
        CommandButton("Command2", "Squelch / Ignore", 960),
        CommandButton("Command3", "Unsquelch / Unignore", 1440),
        CommandButton("Command4", "Add to Friendlist", 1920),
        CommandButton("Command5", "Remove from Friendlist", 2400),
        CommandButton("Command6", "Whisper", 3000),
        CommandButton("Command7", "Send", 3480),
        // The separator between the five commands and Whisper / Send, across the window.
        Line("Line1", {0, Px(2880), kPopupClientWidth, 0}).Fore(kSeparator),
        // The name label: its design text stays when the selected row holds no name.
        Label("Label1", "", {kColumnLeft, Px(120), kColumnWidth, Px(495)})
            .Flags(kCentred)
            .Colours(kWhite, kTransparent)
            .Font({"MS Sans Serif", 8.25, true}),
        // Hidden holders of the other two skins' backgrounds.
        PictureBox("Picture2", whole).Flags(kHidden),
        PictureBox("Picture3", whole).Flags(kHidden),
    };
    return layout;
}

}  // namespace qv
