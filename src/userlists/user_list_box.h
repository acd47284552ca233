// One of the two user lists of the main window (`ListBoxFX1`, `ListBoxFX2`): the list control
// and the place the views give it (Top, Height, Visible; Left 583 and Width 169 never change).
// The main window attaches the control it shows and mirrors the place on screen; until then,
// and in the tests, the list keeps a control of its own on a canvas that draws nothing.
#pragma once

#include <functional>
#include <memory>

#include "listcontrol/list_canvas.h"
#include "listcontrol/list_events.h"
#include "listcontrol/listboxfx.h"

namespace qv {

constexpr int kUserListLeft = 583;
constexpr int kUserListWidth = 169;
constexpr int kUserListTop = 54;
constexpr int kUserListHeight = 433;
// The width of the list's own scroll bar on a canvas of the tests.
constexpr int kUserListScrollBarWidth = 17;

class UserListBox {
  public:
    explicit UserListBox(bool visible);
    UserListBox(const UserListBox&) = delete;
    UserListBox& operator=(const UserListBox&) = delete;

    ListBoxFX& Control() { return *control_; }
    const ListBoxFX& Control() const { return *control_; }
    // The control shown on screen takes the place of the list's own one from now on.
    void Attach(ListBoxFX& shown);

    int Top() const { return top_; }
    int Height() const { return height_; }
    bool Visible() const { return visible_; }
    void SetTop(int top);
    void SetHeight(int height);
    // A list that becomes visible runs the control's own steps for showing (row height,
    // sorting by its Sorted setting).
    void SetVisible(bool visible);

    // The host's handlers of the list's events (the control raises them; the list forwards).
    void OnMouseUp(std::function<void(int16_t button)> handler) {
        events_.mouse_up = std::move(handler);
    }
    void OnDblClick(std::function<void()> handler) { events_.dbl_click = std::move(handler); }

    // The screen's side: told after each change of the place.
    void OnPlaceChange(std::function<void()> listener) { place_listener_ = std::move(listener); }
    // The screen's side: holds the painting of the list while it is rebuilt (true), and
    // paints what was drawn once the rebuild is done (false).
    void OnHoldPainting(std::function<void(bool hold)> hold) { hold_ = std::move(hold); }

    // Told after each rebuild (its rows may have changed).
    void OnRebuilt(std::function<void()> listener) { rebuilt_ = std::move(listener); }

    // Holds the painting for as long as it lives: a rebuild of N rows then paints once.
    class Rebuild {
      public:
        explicit Rebuild(UserListBox& list) : list_(list) {
            if (list_.hold_) list_.hold_(true);
        }
        ~Rebuild() {
            if (list_.hold_) list_.hold_(false);
            if (list_.rebuilt_) list_.rebuilt_();
        }
        Rebuild(const Rebuild&) = delete;
        Rebuild& operator=(const Rebuild&) = delete;

      private:
        UserListBox& list_;
    };

  private:
    class Events : public ListBoxFXEvents {
      public:
        void dblClick() override {
            if (dbl_click) dbl_click();
        }
        void MouseUp(int16_t& button, int16_t&, float&, float&) override {
            if (mouse_up) mouse_up(button);
        }
        std::function<void(int16_t)> mouse_up;
        std::function<void()> dbl_click;
    };

    void PlaceChanged();

    Events events_;

    std::unique_ptr<ListCanvas> own_canvas_;
    std::unique_ptr<ListBoxFX> own_control_;
    ListBoxFX* control_;
    bool attached_ = false;
    int top_ = kUserListTop;
    int height_ = kUserListHeight;
    bool visible_;
    std::function<void()> place_listener_;
    std::function<void(bool)> hold_;
    std::function<void()> rebuilt_;
};

}  // namespace qv
