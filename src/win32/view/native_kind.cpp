#include "native_kind.h"

#include <commctrl.h>

#include "controls/label.h"
#include "controls/text_box.h"

namespace zw::view {

namespace {

DWORD StaticAlignment(const Label& label) {
    switch (label.GetAlignment()) {
    case Alignment::Right:
        return SS_RIGHT;
    case Alignment::Center:
        return SS_CENTER;
    case Alignment::Left:
        break;
    }
    return SS_LEFT;
}

} // namespace

NativeKind KindFor(const Control& control) {
    // Siblings overlap (the frames lie over the tab strip): each child clips the ones in front of it.
    DWORD common = WS_CHILD | WS_CLIPSIBLINGS;
    if (control.Visible())
        common |= WS_VISIBLE;
    if (!control.Enabled())
        common |= WS_DISABLED;
    const DWORD tabStop = control.TabStop() ? WS_TABSTOP : 0;

    switch (control.Type()) {
    case ControlType::CheckBox:
        // Not the automatic kind: a click asks the model, and the box shows whatever value the model then has.
        return {L"BUTTON", common | tabStop | BS_CHECKBOX | BS_MULTILINE, 0};
    case ControlType::OptionButton:
        return {L"BUTTON", common | tabStop | BS_RADIOBUTTON | BS_MULTILINE, 0};
    case ControlType::CommandButton:
        return {L"BUTTON", common | tabStop | BS_PUSHBUTTON | BS_MULTILINE, 0};
    case ControlType::TextBox: {
        const auto& box = static_cast<const TextBox&>(control);
        const DWORD password = box.PasswordChar().empty() ? 0 : ES_PASSWORD;
        return {L"EDIT", common | tabStop | ES_LEFT | ES_AUTOHSCROLL | password, WS_EX_CLIENTEDGE};
    }
    case ControlType::Label:
        return {L"STATIC", common | StaticAlignment(static_cast<const Label&>(control)), 0};
    case ControlType::PictureBox:
        return {FrameClassName, common | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT};
    case ControlType::TabStrip:
        return {WC_TABCONTROLW, common | tabStop | TCS_TABS | TCS_SINGLELINE | TCS_FOCUSONBUTTONDOWN, 0};
    case ControlType::Form:
        break;
    }
    return {FormClassName, FormStyle, FormExStyle};
}

} // namespace zw::view
