#include "tab_order.h"

#include <algorithm>
#include <vector>

#include "controls/form.h"

namespace zw::view {

namespace {

bool TakesFocusByKind(const Control& control) {
    switch (control.Type()) {
    case ControlType::CheckBox:
    case ControlType::OptionButton:
    case ControlType::TextBox:
    case ControlType::CommandButton:
    case ControlType::TabStrip:
        return true;
    default:
        return false;
    }
}

// The candidates in tab order; controls of equal TabIndex keep their creation order.
std::vector<Control*> Candidates(const Form& form, bool (*keep)(const Control&, const Control*),
                                 const Control* reference) {
    std::vector<Control*> result;
    for (Control* control : form.Controls())
        if (keep(*control, reference))
            result.push_back(control);
    std::stable_sort(result.begin(), result.end(),
                     [](const Control* a, const Control* b) { return a->TabIndex() < b->TabIndex(); });
    return result;
}

Control* Step(const std::vector<Control*>& order, const Control* current, bool forward) {
    if (order.empty())
        return nullptr;
    if (current == nullptr)
        return forward ? order.front() : order.back();
    auto it = std::find(order.begin(), order.end(), current);
    if (it != order.end()) {
        const auto size = static_cast<long>(order.size());
        const long at = it - order.begin();
        return order[static_cast<size_t>((at + (forward ? 1 : size - 1)) % size)];
    }
    // The current control cannot take the focus itself (hidden, say): go on from its place in the order.
    if (forward) {
        for (Control* control : order)
            if (control->TabIndex() > current->TabIndex())
                return control;
        return order.front();
    }
    for (auto rit = order.rbegin(); rit != order.rend(); ++rit)
        if ((*rit)->TabIndex() < current->TabIndex())
            return *rit;
    return order.back();
}

} // namespace

bool CanTakeFocus(const Control& control) {
    if (!TakesFocusByKind(control) || !control.TabStop())
        return false;
    for (const Control* c = &control; c != nullptr; c = c->Container()) {
        if (!c->Visible() || !c->Enabled())
            return false;
        if (c->Type() == ControlType::Form)
            break;
    }
    return true;
}

Control* NextInTabOrder(const Form& form, const Control* current, bool forward) {
    const auto order = Candidates(
        form, [](const Control& c, const Control*) { return CanTakeFocus(c); }, nullptr);
    return Step(order, current, forward);
}

Control* NextOptionInGroup(const Form& form, const Control& current, bool forward) {
    const auto order = Candidates(
        form,
        [](const Control& c, const Control* reference) {
            return c.Type() == ControlType::OptionButton && c.Container() == reference->Container() &&
                   (&c == reference || CanTakeFocus(c));
        },
        &current);
    Control* next = Step(order, &current, forward);
    return next == &current ? nullptr : next;
}

} // namespace zw::view
