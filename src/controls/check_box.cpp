#include "check_box.h"

#include "base/runtime_error.h"

namespace zw {

void CheckBox::SetValue(int value) {
    if (value < 0 || value > 2)
        throw RuntimeError(errors::InvalidPropertyValue);
    if (value == value_)
        return;
    value_ = value;
    Changed(Property::Value);
    if (Click)
        Click();
}

void CheckBox::UserClick() {
    if (!Enabled())
        return;
    SetValue(value_ == 1 ? 0 : 1);
}

} // namespace zw
