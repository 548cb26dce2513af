#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "control_type.h"
#include "font.h"
#include "property.h"

namespace zw {

class Form;

// One control of a form, as the windowing run time presents it: position and size in twips relative to
// its container, visibility, enabled state, tag, tab order, z-order among its container's children, font,
// and its caption (or text, for a text box). Every change is reported to the form's observers.
class Control {
public:
    // index is the element's index in its control array, or NotInArray for a single control.
    static constexpr int NotInArray = -1;

    Control(ControlType type, Form* form, Control* container, std::string name, int index);
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    ControlType Type() const { return type_; }
    const std::string& Name() const { return name_; }
    int Index() const { return index_; }
    bool InArray() const { return index_ != NotInArray; }
    // "Name" or "Name(index)", as the control is written in code and messages.
    std::string FullName() const;

    Form* OwnerForm() const { return form_; }
    Control* Container() const { return container_; }

    float Left() const { return left_; }
    float Top() const { return top_; }
    virtual float Width() const { return width_; }
    virtual float Height() const { return height_; }
    void SetLeft(float value);
    void SetTop(float value);
    virtual void SetWidth(float value);
    virtual void SetHeight(float value);
    // Move with one to four arguments: those not given keep their values.
    void Move(float left, std::optional<float> top = std::nullopt, std::optional<float> width = std::nullopt,
              std::optional<float> height = std::nullopt);

    bool Visible() const { return visible_; }
    void SetVisible(bool value);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool value);

    const std::string& Tag() const { return tag_; }
    void SetTag(const std::string& value);

    // The keyboard order within the whole form; -1 until it is first set. Tab indexes stay unique: moving
    // a control to another index shifts the controls in between by one, as the run time does.
    int TabIndex() const { return tabIndex_; }
    void SetTabIndex(int value);
    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool value) { tabStop_ = value; }

    // Position among the container's children: 0 is the front. ZOrder() brings the control to the front.
    void ZOrder(int position = 0);
    long ZStamp() const { return zStamp_; }

    const Font& GetFont() const { return font_; }
    void SetFont(const Font& font);

    // Caption for forms, labels, check boxes, option buttons and buttons; Text for text boxes.
    const std::string& DisplayText() const { return text_; }

    // Raised by the view when the control receives the keyboard focus.
    std::function<void()> GotFocus;
    void RaiseGotFocus();

    void Changed(Property property);

protected:
    void SetDisplayText(const std::string& value);

    float width_ = 0;
    float height_ = 0;

private:
    ControlType type_;
    Form* form_;
    Control* container_;
    std::string name_;
    int index_;
    float left_ = 0;
    float top_ = 0;
    bool visible_ = true;
    bool enabled_ = true;
    std::string tag_;
    int tabIndex_ = -1;
    bool tabStop_ = true;
    long zStamp_ = 0;
    Font font_;
    std::string text_;
};

} // namespace zw
