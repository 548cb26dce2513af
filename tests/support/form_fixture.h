#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/form.h"
#include "controls/tab_strip.h"

namespace zw::test {

// A tab strip whose client area lies at fixed insets (in pixels) inside it, like the common control's.
class FixedTabMetrics : public TabClientMetrics {
public:
    FixedTabMetrics(const Screen& screen, int left, int top, int right, int bottom)
        : screen_(screen), left_(left), top_(top), right_(right), bottom_(bottom) {}
    TwipsRect ClientArea(const TabStrip& ts) const override {
        const float x = screen_.TwipsPerPixelX();
        const float y = screen_.TwipsPerPixelY();
        return {ts.Left() + left_ * x, ts.Top() + top_ * y, ts.Width() - (left_ + right_) * x,
                ts.Height() - (top_ + bottom_) * y};
    }

private:
    const Screen& screen_;
    int left_, top_, right_, bottom_;
};

// A form of its own for each test of the control model, at 96 DPI, and a log of what happened to it.
struct FormTest : ::testing::Test, ControlObserver {
    Screen screen = Screen::FromPixels(1024, 768, 96, 96);
    FixedFrameMetrics frame{90, 435};
    Form form{"frm", screen, frame};
    std::vector<std::string> log;
    void PropertyChanged(Control& control, Property property) override {
        log.push_back(control.FullName() + " changed " + std::to_string(static_cast<int>(property)));
    }
};

} // namespace zw::test
