#include "chat/history_window.h"

#include "chat/colour_renderer.h"
#include "chat/history_text.h"
#include "gamelink/list_read.h"
#include "gamelink/twips.h"

namespace qv {
namespace {

// Where Timer1 sits on the design surface: a timer has a place, but no size or font.
constexpr double kTimer1Left = 8520;
constexpr double kTimer1Top = 120;

bool HasFont(ControlKind kind) { return kind != ControlKind::kFrame; }

// Every control of the table has a place and a size (only the timer has no size).
LayoutPlace PlaceOf(const FormControl& control) {
    const ControlRect r = control.Bounds();
    LayoutPlace place;
    place.top = r.top * kTwipsPerPixel;
    place.left = r.left * kTwipsPerPixel;
    place.width = r.width * kTwipsPerPixel;
    place.height = r.height * kTwipsPerPixel;
    return place;
}

}  // namespace

Form6::Form6(Platform& platform, const HandleBoxes& boxes, FormState& form_state, HistoryView& view)
    : form(form_state),
      RichTextBox1(view),
      Timer1(platform.timers, "Timer1", kHistoryShowDelayMs, true),
      platform_(platform),
      boxes_(boxes) {
    Timer1.SetHandler([this] { Timer1_Timer(); });
    form["Command1"].OnClick([this] { Command1_Click(); });
    form["Command2"].OnClick([this] { Command2_Click(); });
    form["Text1"].OnChange([this] { Text1_Change(); });
    RichTextBox1.OnChange([this] { RichTextBox1_Change(); });
}

void Form6::Form_Load(int inner_width, int inner_height) {
    const double scale_height = static_cast<double>(inner_height) * kTwipsPerPixel;
    const double scale_width = static_cast<double>(inner_width) * kTwipsPerPixel;
    layout_.clear();
    for (const auto& control : form.Controls()) {
        const ControlSpec& spec = control->Spec();
        std::optional<double> font;
        if (HasFont(spec.kind)) {
            font = spec.font.face ? spec.font.points : form.Spec().font.points;
        }
        layout_.push_back(RecordControlLayout(PlaceOf(*control), font, scale_height, scale_width));
    }
    LayoutPlace timer;
    timer.top = kTimer1Top;
    timer.left = kTimer1Left;
    layout_.push_back(RecordControlLayout(timer, std::nullopt, scale_height, scale_width));
}

void Form6::Form_Resize(int inner_width, int inner_height) {
    const double current_height = RoundHalfEven(static_cast<double>(inner_height) * kTwipsPerPixel);
    const double current_width = RoundHalfEven(static_cast<double>(inner_width) * kTwipsPerPixel);
    auto& controls = form.Controls();
    // The timer's record, last, has a place but nothing on screen to move.
    for (size_t i = 0; i < layout_.size() && i < controls.size(); ++i) {
        FormControl& control = *controls[i];
        const LayoutPlace place =
            ScaleControlLayout(layout_[i], PlaceOf(control), current_height, current_width);
        ControlRect r = control.Bounds();
        if (place.top) r.top = TwipsToPixels(*place.top);
        if (place.left) r.left = TwipsToPixels(*place.left);
        if (place.width) r.width = TwipsToPixels(*place.width);
        if (place.height) r.height = TwipsToPixels(*place.height);
        control.SetBounds(r);
    }
}

void Form6::Form_Unload() { Timer1.SetEnabled(false); }

void Form6::Command1_Click() {
    // No yield from here to the end: nothing else of the program runs while the rows are read.
    FormControl& text1 = form["Text1"];
    text1.SetText("");
    WindowSystem& windows = platform_.windows;
    const int n = windows.ListGetCount(HandleOf(boxes_.list));
    if (n <= 0) return;
    // The rows are gathered first and converted once: the same text as converting after every
    // row, in time linear in the rows.
    std::vector<std::string> rows(static_cast<size_t>(n));
    int64_t last_answer = platform_.timers.Now();
    for (int i = 0; i < n; ++i) {
        // A row without an answer stays empty; a game silent for kHistorySilenceLimitMs is
        // asked no more, so a hung game cannot hold the window for long.
        if (platform_.timers.Now() - last_answer < kHistorySilenceLimitMs) {
            std::optional<std::string> row = ReadListBoxItem(windows, HandleOf(boxes_.list), i);
            if (row) {
                rows[static_cast<size_t>(i)] = std::move(*row);
                last_answer = platform_.timers.Now();
            }
        }
        // The display step is timed from the first row, where converting after every row
        // would first have switched Timer1 on.
        if (i == 0) Timer1.SetEnabled(true);
    }
    text1.SetText(HistoryText(rows));
}

void Form6::Text1_Change() {
    FormControl& text1 = form["Text1"];
    std::string text = text1.Text();
    // A conversion that changed the text runs this handler again on the new text, which
    // then finds nothing to replace.
    if (ConvertHistoryColourCodes(text)) text1.SetText(text);
    Timer1.SetEnabled(true);
}

void Form6::Timer1_Timer() {
    RichTextBox1.SetPlainText(form["Text1"].Text());
    Timer1.SetEnabled(false);
}

void Form6::RichTextBox1_Change() {
    // The chat renderer's passes on the view's own text: no marker, no change; else a space
    // appended, each tag's span coloured and the listed tag words removed. The view keeps the
    // result; nothing goes to the chat view and the pump is not touched.
    // It does not let pending events run first: a click on Load or Save queued meanwhile would
    // run inside it, and Save would write the history without its colours.
    std::optional<ColouredText> shown = ColourAndStripTags(RichTextBox1.Text(), kHistoryTextColour);
    if (shown) RichTextBox1.SetColouredText(*shown);
}

void Form6::Command2_Click() {
    FileSystem& files = platform_.files;
    std::string folder = files.CurrentFolder();
    // An unknown current folder leaves the bare name, which the system puts there.
    if (!folder.empty() && folder.back() != '/') folder += '/';
    const std::string path = folder + kHistoryFileName;
    std::string reason;
    if (files.ReplaceFile(path, RichTextBox1.RtfDocument() + "\r\n", &reason)) return;
    platform_.dialogs.ShowMessage(hWnd, kHistoryCaption,
                                  "The message history could not be saved to \"" +
                                      files.DisplayPath(path) + "\".\n\n" + reason);
}

}  // namespace qv
