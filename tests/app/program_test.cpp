#include <gtest/gtest.h>

#include "app/program.h"
#include "support/dialog_harness.h"

namespace zw::test {
namespace {

// A view without windows: Run plays the user's part.
struct ScriptedView : FormView {
    FixedFrameMetrics frame{90, 435};
    Screen screen = Screen::FromPixels(1024, 768, 96, 96);
    FixedTabMetrics tabs{screen, 2, 24, 4, 4};
    std::function<void(frmZWIntStp&)> user;
    std::vector<std::string> log;

    void Attach(frmZWIntStp&) override { log.push_back("attach"); }
    void Run(frmZWIntStp& form) override {
        log.push_back("run");
        if (user)
            user(form);
    }
    void Detach() override { log.push_back("detach"); }
    const FrameMetrics& GetFrameMetrics() const override { return frame; }
    const TabClientMetrics& GetTabClientMetrics() const override { return tabs; }
};

struct ProgramRig {
    FakePlatform fakes;
    ScriptedView view;
    int RunIt() { return RunProgram(fakes.platform, view.screen, view); }
};

// A normal run and a failed database start end with exit code 0 and release the component; only the normal run
// enters the message loop.
TEST(ProgramTest, NormalAndFailedDatabaseStartsEndWithCodeZeroAndReleaseTheComponent) {
    for (const bool database : {true, false}) {
        SCOPED_TRACE(database);
        ProgramRig t;
        if (!database)
            t.fakes.databaseEngine.databases.clear();
        t.view.user = [](frmZWIntStp& form) { form.Command1(1).UserClick(); };
        EXPECT_EQ(t.RunIt(), 0);
        EXPECT_EQ(t.view.log, database ? (std::vector<std::string>{"attach", "run", "detach", "detach"})
                                       : (std::vector<std::string>{"attach", "detach", "detach"}));
        EXPECT_EQ(t.fakes.messageBoxes.shown.size(), database ? 0u : 1u);
        EXPECT_EQ(t.fakes.environmentFactory.released, 1);
    }
}

TEST(ProgramTest, UncaughtFailuresEndWithTheRunTimeErrorBox) {
    struct Case {
        const char* name;
        std::function<void(ProgramRig&)> arrange;
        std::string text;
    };
    const std::vector<Case> cases = {
        {"component cannot be created", [](ProgramRig& t) { t.fakes.environmentFactory.fail = true; },
         "Run-time error '429':\r\n\r\nActiveX component can't create object"},
        {"reading the settings fails",
         [](ProgramRig& t) {
             t.fakes.environmentFactory.prepare = [](FakeEnvironment& e) { e.failOn.insert("ReadSetting"); };
         },
         "Run-time error '-2147467259':\r\n\r\nThe environment component failed in ReadSetting"},
        {"a failure inside an event",
         [](ProgramRig& t) { t.view.user = [](frmZWIntStp&) { throw RuntimeError(errors::InvalidProcedureCall); }; },
         "Run-time error '5':\r\n\r\nInvalid procedure call or argument"},
    };
    for (const auto& c : cases) {
        ProgramRig t;
        c.arrange(t);
        EXPECT_EQ(t.RunIt(), 1) << c.name;
        // OK only, with the critical icon.
        EXPECT_EQ(t.fakes.messageBoxes.Described(),
                  std::vector<std::string>{"16 ZELT Windows Interface Setup: " + c.text});
        EXPECT_EQ(t.fakes.environmentFactory.environment, nullptr) << c.name << ": the component is released";
        EXPECT_EQ(t.fakes.environmentFactory.releasedWriteCount, 0) << c.name;
    }
}

} // namespace
} // namespace zw::test
