#pragma once
#include <memory>

#include "controls/metrics.h"
#include "controls/screen.h"
#include "controls/tab_strip.h"
#include "dialog/frm_zw_int_stp.h"
#include "fake_platform.h"

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

// The dialog on fakes: a 1024 x 768 screen at 96 DPI (15 twips per pixel) unless a test gives another,
// a dialog frame of 6 x 29 pixels, a tab strip client area inset by 2, 24, 4 and 4 pixels.
struct DialogHarness {
    FakePlatform fakes;
    Screen screen;
    FixedFrameMetrics frame;
    FixedTabMetrics tabs;
    std::unique_ptr<frmZWIntStp> form;

    explicit DialogHarness(Screen s = Screen::FromPixels(1024, 768, 96, 96))
        : screen(s), frame(6 * s.TwipsPerPixelX(), 29 * s.TwipsPerPixelY()), tabs(screen, 2, 24, 4, 4) {
        form = std::make_unique<frmZWIntStp>(fakes.platform, screen, frame, tabs);
    }
    DialogHarness(const DialogHarness&) = delete;
    DialogHarness& operator=(const DialogHarness&) = delete;

    frmZWIntStp& F() { return *form; }
    FakeEnvironment& Env() { return fakes.Env(); }
    // Initialise and load, as the program does before showing the dialog.
    void Load() {
        form->Initialize();
        form->Load();
    }
    // Stores an X-ray value for the station before the dialog loads.
    void StoreXray(const std::string& value) {
        fakes.environmentFactory.prepare = [value, old = fakes.environmentFactory.prepare](FakeEnvironment& env) {
            if (old)
                old(env);
            env.settings[{"INTERFACE", "XRAY" + env.stationId}] = value;
        };
    }
    // Runs a preparation on the component when the dialog creates it.
    void Prepare(std::function<void(FakeEnvironment&)> step) {
        fakes.environmentFactory.prepare = [step, old = fakes.environmentFactory.prepare](FakeEnvironment& env) {
            if (old)
                old(env);
            step(env);
        };
    }
};

} // namespace zw::test
