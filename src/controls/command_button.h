#pragma once
#include "control.h"

namespace zw {

// A push button. Click is raised by a user's press, by Esc for the form's cancel button, and by code.
class CommandButton : public Control {
public:
    CommandButton(Form* form, Control* container, std::string name, int index = NotInArray)
        : Control(ControlType::CommandButton, form, container, std::move(name), index) {}

    const std::string& Caption() const { return DisplayText(); }
    void SetCaption(const std::string& value) { SetDisplayText(value); }

    // The form's cancel button is pressed by Esc.
    bool Cancel() const { return cancel_; }
    void SetCancel(bool value) { cancel_ = value; }

    void UserClick() {
        if (Enabled() && Click)
            Click();
    }

    std::function<void()> Click;

private:
    bool cancel_ = false;
};

} // namespace zw
