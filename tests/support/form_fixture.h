#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/form.h"

namespace zw::test {

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
