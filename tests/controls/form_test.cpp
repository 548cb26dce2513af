#include <gtest/gtest.h>

#include "support/form_fixture.h"

namespace zw::test {
namespace {

TEST_F(FormTest, FormUnloadAsksQueryUnloadWithItsModeAndHonoursCancel) {
    struct Probe : Form {
        using Form::Form;
        std::vector<std::string>* log = nullptr;
        int cancelQuery = 0;
        void OnActivate() override { log->push_back("activate"); }
        void OnQueryUnload(int& cancel, UnloadMode mode) override {
            log->push_back("query " + std::to_string(static_cast<int>(mode)));
            cancel = cancelQuery;
        }
        void OnUnload(int&) override { log->push_back("unload"); }
        void OnTerminate() override { log->push_back("terminate"); }
    } probe("probe", screen, frame);
    probe.log = &log;

    probe.Show();
    probe.cancelQuery = 1;
    EXPECT_FALSE(probe.Unload(UnloadMode::ControlMenu));
    probe.cancelQuery = 0;
    EXPECT_TRUE(probe.Unload(UnloadMode::FormCode));
    EXPECT_TRUE(probe.Unload(UnloadMode::FormCode)) << "an unloaded form stays unloaded, nothing runs";
    probe.Terminate();
    probe.Terminate();
    EXPECT_EQ(log, (std::vector<std::string>{"activate", "query 0", "query 1", "unload", "terminate"}));
}

} // namespace
} // namespace zw::test
