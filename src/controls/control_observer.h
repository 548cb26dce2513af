#pragma once
#include "property.h"

namespace zw {

class Control;

// Told of every property change of every control of a form, after the change is made and before
// any event that the change raises.
class ControlObserver {
public:
    virtual ~ControlObserver() = default;
    virtual void PropertyChanged(Control& control, Property property) = 0;
};

} // namespace zw
