#include "app/form1_layout.h"

#include "app/form1.h"
#include "chat/loading_note.h"

namespace qv {
namespace {

constexpr uint32_t kWhite = 0x00FFFFFF;
constexpr uint32_t kBlack = 0x00000000;
constexpr uint32_t kMainBackground = 0x00180E0C;  // dark blue-black
constexpr uint32_t kGreen = 0x0000FF00;

}  // namespace

FormSpec Form1Layout() {
    FormSpec spec;
    spec.name = "Form1";
    spec.caption = kMainCaption;
    spec.client_width = kMainClientWidth;
    spec.client_height = kMainClientHeight;
    spec.frame = FormFrame::kMain;
    spec.back = kMainBackground;
    spec.font = {"Verdana", 9.75, false};
    using K = ControlKind;
    spec.controls = {
        // The chat view and the user lists are made by the main window itself, here.
        {K::kHost,
         "RichTextBox2",
         "",
         136,
         16,
         433,
         468,
         0,
         kDefaultColour,
         kDefaultColour,
         {},
         kIdRichTextBox2},
        {K::kHost,
         "ListBoxFX1",
         "",
         583,
         54,
         169,
         433,
         0,
         kDefaultColour,
         kDefaultColour,
         {},
         kIdListBoxFX1},
        {K::kTextBox, "Text4", "", 136, 496, 433, 33, 0, kWhite, kBlack, {}, kIdText4},
        {K::kPictureButton,
         "Command1",
         "Send",
         584,
         501,
         81,
         30,
         0,
         kDefaultColour,
         kDefaultColour,
         {},
         kIdCommand1},
        {K::kPictureButton,
         "Command7",
         "Create",
         12,
         364,
         102,
         50,
         0,
         kDefaultColour,
         kDefaultColour,
         {},
         kIdCommand7},
        {K::kPictureButton,
         "Command8",
         "Join",
         12,
         420,
         102,
         50,
         0,
         kDefaultColour,
         kDefaultColour,
         {},
         kIdCommand8},
        {K::kPictureButton,
         "Command5",
         "Quit",
         12,
         476,
         102,
         50,
         0,
         kDefaultColour,
         kDefaultColour,
         {},
         kIdCommand5},
        // Below the visible client area: a player never sees it.
        {K::kTextBox,
         "Text9",
         kLoadingNoteText,
         136,
         kMainClientHeight + 8,
         433,
         24,
         kNoTabStop,
         kDefaultColour,
         kDefaultColour,
         {},
         kIdText9},

        // ---- User lists and user commands (issue 8, Parts 4.101 to 4.103, layout of 1.104) ----
        // The channel name as the game shows it, above the user list.
        {K::kLabel, "Label1", "", 578, 16, 177, 33, 0, kWhite, kTransparent},
        {K::kOptionButton, "Option1", "Channel", 16, 192, 89, 17, kChecked, kWhite, kTransparent,
         {}, kIdOption1},
        {K::kOptionButton, "Option2", "Friends", 16, 208, 89, 17, 0, kWhite, kTransparent, {},
         kIdOption2},
        {K::kOptionButton, "Option3", "Both", 16, 224, 89, 17, 0, kWhite, kTransparent, {},
         kIdOption3},
        // The check box has no caption of its own: Label7 beside it is its caption.
        {K::kCheckBox, "Check1", "", 16, 256, 17, 25, kChecked, kWhite, kTransparent, {},
         kIdCheck1},
        {K::kLabel, "Label7", "Hide offline friends", 35, 256, 73, 33, 0, kWhite, kTransparent,
         {"Verdana", 8.25, false}},
        // In the Both view these stand in the gap between the two lists.
        {K::kLabel, "Label8", "Friends", 584, 282, 169, 17, 0, kWhite, kTransparent},
        {K::kLabel, "Label9", "Online", 584, 296, 169, 17, 0, kGreen, kTransparent},
        {K::kPictureButton, "Command4", "Whisper", 669, 502, 81, 29, 0, kDefaultColour,
         kDefaultColour, {}, kIdCommand4},
    };
    return spec;
}

}  // namespace qv
