#include "option_button.h"

#include "form.h"

namespace zw {

void OptionButton::SetValue(bool value) {
    if (value == value_)
        return;
    value_ = value;
    if (value && OwnerForm() != nullptr) {
        for (Control* other : OwnerForm()->Controls()) {
            if (other == this || other->Type() != ControlType::OptionButton || other->Container() != Container())
                continue;
            auto* button = static_cast<OptionButton*>(other);
            if (button->value_) {
                button->value_ = false;
                button->Changed(Property::Value);
            }
        }
    }
    Changed(Property::Value);
    if (value && Click)
        Click();
}

void OptionButton::UserClick() {
    if (!Enabled())
        return;
    SetValue(true);
}

} // namespace zw
