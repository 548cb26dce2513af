#include <gtest/gtest.h>

#include "base/runtime_error.h"
#include "controls/tab_strip.h"
#include "support/form_fixture.h"

namespace zw::test {
namespace {

TEST_F(FormTest, TabStripRaisesClickOnlyWhenTheSelectionChanges) {
    TabStrip ts(&form, &form, "ts");
    EXPECT_THROW(ts.ClientWidth(), RuntimeError) << "no client area without metrics";
    FixedTabMetrics metrics(screen, 2, 24, 4, 4);
    ts.SetClientMetrics(&metrics);
    ts.AddTab("&Bridge", "Bridge");
    ts.AddTab("Direct &Interface", "Direct");
    ts.Click = [&] { log.push_back("tab " + std::to_string(ts.SelectedTab())); };
    ts.SelectTab(1);
    ts.SelectTab(2);
    ts.SelectTab(1);
    EXPECT_EQ(log, (std::vector<std::string>{"tab 2", "tab 1"}));
    ts.Move(60, 60, 7215, 6180);
    EXPECT_EQ(ts.ClientHeight(), 5760);
}

} // namespace
} // namespace zw::test
