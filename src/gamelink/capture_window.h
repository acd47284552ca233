// The handle capture window Form2: binds five of the game's chat-screen controls by position.
// Its steps move the cursor onto five spots of a 640 x 480 game screen at the screen's
// top-left corner, take the window under each spot (the probe writes it into Label5 every
// millisecond) into a handle box, then put the cursor back, reset the chat mirror and unload
// the window. The main window's Timer5 starts it on INSERT; that timer is off at start.
#pragma once

#include <array>
#include <functional>
#include <memory>

#include "core/form_state.h"
#include "core/timer.h"
#include "gamelink/game_control_map.h"
#include "platform/platform.h"

namespace qv {

constexpr const char* kCaptureCaption = "Get Handle Window";
// 10050 x 7380 twips.
constexpr int kCaptureClientWidth = 670;
constexpr int kCaptureClientHeight = 492;
constexpr int kCaptureProbeMs = 1;     // Timer5
constexpr int kCaptureRecorderMs = 1;  // Timer9
constexpr int kCaptureStepMs = 190;    // Timer1 ... Timer85
constexpr int kCaptureTimer6Ms = 150;
constexpr int kCaptureTimer8Ms = 50;
constexpr int kCaptureTotalMs = 9 * kCaptureStepMs + kCaptureTimer6Ms + kCaptureTimer8Ms;  // 1910
constexpr int32_t kVkInsert = 45;  // the capture's hot key
constexpr int kCaptureTriggerMs = 5;  // the main window's Timer5

// A marker label: its rectangle in twips (the design) and the pixel spot of a 640 x 480 game
// screen that its centre marks, with the control of the game there and the box it fills.
// The spot is the centre at 15 twips to the pixel; the capture uses the pixel spot itself,
// since at any other display resolution the twips would land elsewhere on the game.
struct CaptureMarker {
    const char* name;
    int left, top, width, height;  // twips
    CursorPoint spot;              // pixels
    TextField HandleBoxes::*box;
};

extern const std::array<CaptureMarker, 5> kCaptureMarkers;

FormSpec Form2Layout();

// The screen side of a loaded Form2: a hidden window at the screen's top-left corner.
class CaptureScreen {
  public:
    virtual ~CaptureScreen() = default;
    virtual WindowHandle Handle() const = 0;
};

class Form2 {
  public:
    using ScreenMaker = std::function<std::unique_ptr<CaptureScreen>(FormState&)>;

    // `mirror_reset` is the main window's Kaunta_Change; `open_screen` makes the window when
    // the form loads (without one the form has no window and client points are screen
    // points).
    Form2(Platform& platform, HandleBoxes& boxes, std::function<void()> mirror_reset,
          ScreenMaker open_screen = {});
    ~Form2();
    Form2(const Form2&) = delete;
    Form2& operator=(const Form2&) = delete;

    bool Loaded() const { return loaded_; }
    // Form_Load: the window is made hidden (it is never shown), the probe and the recorder run.
    void Form_Load();
    // Unloads the window: every timer of it stops, the window goes.
    void Unload();
    WindowHandle hWnd() const { return screen_ ? screen_->Handle() : 0; }

    void Timer5_Timer();  // the probe
    void Timer9_Timer();  // the recorder
    // The eleven steps.
    void Timer1_Timer();
    void Timer15_Timer();
    void Timer2_Timer();
    void Timer25_Timer();
    void Timer3_Timer();
    void Timer45_Timer();
    void Timer4_Timer();
    void Timer6_Timer();
    void Timer75_Timer();
    void Timer85_Timer();
    void Timer8_Timer();

    void MoveCursorToClientPoint(int32_t& x, int32_t& y);

    FormState form;
    CursorPoint SavedCursorPos;
    Timer Timer5, Timer9;
    Timer Timer1, Timer15, Timer2, Timer25, Timer3, Timer45, Timer4, Timer6, Timer75, Timer85,
        Timer8;

  private:
    void CursorToMarker(size_t marker);
    void CopyProbe(size_t marker);
    bool AnyStepArmed() const;

    Platform& platform_;
    HandleBoxes& boxes_;
    std::function<void()> mirror_reset_;
    ScreenMaker open_screen_;
    std::unique_ptr<CaptureScreen> screen_;
    bool loaded_ = false;
};

}  // namespace qv
