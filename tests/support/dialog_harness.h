#pragma once
#include <memory>

#include "dialog/frm_zw_int_stp.h"
#include "fake_platform.h"
#include "form_fixture.h"

namespace zw::test {

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
