#pragma once
#include "control.h"

namespace zw {

enum class Alignment { Left, Right, Center };

// A label: a caption that cannot take the focus.
class Label : public Control {
public:
    Label(Form* form, Control* container, std::string name, int index = NotInArray)
        : Control(ControlType::Label, form, container, std::move(name), index) {
        SetTabStop(false);
    }

    const std::string& Caption() const { return DisplayText(); }
    void SetCaption(const std::string& value) { SetDisplayText(value); }

    Alignment GetAlignment() const { return alignment_; }
    void SetAlignment(Alignment value) { alignment_ = value; }

    // Colour as 0x00BBGGRR; the default is the system's window text colour.
    static constexpr long SystemTextColour = -1;
    long ForeColour() const { return foreColour_; }
    void SetForeColour(long value) { foreColour_ = value; }

private:
    Alignment alignment_ = Alignment::Left;
    long foreColour_ = SystemTextColour;
};

} // namespace zw
