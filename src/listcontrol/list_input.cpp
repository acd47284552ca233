// The input handlers of ListBoxFX: mouse and keys on the surface, the scroll bar, and the
// control's paint, resize and show. Events are raised synchronously; a handler that gets its
// arguments by reference may change them, and the control goes on with what it left.
#include <cmath>

#include "listcontrol/listboxfx.h"

namespace qv {

void ListBoxFX::ButtonDown(int16_t button, int16_t shift, float x, float y) {
    if (!settings_.Enabled) return;
    if (button == kButtonLeft) left_pressed_ = true;
    SurfaceMouseDown(button, shift, x, y);
}

void ListBoxFX::ButtonUp(int16_t button, int16_t shift, float x, float y) {
    if (!settings_.Enabled) return;
    // A left press released over the surface is a click; the release that ends a double
    // click is not (its press made the double click instead).
    const bool click = button == kButtonLeft && left_pressed_ && x >= 0 && y >= 0 &&
                       x < surface_width_ && y < surface_height_;
    if (button == kButtonLeft) left_pressed_ = false;
    SurfaceMouseUp(button, shift, x, y);
    if (click) SurfaceClick();
}

void ListBoxFX::ButtonDoubleClick(int16_t button, int16_t shift, float x, float y) {
    if (!settings_.Enabled) return;
    if (button != kButtonLeft) {
        ButtonDown(button, shift, x, y);
        return;
    }
    left_pressed_ = false;
    SurfaceDblClick();
}

void ListBoxFX::SurfaceMouseDown(int16_t button, int16_t shift, float x, float y) {
    if (events_) events_->MouseDown(button, shift, x, y);
    if (button != kButtonLeft) return;
    if (item_height_ > 0) {
        const int32_t slot =
            static_cast<int32_t>(std::nearbyint(y)) / item_height_ + vbar_.value + 1;
        // A press below the last row keeps the selection.
        if (slot >= 1 && slot <= model_.ListCount()) model_.SetSelectedSlot(slot);
    }
    RedrawList();
}

void ListBoxFX::SurfaceMouseMove(int16_t button, int16_t shift, float x, float y) {
    if (!settings_.Enabled) return;
    if (events_) events_->MouseMove(button, shift, x, y);
}

void ListBoxFX::SurfaceMouseUp(int16_t button, int16_t shift, float x, float y) {
    if (events_) events_->MouseUp(button, shift, x, y);
}

void ListBoxFX::SurfaceClick() {
    if (events_) events_->Click();
    RaiseChange();
}

void ListBoxFX::SurfaceDblClick() {
    if (events_) events_->dblClick();
    RaiseChange();
}

void ListBoxFX::SurfaceKeyDown(int16_t KeyCode, int16_t Shift) {
    if (!settings_.Enabled) return;
    if (events_) events_->KeyDown(KeyCode, Shift);
    if (KeyCode == kKeyRight) KeyCode = kKeyDown;
    if (KeyCode == kKeyLeft) KeyCode = kKeyUp;
    switch (KeyCode) {
        case kKeyHome:
            SetListIndex(0);
            SetScrollValue(0);
            break;
        case kKeyEnd:
            if (model_.ListCount() == 0) break;
            SetListIndex(model_.ListCount() - 1);
            SetScrollValue(vbar_.max);
            break;
        case kKeyUp:
            if (model_.SelectedSlot() <= 1) break;
            SetListIndex(ListIndex() - 1);
            if (vbar_.value > 0 && !IsItemVisible(ListIndex())) SetScrollValue(vbar_.value - 1);
            RaiseChange();
            break;
        case kKeyDown:
            if (model_.SelectedSlot() >= model_.ListCount()) break;
            SetListIndex(ListIndex() + 1);
            if (vbar_.value < vbar_.max && !IsItemVisible(ListIndex())) {
                SetScrollValue(vbar_.value + 1);
            }
            RaiseChange();
            break;
        default:
            break;
    }
}

void ListBoxFX::SurfaceKeyPress(int16_t KeyAscii) {
    if (!settings_.Enabled) return;
    if (events_) events_->KeyPress(KeyAscii);
}

void ListBoxFX::SurfaceKeyUp(int16_t KeyCode, int16_t Shift) {
    if (!settings_.Enabled) return;
    if (events_) events_->KeyUp(KeyCode, Shift);
}

bool ListBoxFX::IsItemVisible(int32_t index) const {
    if (item_height_ <= 0) return false;
    const int32_t rows_that_fit = surface_height_ / item_height_;
    // The top row on the surface does not count as visible, so moving onto it scrolls.
    return vbar_.value < index && index < vbar_.value + rows_that_fit;
}

void ListBoxFX::SetScrollValue(int32_t value) {
    if (value == vbar_.value) return;
    vbar_.value = value;
    FrameChanged();
    RedrawList();
}

void ListBoxFX::ScrollBarChange(int32_t value) {
    vbar_.value = value < 0 ? 0 : (value > vbar_.max ? vbar_.max : value);
    RedrawList();
}

void ListBoxFX::ScrollBarScroll(int32_t value) { ScrollBarChange(value); }

void ListBoxFX::Resize(int32_t width, int32_t height, int32_t scroll_bar_width) {
    surface_width_ = width;
    surface_height_ = height;
    vbar_.width = scroll_bar_width;
    LayoutControls();
}

void ListBoxFX::Show() {
    const int32_t text_height = canvas_.TextHeight("A");
    if (settings_.ShowIcons) {
        if (text_height > settings_.ImageHeight) {
            settings_.ImageHeight = static_cast<int16_t>(text_height);
        }
        item_height_ = settings_.ImageHeight;
    } else {
        item_height_ = static_cast<int16_t>(text_height);
    }
    SortItems(settings_.Sorted);
}

}  // namespace qv
