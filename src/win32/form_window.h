// Any window of fixed controls on screen, built from its table (core/form_table.h) and kept in
// step with its state (core/form_state.h): the state says what to show, the window shows it
// and hands the player's clicks, typing and presses back to the state. Labels, frames, lines
// and pictures are painted by the window itself on its background, so they need no window
// of their own and are transparent where the table says so.
#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "core/form_state.h"
#include "win32/screen_colour.h"

namespace qv {

class FormWindow {
  public:
    // Turns a picture number of the state into a bitmap (owned by the source, not the window).
    using PictureSource = std::function<HBITMAP(int picture)>;
    // Sees a message first; returns true with *result when it handled it.
    using MessageHook = std::function<bool(UINT msg, WPARAM wp, LPARAM lp, LRESULT* result)>;
    // Sees a control's message first (wp may be changed); true with *result when handled.
    using ControlHook = std::function<bool(UINT msg, WPARAM& wp, LPARAM lp, LRESULT* result)>;

    explicit FormWindow(FormState& state, PictureSource pictures = {});
    ~FormWindow();
    FormWindow(const FormWindow&) = delete;
    FormWindow& operator=(const FormWindow&) = delete;

    // Creates the window and its controls, hidden, with its client area at the table's size.
    // x, y place the outer window on the screen (CW_USEDEFAULT: the system chooses). False,
    // with no window left, when the window or any of its controls cannot be made.
    bool Create(HWND owner = nullptr, int x = CW_USEDEFAULT, int y = CW_USEDEFAULT,
                HMENU menu = nullptr);
    HWND Handle() const { return hwnd_; }
    // The window of a control that has one; null for painted controls and unknown names.
    HWND Control(std::string_view name) const;
    // Where a control stands, in client pixels (for controls the window's code makes itself).
    RECT Place(std::string_view name) const;
    HFONT Font() const { return default_font_; }

    void SetMessageHook(MessageHook hook) { message_hook_ = std::move(hook); }
    void SetControlHook(std::string_view name, ControlHook hook);

    // Moves the window's top-left corner on the screen.
    void MoveTo(int x, int y);

  private:
    struct Entry {
        FormControl* control = nullptr;
        HWND hwnd = nullptr;
        int id = 0;
        HFONT font = nullptr;
        ControlHook hook;
        // True while the window and the state bring this control into step, so the change
        // that one makes is not handed back to the other. Kept per control: what a handler
        // writes into another control during a change still reaches the screen.
        bool syncing = false;
    };

    static LRESULT CALLBACK WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    static LRESULT CALLBACK ChildProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id,
                                      DWORD_PTR data);
    LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp);
    // False when the control that the table asks for could not be made.
    bool CreateControl(Entry& entry);
    void Mirror(Entry& entry, ControlProperty property);
    void MirrorForm(FormProperty property);
    void OnCommand(HWND from, int code);
    void OnPaint();
    void PaintControl(HDC dc, const FormControl& control);
    void OnDrawItem(const DRAWITEMSTRUCT& item);
    LRESULT OnControlColour(HDC dc, HWND control);
    // Paints the window's background (picture or colour) behind a control into its own DC.
    void PaintBackgroundBehind(HDC dc, const FormControl& control);
    // A brush of the background picture (null without one), remade when the picture changes.
    HBRUSH BackgroundBrush();
    void OnSurfaceMouseDown(int button, int x, int y);
    void InvalidateControl(const FormControl& control);
    Entry* FindEntry(std::string_view name);
    const Entry* FindEntry(std::string_view name) const;
    Entry* EntryOf(HWND control);
    HFONT FontFor(const ControlFont& font);
    HBRUSH BrushFor(COLORREF colour);
    HBITMAP PictureOf(int picture) const;

    FormState& state_;
    PictureSource pictures_;
    HWND hwnd_ = nullptr;
    std::vector<Entry> entries_;
    MessageHook message_hook_;
    HFONT default_font_ = nullptr;
    std::map<std::string, HFONT> fonts_;
    std::map<COLORREF, HBRUSH> brushes_;
    HBRUSH background_brush_ = nullptr;
    int background_brush_picture_ = 0;
};

// A control's place as a Win32 rectangle.
inline RECT ToRect(const ControlRect& r) {
    return {r.left, r.top, r.left + r.width, r.top + r.height};
}

}  // namespace qv
