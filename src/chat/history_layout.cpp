#include "chat/history_layout.h"

#include "gamelink/twips.h"

namespace qv {
namespace {

constexpr uint32_t kWhite = 0x00FFFFFF;
constexpr uint32_t kWindowText = 0x80000008;  // the frame's outline, the system's text colour
constexpr ControlFont kButtonFont{"MS Sans Serif", 8.25, true};

int16_t Field(std::optional<double> value) {
    if (!value) return 0;
    return ToInt16HalfEven(*value).value_or(0);
}

}  // namespace

FormSpec Form6Layout() {
    FormSpec spec =
        FormLayout("Form6", kHistoryCaption, kHistoryClientWidth, kHistoryClientHeight,
                   FormFrame::kSizable, {"MS Sans Serif", 8.25, false}, kHistoryBackground);
    const ControlFont view_font{"Verdana", kHistoryViewPoints, false};
    // Twips at 15 to the pixel: 120, 120, 8895 x 6615 is 8, 8, 593 x 441.
    spec.controls = {
        Host("RichTextBox1", {8, 8, 593, 441}).Font(view_font).Id(kIdHistoryRichTextBox1),
        PictureButton("Command1", kHistoryLoadCaption, {8, 456, 593, 25})
            .Back(kWhite)
            .Font(kButtonFont)
            .Id(kIdHistoryCommand1),
        Frame("Shape1", {8, 488, 593, 33}).Fore(kWindowText),
        Label("Label1", kHistoryNote, {16, 496, 593, 25})
            .Flags(kCentred)
            .Colours(kWhite, kTransparent),
        PictureButton("Command2", kHistorySaveCaption, {8, 528, 593, 25})
            .Back(kWhite)
            .Font(kButtonFont)
            .Id(kIdHistoryCommand2),
        TextBox("Text1", "", {336, 152, 209, 225})
            .Flags(kHidden | kMultiLine | kNoTabStop)
            .Id(kIdHistoryText1),
    };
    return spec;
}

ControlLayout RecordControlLayout(const LayoutPlace& place, std::optional<double> font_size,
                                  double scale_height, double scale_width) {
    ControlLayout record;
    record.Top = Field(place.top);
    record.Left = Field(place.left);
    record.Width = Field(place.width);
    record.Height = Field(place.height);
    record.ParentScaleHeight = Field(scale_height);
    record.ParentScaleWidth = Field(scale_width);
    record.FontSize = Field(font_size);
    return record;
}

LayoutPlace ScaleControlLayout(const ControlLayout& record, const LayoutPlace& has,
                               double current_height, double current_width) {
    LayoutPlace place;
    // A recorded inner size of 0 gives no ratio: the division fails and the assignments that
    // need it are skipped.
    const bool tall = record.ParentScaleHeight != 0;
    const bool wide = record.ParentScaleWidth != 0;
    const double down = tall ? current_height / record.ParentScaleHeight : 0;
    const double across = wide ? current_width / record.ParentScaleWidth : 0;
    if (has.top && tall) place.top = down * record.Top;
    if (has.left && wide) place.left = across * record.Left;
    if (has.width && wide) place.width = across * record.Width;
    if (has.height && tall) place.height = down * record.Height;
    return place;
}

}  // namespace qv
