#pragma once

namespace zw {
class Control;
class Form;
} // namespace zw

namespace zw::view {

// Whether the user can move the keyboard focus to the control: a kind of control that takes the focus,
// with its tab stop on, visible and enabled together with every container it lies in.
bool CanTakeFocus(const Control& control);

// The control that Tab (forward) or Shift+Tab (backward) moves to from current, following TabIndex across
// the whole form as the run time does, whatever container each control lies in; it wraps around at the
// ends. With no current control, forward gives the first control and backward the last. nullptr when no
// control can take the focus.
Control* NextInTabOrder(const Form& form, const Control* current, bool forward);

// The option button that an arrow key moves to: the next (or previous) one of the same container in tab
// order that can take the focus, wrapping around; nullptr when there is none other.
Control* NextOptionInGroup(const Form& form, const Control& current, bool forward);

} // namespace zw::view
