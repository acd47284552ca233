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

ControlSpec Button(const char* name, const char* caption, int top_twips) {
    return {ControlKind::kPictureButton,
            name,
            caption,
            kColumnLeft,
            Px(top_twips),
            kColumnWidth,
            kButtonHeight,
            0,
            kDefaultColour,
            kWhite,
            {}};
}

}  // namespace

FormSpec Form7Layout() {
    FormSpec spec;
    spec.name = "Form7";
    spec.caption = "Menu";
    spec.client_width = kPopupClientWidth;
    spec.client_height = kPopupClientHeight;
    spec.frame = FormFrame::kToolWindow;
    spec.back = kPopupBack;
    spec.font = {"MS Sans Serif", 8.25, false};
    using K = ControlKind;
    // Tab order: the buttons top to bottom, then the label.
    spec.controls = {
        Button("Command1", "Show Stats", 480),
        Button("Command2", "Squelch / Ignore", 960),
        Button("Command3", "Unsquelch / Unignore", 1440),
        Button("Command4", "Add to Friendlist", 1920),
        Button("Command5", "Remove from Friendlist", 2400),
        Button("Command6", "Whisper", 3000),
        Button("Command7", "Send", 3480),
        // The separator between the five commands and Whisper / Send, across the window.
        {K::kLine, "Line1", "", 0, Px(2880), kPopupClientWidth, 0, 0, kSeparator},
        // The name label: its design text stays when the selected row holds no name.
        {K::kLabel,
         "Label1",
         "",
         kColumnLeft,
         Px(120),
         kColumnWidth,
         Px(495),
         kCentred,
         kWhite,
         kTransparent,
         {"MS Sans Serif", 8.25, true}},
        // Hidden holders of the other two skins' backgrounds.
        {K::kPicture, "Picture2", "", 0, 0, kPopupClientWidth, kPopupClientHeight, kHidden},
        {K::kPicture, "Picture3", "", 0, 0, kPopupClientWidth, kPopupClientHeight, kHidden},
    };
    return spec;
}

}  // namespace qv
