#pragma once
#include <vector>

#include "control.h"
#include "metrics.h"

namespace zw {

struct Tab {
    std::string caption;
    std::string key;
};

// A tab strip of the common controls: tabs numbered from 1, one of them selected, and a client area that
// the tab strip's container lays other controls over. Selecting a tab other than the selected one raises
// Click; selecting the selected tab raises nothing.
class TabStrip : public Control {
public:
    TabStrip(Form* form, Control* container, std::string name, int index = NotInArray)
        : Control(ControlType::TabStrip, form, container, std::move(name), index) {}

    void AddTab(const std::string& caption, const std::string& key);
    int TabCount() const { return static_cast<int>(tabs_.size()); }
    // Tabs are numbered from 1.
    const Tab& GetTab(int number) const;

    int SelectedTab() const { return selected_; }
    bool IsSelected(int number) const { return selected_ == number; }
    void SelectTab(int number);

    // The client area for the tab strip's current size, from the metrics provider.
    float ClientLeft() const { return Area().left; }
    float ClientTop() const { return Area().top; }
    float ClientWidth() const { return Area().width; }
    float ClientHeight() const { return Area().height; }
    void SetClientMetrics(const TabClientMetrics* metrics) { metrics_ = metrics; }

    std::function<void()> Click;

private:
    TwipsRect Area() const;

    std::vector<Tab> tabs_;
    int selected_ = 0;
    const TabClientMetrics* metrics_ = nullptr;
};

} // namespace zw
