#pragma once

namespace zw {

enum class ControlType { Form, CheckBox, OptionButton, TextBox, Label, CommandButton, PictureBox, TabStrip };

} // namespace zw
