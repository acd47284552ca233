#include "core/form_state.h"

#include <stdexcept>

namespace qv {

FormControl::FormControl(const ControlSpec& spec)
    : spec_(spec),
      text_(spec.caption ? spec.caption : ""),
      fore_(spec.fore),
      visible_((spec.flags & kHidden) == 0),
      bounds_{spec.left, spec.top, spec.width, spec.height},
      picture_(spec.picture),
      value_((spec.flags & kChecked) ? 1 : 0) {}

bool FormControl::SetText(const std::string& text) {
    if (text == text_) return false;
    text_ = text;
    Tell(ControlProperty::kText);
    if (on_change_) on_change_();
    return true;
}

void FormControl::SetForeColour(uint32_t colour) {
    if (colour == fore_) return;
    fore_ = colour;
    Tell(ControlProperty::kForeColour);
}

void FormControl::SetVisible(bool visible) {
    if (visible == visible_) return;
    visible_ = visible;
    Tell(ControlProperty::kVisible);
}

void FormControl::SetEnabled(bool enabled) {
    if (enabled == enabled_) return;
    enabled_ = enabled;
    Tell(ControlProperty::kEnabled);
}

void FormControl::SetBounds(const ControlRect& bounds) {
    if (bounds == bounds_) return;
    bounds_ = bounds;
    Tell(ControlProperty::kBounds);
}

void FormControl::SetPicture(int picture) {
    // Setting the same picture again still repaints: a skin chosen twice repeats each step.
    picture_ = picture;
    Tell(ControlProperty::kPicture);
}

bool FormControl::SetValue(int value) {
    if (value == value_) return false;
    if (spec_.kind == ControlKind::kOptionButton && value != 0 && group_) group_(*this);
    value_ = value;
    Tell(ControlProperty::kValue);
    if (on_click_) on_click_();
    return true;
}

void FormControl::ClearValueQuietly() {
    if (value_ == 0) return;
    value_ = 0;
    Tell(ControlProperty::kValue);
}

void FormControl::AddRow(const std::string& row) {
    rows_.push_back(row);
    Tell(ControlProperty::kRows);
}

void FormControl::SetSelected(int row) {
    if (row < -1 || row >= static_cast<int>(rows_.size())) row = -1;
    if (row == selected_) return;
    selected_ = row;
    Tell(ControlProperty::kSelection);
}

std::string FormControl::SelectedText() const {
    if (selected_ < 0 || selected_ >= static_cast<int>(rows_.size())) return "";
    return rows_[static_cast<size_t>(selected_)];
}

void FormControl::Click() {
    if (!enabled_) return;
    switch (spec_.kind) {
        case ControlKind::kCheckBox:
            SetValue(value_ == 1 ? 0 : 1);
            break;
        case ControlKind::kOptionButton:
            // Choosing the chosen option again still raises its click.
            if (!SetValue(1) && on_click_) on_click_();
            break;
        default:
            if (on_click_) on_click_();
            break;
    }
}

void FormControl::ClickRow(int row) {
    if (!enabled_) return;
    SetSelected(row);
    if (on_click_) on_click_();
}

void FormControl::DoubleClick() {
    if (enabled_ && on_double_click_) on_double_click_();
}

void FormControl::MouseDown(int button) {
    if (enabled_ && on_mouse_down_) on_mouse_down_(button);
}

FormState::FormState(FormSpec spec)
    : spec_(std::move(spec)), caption_(spec_.caption), picture_(spec_.picture) {
    for (const ControlSpec& control : spec_.controls) {
        controls_.push_back(std::make_unique<FormControl>(control));
    }
    // All option buttons of a window form one group.
    for (auto& control : controls_) {
        if (control->Spec().kind != ControlKind::kOptionButton) continue;
        control->SetGroupHook([this](FormControl& chosen) {
            for (auto& other : controls_) {
                if (other.get() != &chosen && other->Spec().kind == ControlKind::kOptionButton) {
                    other->ClearValueQuietly();
                }
            }
        });
    }
}

FormControl* FormState::Find(std::string_view name) {
    for (auto& control : controls_) {
        if (name == control->Name()) return control.get();
    }
    return nullptr;
}

FormControl& FormState::operator[](std::string_view name) {
    FormControl* control = Find(name);
    if (!control) throw std::out_of_range("no control " + std::string(name));
    return *control;
}

const FormControl& FormState::operator[](std::string_view name) const {
    return const_cast<FormState&>(*this)[name];
}

void FormState::Show() {
    visible_ = true;
    // Showing a shown window brings it forward, so it is told every time.
    Tell(FormProperty::kVisible);
}

void FormState::Hide() {
    if (!visible_) return;
    visible_ = false;
    Tell(FormProperty::kVisible);
}

void FormState::SetPicture(int picture) {
    picture_ = picture;
    Tell(FormProperty::kPicture);
}

void FormState::RequestClose() {
    if (on_close_) {
        on_close_();
    } else {
        Hide();
    }
}

void FormState::MouseDown(int button) {
    if (on_mouse_down_) on_mouse_down_(button);
}

}  // namespace qv
