#include "gamelink/capture_window.h"

#include "core/number_text.h"
#include "gamelink/twips.h"

namespace qv {

const std::array<CaptureMarker, 5> kCaptureMarkers = {{
    {"Label1", 2160, 6600, 615, 255, {165, 449}, &HandleBoxes::text},       // chat input box
    {"Label2", 3120, 4800, 615, 255, {229, 329}, &HandleBoxes::list},       // chat list box
    {"Label3", 7080, 6720, 495, 255, {489, 457}, &HandleBoxes::button},     // Send button
    {"Label4", 7800, 4320, 735, 255, {545, 297}, &HandleBoxes::channel},    // channel user list
    {"Label6", 7320, 2280, 1215, 255, {529, 161}, &HandleBoxes::channeln},  // channel name
}};

FormSpec Form2Layout() {
    FormSpec spec = FormLayout("Form2", kCaptureCaption, kCaptureClientWidth, kCaptureClientHeight,
                               FormFrame::kBorderless);
    // The markers at their twip rectangles, 15 twips to the pixel; their captions are not used.
    static const char* const kCaptions[] = {"input", "chat", "Send", "users", "channel"};
    for (size_t i = 0; i < kCaptureMarkers.size(); ++i) {
        const CaptureMarker& m = kCaptureMarkers[i];
        spec.controls.push_back(Label(m.name, kCaptions[i],
                                      {m.left / kTwipsPerPixel, m.top / kTwipsPerPixel,
                                       m.width / kTwipsPerPixel, m.height / kTwipsPerPixel}));
    }
    // The probe's output: the handle under the cursor.
    spec.controls.push_back(Label("Label5", "0", {8, 8, 120, 17}));
    return spec;
}

Form2::Form2(Platform& platform, HandleBoxes& boxes, std::function<void()> mirror_reset,
             ScreenMaker open_screen)
    : form(Form2Layout()),
      Timer5(platform.timers, "Timer5", kCaptureProbeMs),
      Timer9(platform.timers, "Timer9", kCaptureRecorderMs),
      Timer1(platform.timers, "Timer1", kCaptureStepMs, true),
      Timer15(platform.timers, "Timer15", kCaptureStepMs, true),
      Timer2(platform.timers, "Timer2", kCaptureStepMs, true),
      Timer25(platform.timers, "Timer25", kCaptureStepMs, true),
      Timer3(platform.timers, "Timer3", kCaptureStepMs, true),
      Timer45(platform.timers, "Timer45", kCaptureStepMs, true),
      Timer4(platform.timers, "Timer4", kCaptureStepMs, true),
      Timer6(platform.timers, "Timer6", kCaptureTimer6Ms, true),
      Timer75(platform.timers, "Timer75", kCaptureStepMs, true),
      Timer85(platform.timers, "Timer85", kCaptureStepMs, true),
      Timer8(platform.timers, "Timer8", kCaptureTimer8Ms, true),
      platform_(platform),
      boxes_(boxes),
      mirror_reset_(std::move(mirror_reset)),
      open_screen_(std::move(open_screen)) {
    Timer5.SetHandler([this] { Timer5_Timer(); });
    Timer9.SetHandler([this] { Timer9_Timer(); });
    Timer1.SetHandler([this] { Timer1_Timer(); });
    Timer15.SetHandler([this] { Timer15_Timer(); });
    Timer2.SetHandler([this] { Timer2_Timer(); });
    Timer25.SetHandler([this] { Timer25_Timer(); });
    Timer3.SetHandler([this] { Timer3_Timer(); });
    Timer45.SetHandler([this] { Timer45_Timer(); });
    Timer4.SetHandler([this] { Timer4_Timer(); });
    Timer6.SetHandler([this] { Timer6_Timer(); });
    Timer75.SetHandler([this] { Timer75_Timer(); });
    Timer85.SetHandler([this] { Timer85_Timer(); });
    Timer8.SetHandler([this] { Timer8_Timer(); });
}

Form2::~Form2() { Unload(); }

void Form2::Form_Load() {
    if (loaded_) return;
    loaded_ = true;
    if (open_screen_) screen_ = open_screen_(form);
    // The probe runs from load; the window is never shown.
    Timer5.SetEnabled(true);
    form.Hide();
    Timer9.SetEnabled(true);
}

void Form2::Unload() {
    for (Timer* timer : {&Timer5, &Timer9, &Timer1, &Timer15, &Timer2, &Timer25, &Timer3, &Timer45,
                         &Timer4, &Timer6, &Timer75, &Timer85, &Timer8}) {
        timer->SetEnabled(false);
    }
    screen_.reset();
    loaded_ = false;
}

void Form2::Timer5_Timer() {
    CursorPoint at;
    platform_.cursor.GetCursorPos(&at);
    form["Label5"].SetText(DecimalText(platform_.points.WindowFromPoint(at)));
}

// A position that cannot be read leaves the one recorded before.
void Form2::Timer9_Timer() { platform_.cursor.GetCursorPos(&SavedCursorPos); }

void Form2::MoveCursorToClientPoint(int32_t& x, int32_t& y) {
    const CursorPoint screen = platform_.points.ClientToScreen(hWnd(), {x, y});
    platform_.cursor.SetCursorPos(screen.x, screen.y);
}

void Form2::CursorToMarker(size_t marker) {
    // The pixel spot of the game screen whatever the display's resolution: the markers' twip
    // centres converted at the display's twips per pixel land elsewhere off 96 dots per inch.
    int32_t x = kCaptureMarkers[marker].spot.x;
    int32_t y = kCaptureMarkers[marker].spot.y;
    MoveCursorToClientPoint(x, y);
}

void Form2::CopyProbe(size_t marker) {
    // A new `text` or `list` runs its change handler of the chat mirror inside the write.
    (boxes_.*kCaptureMarkers[marker].box).Set(form["Label5"].Text());
}

void Form2::Timer1_Timer() {
    Timer9.SetEnabled(false);
    CursorToMarker(0);
    Timer15.SetEnabled(true);
}

void Form2::Timer15_Timer() {
    CopyProbe(0);
    Timer2.SetEnabled(true);
}

void Form2::Timer2_Timer() {
    CursorToMarker(1);
    Timer25.SetEnabled(true);
}

void Form2::Timer25_Timer() {
    CopyProbe(1);
    Timer3.SetEnabled(true);
}

void Form2::Timer3_Timer() {
    CursorToMarker(2);
    Timer45.SetEnabled(true);
}

void Form2::Timer45_Timer() {
    CopyProbe(2);
    Timer4.SetEnabled(true);
}

void Form2::Timer4_Timer() {
    CursorToMarker(3);
    Timer6.SetEnabled(true);
}

void Form2::Timer6_Timer() {
    CopyProbe(3);
    Timer75.SetEnabled(true);
}

void Form2::Timer75_Timer() {
    CursorToMarker(4);
    Timer85.SetEnabled(true);
}

void Form2::Timer85_Timer() {
    CopyProbe(4);
    Timer8.SetEnabled(true);
}

bool Form2::AnyStepArmed() const {
    for (const Timer* timer : {&Timer1, &Timer15, &Timer2, &Timer25, &Timer3, &Timer45, &Timer4,
                               &Timer6, &Timer75, &Timer85, &Timer8}) {
        if (timer->Enabled()) return true;
    }
    return false;
}

void Form2::Timer8_Timer() {
    platform_.cursor.SetCursorPos(SavedCursorPos.x, SavedCursorPos.y);
    if (mirror_reset_) mirror_reset_();
    Timer8.SetEnabled(false);
    // A second chain started during this one (INSERT again after its step 1) still has a
    // step armed: the window stays loaded for it, and its own end unloads it.
    if (!AnyStepArmed()) Unload();
}

}  // namespace qv
