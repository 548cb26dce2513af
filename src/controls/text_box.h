#pragma once
#include "control.h"

namespace zw {

// A single-line text box. With a password character it shows that character for every character typed.
class TextBox : public Control {
public:
    TextBox(Form* form, Control* container, std::string name, int index = NotInArray)
        : Control(ControlType::TextBox, form, container, std::move(name), index) {}

    const std::string& Text() const { return DisplayText(); }
    void SetText(const std::string& value) { SetDisplayText(value); }

    // Empty for an ordinary box, "*" for a password box.
    const std::string& PasswordChar() const { return passwordChar_; }
    void SetPasswordChar(const std::string& value) { passwordChar_ = value; }

    // The input method editor is switched off for password boxes.
    bool ImeDisabled() const { return imeDisabled_; }
    void SetImeDisabled(bool value) { imeDisabled_ = value; }

private:
    std::string passwordChar_;
    bool imeDisabled_ = false;
};

} // namespace zw
