// The dialog as drawn: every control from the layout table, with the few properties that only some
// controls carry (tabs, cancel button, password box, fonts of the framed lists).
#include <string_view>

#include "base/runtime_error.h"
#include "choice/bridge_rows.h"
#include "frm_zw_int_stp.h"
#include "layout_table.h"

namespace zw {

namespace {

constexpr float DesignedScaleWidth = 7350;
constexpr float DesignedScaleHeight = 9345;

// Dark blue (0x00BBGGRR), so the list headings stand out from the entries below them.
constexpr long HeadingColour = 0x00800000;

template <typename T>
T& AddElement(ControlArray<T>& array, Form* form, Control* container, const ControlDesign& design) {
    return array.Add(std::make_unique<T>(form, container, design.name, design.index));
}

bool InFramedList(Parent parent) {
    return parent == Parent::BridgeFrame || parent == Parent::DirectFrame || parent == Parent::ProbeFrame;
}

} // namespace

void frmZWIntStp::CreateControls(const TabClientMetrics& tabMetrics) {
    SetCaption("Interface Setup");
    SetWidth(DesignedScaleWidth + GetFrameMetrics().NonClientWidth());
    SetHeight(DesignedScaleHeight + GetFrameMetrics().NonClientHeight());

    auto containerOf = [this](Parent parent) -> Control* {
        switch (parent) {
        case Parent::Form:
            return this;
        case Parent::BridgeFrame:
            return &Picture1(0);
        case Parent::DirectFrame:
            return &Picture1(1);
        case Parent::ProbeFrame:
            return &Picture1(2);
        case Parent::DescriptionFrame:
            return Picture2;
        }
        throw RuntimeError(errors::ObjectRequired);
    };

    auto create = [this](const ControlDesign& d, Control* container) -> Control& {
        const std::string_view name = d.name;
        switch (d.type) {
        case ControlType::TabStrip: {
            auto tabStrip = std::make_unique<TabStrip>(this, container, d.name);
            ts = tabStrip.get();
            singleControls_.push_back(std::move(tabStrip));
            return *ts;
        }
        case ControlType::PictureBox: {
            if (name == "Picture1")
                return AddElement(Picture1, this, container, d);
            auto frame = std::make_unique<PictureBox>(this, container, d.name);
            Picture2 = frame.get();
            singleControls_.push_back(std::move(frame));
            return *Picture2;
        }
        case ControlType::CheckBox: {
            CheckBox& box = AddElement(name == "CheckBox1" ? CheckBox1 : DI_CheckBox1, this, container, d);
            box.SetCaption(d.caption);
            return box;
        }
        case ControlType::OptionButton: {
            OptionButton& option = AddElement(Prob_Option1, this, container, d);
            option.SetCaption(d.caption);
            return option;
        }
        case ControlType::TextBox: {
            TextBox& box = AddElement(name == "Text1" ? Text1 : Prob_Text1, this, container, d);
            box.SetText(d.caption);
            return box;
        }
        case ControlType::CommandButton: {
            CommandButton& button = AddElement(name == "Command1" ? Command1 : Prob_Command1, this, container, d);
            button.SetCaption(d.caption);
            return button;
        }
        case ControlType::Label: {
            Label* label = nullptr;
            if (name == "Label3") {
                auto single = std::make_unique<Label>(this, container, d.name);
                Label3 = single.get();
                singleControls_.push_back(std::move(single));
                label = Label3;
            } else if (name == "Label1") {
                label = &AddElement(Label1, this, container, d);
            } else if (name == "Label2") {
                label = &AddElement(Label2, this, container, d);
            } else if (name == "Label4") {
                label = &AddElement(Label4, this, container, d);
            } else {
                label = &AddElement(Prob_Label1, this, container, d);
            }
            label->SetCaption(d.caption);
            return *label;
        }
        case ControlType::Form:
            break;
        }
        throw RuntimeError(errors::InvalidPropertyValue, std::string("Invalid control in the layout: ") + d.name);
    };

    Font framedFont;
    framedFont.weight = 700;
    framedFont.charset = 0;

    for (const ControlDesign& d : DesignedControls()) {
        Control& control = create(d, containerOf(d.parent));
        control.Move(d.left, d.top, d.width, d.height);
        control.SetTabIndex(d.tabIndex);
        control.SetVisible(d.visible);
        control.SetEnabled(d.enabled);
        // The frames carry the bold font; their children have none of their own and show the frame's.
        if (std::string_view(d.name) == "Picture1" || InFramedList(d.parent))
            control.SetFont(framedFont);
    }

    ts->AddTab("&Bridge", "Bridge");
    ts->AddTab("Direct &Interface", "Direct");
    ts->SetClientMetrics(&tabMetrics);

    Command1(1).SetCancel(true);
    // Dimaxis' box holds a password: it shows "*" and has no input method editor.
    for (const BridgeRow& row : BridgeRows())
        if (row.field == RowField::Password) {
            Text1(static_cast<int16_t>(row.text)).SetPasswordChar("*");
            Text1(static_cast<int16_t>(row.text)).SetImeDisabled(true);
        }

    for (Label* heading : {&Label1(0), &Prob_Label1(0), &Prob_Label1(2)})
        heading->SetForeColour(HeadingColour);
}

} // namespace zw
