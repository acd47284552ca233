#include "userlists/user_list_box.h"

namespace qv {
namespace {

// A surface that keeps nothing: the list works (rows, selection by position, events) with a
// row height of 16 pixels and 7 pixels a character.
class BlankCanvas : public ListCanvas {
  public:
    void SetFont(const FontSpec&) override {}
    void Clear(uint32_t) override {}
    void FillRect(const ListRect&, uint32_t) override {}
    void DrawLine(int32_t, int32_t, int32_t, int32_t, int32_t, uint32_t) override {}
    void DrawText(const ListRect&, const std::string&, uint32_t, uint32_t) override {}
    int32_t TextWidth(const std::string& text) override {
        return static_cast<int32_t>(text.size()) * 7;
    }
    int32_t TextHeight(const std::string&) override { return 16; }
    void TransparentCopy(const Picture&, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t,
                         uint32_t) override {}
    void CopyPicture(const Picture&, int32_t, int32_t, int32_t, int32_t) override {}
    void TilePicture(const Picture&, const ListRect&) override {}
    void GradientFill(const GradientVertex&, const GradientVertex&, uint32_t) override {}
    bool SystemColor(int32_t, uint32_t* rgb) override {
        *rgb = 0;
        return true;
    }
    void Refresh() override {}
};

}  // namespace

UserListBox::UserListBox(bool visible)
    : own_canvas_(std::make_unique<BlankCanvas>()),
      own_control_(std::make_unique<ListBoxFX>(*own_canvas_)),
      control_(own_control_.get()),
      visible_(visible) {
    own_control_->SetEvents(&events_);
    own_control_->UserControl_InitProperties();
    own_control_->Resize(kUserListWidth, kUserListHeight, kUserListScrollBarWidth);
    // Every list is shown once when its window is made, hidden ones too.
    own_control_->Show();
}

void UserListBox::Attach(ListBoxFX& shown) {
    control_ = &shown;
    control_->SetEvents(&events_);
    attached_ = true;
}

void UserListBox::SetTop(int top) {
    if (top == top_) return;
    top_ = top;
    PlaceChanged();
}

void UserListBox::SetHeight(int height) {
    if (height == height_) return;
    height_ = height;
    if (!attached_) control_->Resize(kUserListWidth, height_, kUserListScrollBarWidth);
    PlaceChanged();
}

void UserListBox::SetVisible(bool visible) {
    if (visible == visible_) return;
    visible_ = visible;
    // The screen's window runs the showing steps itself when it is shown.
    if (visible_ && !attached_) control_->Show();
    PlaceChanged();
}

void UserListBox::PlaceChanged() {
    if (place_listener_) place_listener_();
}

}  // namespace qv
