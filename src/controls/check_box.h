#pragma once
#include "control.h"

namespace zw {

// A check box: Value 0 (unchecked), 1 (checked) or 2 (grayed). Assigning a different value raises Click
// inside the assignment; assigning the same value raises nothing.
class CheckBox : public Control {
public:
    CheckBox(Form* form, Control* container, std::string name, int index = NotInArray)
        : Control(ControlType::CheckBox, form, container, std::move(name), index) {}

    const std::string& Caption() const { return DisplayText(); }
    void SetCaption(const std::string& value) { SetDisplayText(value); }

    int Value() const { return value_; }
    void SetValue(int value);

    // What a user's click (mouse, space bar or accelerator) does: 0 or 2 becomes 1, 1 becomes 0.
    void UserClick();

    std::function<void()> Click;

private:
    int value_ = 0;
};

} // namespace zw
