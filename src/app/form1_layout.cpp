#include "app/form1_layout.h"

#include "app/form1.h"
#include "app/skin_pictures.h"
#include "chat/loading_note.h"
#include "tools/status_words.h"

namespace qv {
namespace {

constexpr uint32_t kWhite = 0x00FFFFFF;
constexpr uint32_t kBlack = 0x00000000;
constexpr uint32_t kMainBackground = 0x00180E0C;  // dark blue-black
constexpr uint32_t kGreen = 0x0000FF00;
constexpr uint32_t kStatusFrame = 0x00A0A0A0;  // Shape1 and Shape2, light grey

struct PictureSize {
    int width;
    int height;
};
constexpr PictureSize kBackground{768, 540};
constexpr PictureSize kSmallButton{73, 27};   // Send, Whisper
constexpr PictureSize kLargeButton{100, 50};  // Quit, Channels, Create, Join

ControlSpec HiddenPicture(const char* name, int picture, PictureSize size) {
    return PictureBox(name, {0, 0, size.width, size.height}).Flags(kHidden).Picture(picture);
}

}  // namespace

FormSpec Form1Layout() {
    FormSpec spec = FormLayout("Form1", kMainCaption, kMainClientWidth, kMainClientHeight,
                               FormFrame::kMain, {"Verdana", 9.75, false}, kMainBackground);
    // The design-time look is the Starcraft skin.
    spec.picture = kStarcraftPictures.background;
    const ControlFont small{"Verdana", 8.25, false};
    const SkinPictures& sc = kStarcraftPictures;
    constexpr uint32_t kClear = kTransparent;
    spec.controls = {
        // The chat view and the user lists are made by the main window itself, here.
        Host("RichTextBox2", {136, 16, 433, 468}).Id(kIdRichTextBox2),
        Host("ListBoxFX1", {583, 54, 169, 433}).Id(kIdListBoxFX1),
        TextBox("Text4", "", {136, 496, 433, 33}).Colours(kWhite, kBlack).Id(kIdText4),
        PictureButton("Command1", "Send", {584, 501, 81, 30}).Id(kIdCommand1).Picture(sc.send),
        PictureButton("Command7", "Create", {12, 364, 102, 50}).Id(kIdCommand7).Picture(sc.create),
        PictureButton("Command8", "Join", {12, 420, 102, 50}).Id(kIdCommand8).Picture(sc.join),
        PictureButton("Command5", "Quit", {12, 476, 102, 50}).Id(kIdCommand5).Picture(sc.quit),
        // Below the visible client area: a player never sees it.
        TextBox("Text9", kLoadingNoteText, {136, kMainClientHeight + 8, 433, 24})
            .Flags(kNoTabStop)
            .Id(kIdText9),

        // ---- User lists and user commands ----
        // The channel name as the game shows it, above the user list.
        Label("Label1", "", {578, 16, 177, 33}).Colours(kWhite, kClear),
        OptionButton("Option1", "Channel", {16, 192, 89, 17})
            .Flags(kChecked)
            .Colours(kWhite, kClear)
            .Id(kIdOption1),
        OptionButton("Option2", "Friends", {16, 208, 89, 17})
            .Colours(kWhite, kClear)
            .Id(kIdOption2),
        OptionButton("Option3", "Both", {16, 224, 89, 17}).Colours(kWhite, kClear).Id(kIdOption3),
        // The check box has no caption of its own: Label7 beside it is its caption.
        CheckBox("Check1", "", {16, 256, 17, 25})
            .Flags(kChecked)
            .Colours(kWhite, kClear)
            .Id(kIdCheck1),
        Label("Label7", "Hide offline friends", {35, 256, 73, 33})
            .Colours(kWhite, kClear)
            .Font(small),
        // In the Both view these stand in the gap between the two lists.
        Label("Label8", "Friends", {584, 282, 169, 17}).Colours(kWhite, kClear),
        Label("Label9", "Online", {584, 296, 169, 17}).Colours(kGreen, kClear),
        PictureButton("Command4", "Whisper", {669, 502, 81, 29})
            .Id(kIdCommand4)
            .Picture(sc.whisper),

        // ---- Tool windows and menu bar: the status block and the channel button ----
        Frame("Shape1", {12, 18, 102, 161}).Fore(kStatusFrame),
        Label("Label4(0)", "Greet Message", {24, 20, 81, 57}).Colours(kWhite, kClear),
        Label("Label5", kMainDisabled, {24, 56, 81, 25}).Colours(kStatusRed, kClear),
        Label("Label4(1)", "Time Message", {24, 80, 81, 33}).Colours(kWhite, kClear),
        Label("Label6", kMainDisabled, {24, 112, 81, 25}).Colours(kStatusRed, kClear),
        Label("Label10", "Name Alert", {24, 136, 81, 17}).Colours(kWhite, kClear),
        Label("Label11", kMainDisabled, {24, 152, 81, 17}).Colours(kStatusRed, kClear),
        PictureButton("Command6", "Channels", {12, 308, 102, 50})
            .Id(kIdCommand6)
            .Picture(sc.channels),

        // ---- Skins ----
        // The frame round the view options and "Hide offline friends".
        Frame("Shape2", {12, 184, 102, 113}).Fore(kStatusFrame),
        // Hidden boxes that only hold pictures: Picture1 to Picture7 keep the design-time
        // pictures once the window has started; Picture8 to Picture14 hold the Blue skin,
        // Picture15 to Picture21 the Silver skin.
        HiddenPicture("Picture1", 0, kBackground),
        HiddenPicture("Picture2", 0, kSmallButton),
        HiddenPicture("Picture3", 0, kSmallButton),
        HiddenPicture("Picture4", 0, kLargeButton),
        HiddenPicture("Picture5", 0, kLargeButton),
        HiddenPicture("Picture6", 0, kLargeButton),
        HiddenPicture("Picture7", 0, kLargeButton),
        HiddenPicture("Picture8", kBluePictures.background, kBackground),
        HiddenPicture("Picture9", kBluePictures.channels, kLargeButton),
        HiddenPicture("Picture10", kBluePictures.create, kLargeButton),
        HiddenPicture("Picture11", kBluePictures.join, kLargeButton),
        HiddenPicture("Picture12", kBluePictures.quit, kLargeButton),
        HiddenPicture("Picture13", kBluePictures.send, kSmallButton),
        HiddenPicture("Picture14", kBluePictures.whisper, kSmallButton),
        HiddenPicture("Picture15", kSilverPictures.background, kBackground),
        HiddenPicture("Picture16", kSilverPictures.channels, kLargeButton),
        HiddenPicture("Picture17", kSilverPictures.create, kLargeButton),
        HiddenPicture("Picture18", kSilverPictures.join, kLargeButton),
        HiddenPicture("Picture19", kSilverPictures.quit, kLargeButton),
        HiddenPicture("Picture20", kSilverPictures.send, kSmallButton),
        HiddenPicture("Picture21", kSilverPictures.whisper, kSmallButton),

        // ---- Message history and handle capture ----
        // A hidden button that shows the history window; nothing presses it.
        Button("Command3", "Command3", {0, 0, 81, 25}).Flags(kHidden | kNoTabStop).Id(kIdCommand3),
    };
    return spec;
}

}  // namespace qv
