#include "app/form1_layout.h"

#include "app/form1.h"
#include "chat/loading_note.h"

namespace qv {
namespace {

constexpr uint32_t kWhite = 0x00FFFFFF;
constexpr uint32_t kBlack = 0x00000000;
constexpr uint32_t kMainBackground = 0x00180E0C;  // dark blue-black

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

        // ---- Message history and handle capture ----
        // A hidden button that shows the history window; nothing presses it.
        {K::kButton,
         "Command3",
         "Command3",
         0,
         0,
         81,
         25,
         kHidden | kNoTabStop,
         kDefaultColour,
         kDefaultColour,
         {},
         kIdCommand3},
    };
    return spec;
}

}  // namespace qv
