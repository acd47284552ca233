// How ListBoxFX lays out its parts and draws its rows. Every drawing step stands alone: a step
// that cannot run (no picture, no row in the slot, no row height yet) is left out and the
// rest of the drawing goes on.
#include "listcontrol/list_color.h"
#include "listcontrol/listboxfx.h"

namespace qv {

namespace {

constexpr int32_t kMaxScrollRange = 32767;
// The icon sits this many pixels above the middle of its row.
constexpr int32_t kIconCentreOffset = 7;
constexpr uint32_t kGridLineColor = kColorButtonFace;

}  // namespace

uint32_t ListBoxFX::TranslateColor(uint32_t color) const {
    return qv::TranslateColor(canvas_, color);
}

void ListBoxFX::LayoutControls() {
    vbar_.bounds = {surface_width_ - vbar_.width, 0, surface_width_, surface_height_};
    // Room for the scroll bar is kept even while it is hidden.
    list_width_ = static_cast<int16_t>(surface_width_ - vbar_.width);
    FrameChanged();
}

void ListBoxFX::RedrawList() {
    canvas_.Clear(TranslateColor(settings_.BackColor));
    if (item_height_ > 0) visible_rows_ = surface_height_ / item_height_;
    const int32_t first = vbar_.value + 1;
    if (settings_.BackGroundStyle == 1 && settings_.BackImage) DrawBackImage();
    if (settings_.BackGroundStyle == 2) {
        DrawGradient({0, 0, list_width_, surface_height_}, settings_.gStartColor,
                     settings_.gEndColor, static_cast<uint32_t>(settings_.gDirection));
    }
    // The top row and the rows below it, three more than fit; the surface clips the rest.
    for (int32_t s = first - 1; s < model_.ListCount();) {
        ++s;
        DrawItem(s);
        if (s >= first + visible_rows_ + 2) break;
    }
    if (settings_.GridLines) DrawGridLines();
}

void ListBoxFX::DrawItem(int32_t slot) {
    const int32_t count = model_.ListCount();
    SetScrollMax(count <= visible_rows_ ? 0 : count - visible_rows_);
    const int32_t top = (slot - vbar_.value - 1) * item_height_;
    if (slot != model_.SelectedSlot()) {
        fore_color_ = settings_.TextColor;
    } else {
        fore_color_ = settings_.TextSelectColor;
        if (settings_.ShowSelection) DrawSelectionBar(top, settings_.SelectionClolor);
    }
    const int32_t text_x = settings_.ShowIcons ? settings_.ImageWidth + 2 : 2;
    const ItemEntry* entry = model_.Slot(slot);
    if (entry == nullptr) return;
    if (settings_.ShowIcons && settings_.IconStrip) {
        // The strip's pitch is ImageHeight per icon number, whatever ImageWidth is.
        const int32_t height = settings_.ImageHeight;
        canvas_.TransparentCopy(settings_.IconStrip, 0, top + height / 2 - kIconCentreOffset,
                                settings_.ImageWidth, height, entry->icon * height, 0,
                                settings_.IconMaskColor);
    }
    current_x_ = text_x;
    DrawItemText(top, entry->text);
}

void ListBoxFX::DrawSelectionBar(int32_t top, uint32_t color) {
    int32_t right = list_width_;
    if (!settings_.FullRowSelect) {
        right = canvas_.TextWidth(" ") + canvas_.TextWidth(model_.ItemSelectedText()) +
                (settings_.ShowIcons ? settings_.ImageWidth : 0) + 1;
    }
    canvas_.FillRect({0, top + 1, right, top + item_height_ + 1}, TranslateColor(color));
}

void ListBoxFX::DrawItemText(int32_t top, const std::string& text) {
    const ListRect rect{current_x_, top, list_width_, top + item_height_};
    // One leading blank keeps the text off the icon or the left edge.
    canvas_.DrawText(rect, " " + text,
                     static_cast<uint32_t>(settings_.TextAlignment) | kDtSingleLine | kDtVCenter,
                     TranslateColor(fore_color_));
}

void ListBoxFX::DrawBackImage() {
    const Picture& picture = settings_.BackImage;
    const int32_t pw = picture->width;
    const int32_t ph = picture->height;
    const int32_t right_x = list_width_ - pw;
    const int32_t bottom_y = surface_height_ - ph;
    switch (settings_.BackGroundAlignment) {
        case 0:
            canvas_.CopyPicture(picture, 0, 0, pw, ph);
            break;
        case 1:
            canvas_.CopyPicture(picture, right_x, 0, pw, ph);
            break;
        case 2:
            canvas_.CopyPicture(picture, right_x / 2, surface_height_ / 2 - ph / 2, pw, ph);
            break;
        case 3:
            canvas_.TilePicture(picture, {0, 0, list_width_, surface_height_});
            break;
        case 4:
            canvas_.CopyPicture(picture, 0, bottom_y, pw, ph);
            break;
        case 5:
            canvas_.CopyPicture(picture, right_x, bottom_y, pw, ph);
            break;
        default:
            break;
    }
}

void ListBoxFX::DrawGradient(const ListRect& rect, uint32_t start_color, uint32_t end_color,
                             uint32_t direction) {
    GradientVertex upper_left{rect.left, rect.top};
    ColorToVertex(upper_left, TranslateColor(start_color));
    GradientVertex lower_right{rect.right, rect.bottom};
    ColorToVertex(lower_right, TranslateColor(end_color));
    canvas_.GradientFill(upper_left, lower_right, direction);
}

void ListBoxFX::DrawGridLines() {
    // One line at the top of every row position; lines below the surface would not show.
    const int32_t step = item_height_ > 0 ? item_height_ : surface_height_ + 1;
    for (int32_t y = 0; y <= surface_height_; y += step) {
        DrawLine(0, y, list_width_, y, 1, kGridLineColor);
    }
}

void ListBoxFX::DrawLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2, int32_t width,
                         uint32_t color) {
    canvas_.DrawLine(x1, y1, x2, y2, width, TranslateColor(color));
}

void ListBoxFX::SetScrollMax(int32_t max) {
    if (max > kMaxScrollRange || max == vbar_.max) return;
    vbar_.max = max;
    FrameChanged();
    // A range that no longer reaches the scrolled position moves the bar, which redraws.
    if (vbar_.value > max) SetScrollValue(max);
}

}  // namespace qv
