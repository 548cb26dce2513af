#pragma once
#include "control.h"

namespace zw {

// A picture box used as a frame: a container for other controls, drawn without a border.
class PictureBox : public Control {
public:
    PictureBox(Form* form, Control* container, std::string name, int index = NotInArray)
        : Control(ControlType::PictureBox, form, container, std::move(name), index) {
        SetTabStop(false);
    }
};

} // namespace zw
