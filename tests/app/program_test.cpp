#include <gtest/gtest.h>

#include "app/program.h"
#include "support/dialog_harness.h"

namespace zw::test {
namespace {

// A view without windows that never shows anything: the load fails before the message loop.
struct NoView : FormView {
    FixedFrameMetrics frame{90, 435};
    Screen screen = Screen::FromPixels(1024, 768, 96, 96);
    FixedTabMetrics tabs{screen, 2, 24, 4, 4};

    void Attach(frmZWIntStp&) override {}
    void Run(frmZWIntStp&) override {}
    void Detach() override {}
    const FrameMetrics& GetFrameMetrics() const override { return frame; }
    const TabClientMetrics& GetTabClientMetrics() const override { return tabs; }
};

// The exit codes, and the text of the box after a failure inside an event, are checked through the real program
// (tests/e2e); here, the box's style and title, and the component released before it shows.
TEST(ProgramTest, AnUncaughtFailureEndsWithTheRunTimeErrorBoxAndReleasesTheComponent) {
    FakePlatform fakes;
    NoView view;
    fakes.environmentFactory.prepare = [](FakeEnvironment& e) { e.failOn.insert("ReadSetting"); };
    bool released = false;
    fakes.messageBoxes.onShow = [&](const FakeMessageBoxes::Shown&) {
        released = fakes.environmentFactory.environment == nullptr;
    };
    EXPECT_EQ(RunProgram(fakes.platform, view.screen, view), 1);
    EXPECT_EQ(fakes.messageBoxes.Described(),
              std::vector<std::string>{"16 ZELT Windows Interface Setup: Run-time error '-2147467259':\r\n\r\nThe "
                                       "environment component failed in ReadSetting"});
    EXPECT_TRUE(released);
}

} // namespace
} // namespace zw::test
