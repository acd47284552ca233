#include "app/form1_layout.h"

#include "app/form1.h"
#include "chat/loading_note.h"
#include "tools/status_words.h"

namespace qv {
namespace {

constexpr uint32_t kWhite = 0x00FFFFFF;
constexpr uint32_t kBlack = 0x00000000;
constexpr uint32_t kMainBackground = 0x00180E0C;  // dark blue-black
constexpr uint32_t kStatusFrame = 0x00A0A0A0;     // Shape1, light grey (issue 9)

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
        // ---- Tool windows and menu bar (issue 9): the status block and the channel button
        // of Part 1.104's layout table.
        {K::kFrame, "Shape1", "", 12, 18, 102, 161, 0, kStatusFrame},
        {K::kLabel, "Label4(0)", "Greet Message", 24, 20, 81, 57, 0, kWhite, kTransparent},
        {K::kLabel, "Label5", kMainDisabled, 24, 56, 81, 25, 0, kStatusRed, kTransparent},
        {K::kLabel, "Label4(1)", "Time Message", 24, 80, 81, 33, 0, kWhite, kTransparent},
        {K::kLabel, "Label6", kMainDisabled, 24, 112, 81, 25, 0, kStatusRed, kTransparent},
        {K::kLabel, "Label10", "Name Alert", 24, 136, 81, 17, 0, kWhite, kTransparent},
        {K::kLabel, "Label11", kMainDisabled, 24, 152, 81, 17, 0, kStatusRed, kTransparent},
        {K::kPictureButton,
         "Command6",
         "Channels",
         12,
         308,
         102,
         50,
         0,
         kDefaultColour,
         kDefaultColour,
         {},
         kIdCommand6},
    };
    return spec;
}

}  // namespace qv
