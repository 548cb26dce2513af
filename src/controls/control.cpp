#include "control.h"

#include "base/runtime_error.h"
#include "form.h"

namespace zw {

Control::Control(ControlType type, Form* form, Control* container, std::string name, int index)
    : type_(type), form_(form), container_(container), name_(std::move(name)), index_(index) {
    if (form_ != nullptr && form_ != this) {
        zStamp_ = form_->NextZStamp();
        form_->Register(*this);
    }
}

std::string Control::FullName() const {
    return InArray() ? name_ + "(" + std::to_string(index_) + ")" : name_;
}

void Control::SetLeft(float value) {
    if (left_ == value)
        return;
    left_ = value;
    Changed(Property::Left);
}

void Control::SetTop(float value) {
    if (top_ == value)
        return;
    top_ = value;
    Changed(Property::Top);
}

void Control::SetWidth(float value) {
    if (width_ == value)
        return;
    width_ = value;
    Changed(Property::Width);
}

void Control::SetHeight(float value) {
    if (height_ == value)
        return;
    height_ = value;
    Changed(Property::Height);
}

void Control::Move(float left, std::optional<float> top, std::optional<float> width, std::optional<float> height) {
    SetLeft(left);
    if (top)
        SetTop(*top);
    if (width)
        SetWidth(*width);
    if (height)
        SetHeight(*height);
}

void Control::SetVisible(bool value) {
    if (visible_ == value)
        return;
    visible_ = value;
    Changed(Property::Visible);
}

void Control::SetEnabled(bool value) {
    if (enabled_ == value)
        return;
    enabled_ = value;
    Changed(Property::Enabled);
}

void Control::SetTag(const std::string& value) {
    if (tag_ == value)
        return;
    tag_ = value;
    Changed(Property::Tag);
}

void Control::SetTabIndex(int value) {
    if (value < 0)
        throw RuntimeError(errors::InvalidPropertyValue);
    if (tabIndex_ == value)
        return;
    const int old = tabIndex_;
    tabIndex_ = value;
    if (old >= 0 && form_ != nullptr) {
        // Moving up shifts the controls from the new place to the old one down by one, and the reverse.
        for (Control* other : form_->Controls()) {
            if (other == this || other->tabIndex_ < 0)
                continue;
            if (value < old && other->tabIndex_ >= value && other->tabIndex_ < old) {
                ++other->tabIndex_;
                other->Changed(Property::TabIndex);
            } else if (value > old && other->tabIndex_ > old && other->tabIndex_ <= value) {
                --other->tabIndex_;
                other->Changed(Property::TabIndex);
            }
        }
    }
    Changed(Property::TabIndex);
}

void Control::ZOrder(int position) {
    if (form_ == nullptr)
        return;
    // Front means the newest stamp; back means older than every other control.
    zStamp_ = position == 0 ? form_->NextZStamp() : form_->OldestZStamp();
    Changed(Property::ZOrder);
}

void Control::SetFont(const Font& font) {
    if (font_ == font)
        return;
    font_ = font;
    Changed(Property::Font);
}

void Control::RaiseGotFocus() {
    if (form_ != nullptr)
        form_->SetFocusedControl(this);
    if (GotFocus)
        GotFocus();
}

void Control::SetDisplayText(const std::string& value) {
    if (text_ == value)
        return;
    text_ = value;
    Changed(Property::Caption);
}

void Control::Changed(Property property) {
    if (form_ != nullptr)
        form_->Notify(*this, property);
}

} // namespace zw
