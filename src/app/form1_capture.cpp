// The main window's side of the handle capture: the INSERT hot key polled by
// Timer5, which loads the capture window on first use and starts its chain.
#include "app/form1.h"

#include "gamelink/key_state.h"

namespace qv {

void Form1::WireCapture() { Timer5.SetHandler([this] { Timer5_Timer(); }); }

Form2& Form1::LoadForm2() {
    if (!capture_) {
        capture_ = std::make_unique<Form2>(
            platform, boxes, [this] { pump.Kaunta_Change(); },
            [this](FormState& state) -> std::unique_ptr<CaptureScreen> {
                return open_capture_screen ? open_capture_screen(state) : nullptr;
            });
    }
    if (!capture_->Loaded()) capture_->Form_Load();
    return *capture_;
}

void Form1::Timer5_Timer() {
    if (!KeyPressed(platform.keyboard, kVkInsert)) return;
    // The first use of the capture window loads it.
    Form2& capture = LoadForm2();
    capture.Timer9.SetEnabled(true);
    capture.Timer1.SetEnabled(true);
    pump.Timer2.SetEnabled(true);
}

}  // namespace qv
