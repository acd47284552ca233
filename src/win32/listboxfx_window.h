// The window that hosts a ListBoxFX: a child window whose client area is the drawing surface,
// with the control's vertical SCROLLBAR as its own child. It forwards paint, size, show, mouse,
// key and scroll messages to the portable control and shows what the control says about its
// scroll bar, border, pointer and tool tip. The window owns the control and frees it when it
// is destroyed.
#pragma once

#include <windows.h>

#include <memory>

#include "listcontrol/listboxfx.h"
#include "listcontrol/property_bag.h"
#include "win32/listboxfx_canvas.h"

namespace qv {

class ListBoxFXWindow {
  public:
    // Creates the control on a parent: from stored settings when a bag is given (the read
    // handler), else as a new control (the init handler); then shows it when visible is set.
    // Returns null when the window cannot be made.
    static ListBoxFXWindow* Create(HWND parent, int control_id, int x, int y, int width, int height,
                                   bool visible, const PropertyBag* stored);
    static ListBoxFXWindow* FromHandle(HWND window);

    ListBoxFX& Control() { return *control_; }
    GdiListCanvas& Canvas() { return *canvas_; }
    HWND Handle() const { return hwnd_; }
    HWND ScrollBar() const { return vbar_; }

  private:
    explicit ListBoxFXWindow(HWND hwnd);
    static LRESULT CALLBACK WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp);
    void OnPaint();
    void OnSize(int width, int height);
    void OnScroll(int code);
    void OnButton(UINT msg, LPARAM lp);
    bool OnSetCursor();
    void ApplyFrame();
    void ApplyFrameOnce();
    void ApplyHint();

    HWND hwnd_;
    HWND vbar_ = nullptr;
    RECT bar_place_{0, 0, 0, 0};  // where ApplyFrame put the scroll bar, in client pixels
    HWND tooltip_ = nullptr;
    std::unique_ptr<GdiListCanvas> canvas_;
    std::unique_ptr<ListBoxFX> control_;
    std::string shown_hint_;
    bool applying_frame_ = false;
    bool frame_pending_ = false;
};

}  // namespace qv
