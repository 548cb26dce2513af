#pragma once
#include "control.h"

namespace zw {

// An option button. Turning one on turns off the other option buttons of the same container (its group)
// and raises Click; turning on one that is already on raises nothing.
class OptionButton : public Control {
public:
    OptionButton(Form* form, Control* container, std::string name, int index = NotInArray)
        : Control(ControlType::OptionButton, form, container, std::move(name), index) {}

    const std::string& Caption() const { return DisplayText(); }
    void SetCaption(const std::string& value) { SetDisplayText(value); }

    bool Value() const { return value_; }
    void SetValue(bool value);

    // A user's click turns the button on.
    void UserClick();

    std::function<void()> Click;

private:
    bool value_ = false;
};

} // namespace zw
