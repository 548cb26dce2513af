#pragma once

namespace zw {

// The properties whose changes observers are told of, so that a view can mirror the model.
enum class Property {
    Left,
    Top,
    Width,
    Height,
    Visible,
    Enabled,
    Caption, // Caption of a form, label, check box, option button or button; Text of a text box
    Value,
    TabIndex,
    ZOrder,
    Tag,
    SelectedTab,
    Loaded, // the form was loaded or unloaded
    Focus,
    Font,
};

} // namespace zw
