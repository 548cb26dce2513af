#include "tab_strip.h"

#include "base/runtime_error.h"

namespace zw {

void TabStrip::AddTab(const std::string& caption, const std::string& key) {
    tabs_.push_back(Tab{caption, key});
    if (selected_ == 0)
        selected_ = 1;
}

const Tab& TabStrip::GetTab(int number) const {
    if (number < 1 || number > TabCount())
        throw RuntimeError(errors::IndexOutOfBounds);
    return tabs_[static_cast<size_t>(number - 1)];
}

void TabStrip::SelectTab(int number) {
    if (number < 1 || number > TabCount())
        throw RuntimeError(errors::IndexOutOfBounds);
    if (number == selected_)
        return;
    selected_ = number;
    Changed(Property::SelectedTab);
    if (Click)
        Click();
}

TwipsRect TabStrip::Area() const {
    if (metrics_ == nullptr)
        throw RuntimeError(errors::ObjectRequired, "Object required: the tab strip has no client metrics");
    return metrics_->ClientArea(*this);
}

} // namespace zw
