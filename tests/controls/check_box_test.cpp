#include <gtest/gtest.h>

#include "base/runtime_error.h"
#include "controls/check_box.h"
#include "support/form_fixture.h"

namespace zw::test {
namespace {

TEST_F(FormTest, CheckBoxClickComesInsideAChangingAssignmentAfterTheObservers) {
    form.AddObserver(*this);
    CheckBox box(&form, &form, "Box", 3);
    box.Click = [&] { log.push_back("click " + std::to_string(box.Value())); };
    const std::string changed = "Box(3) changed " + std::to_string(static_cast<int>(Property::Value));

    box.SetValue(1);
    box.SetValue(1); // same value: nothing
    box.UserClick(); // 1 -> 0
    box.SetValue(2);
    box.UserClick(); // 2 -> 1
    box.SetEnabled(false);
    box.UserClick(); // ignored
    EXPECT_EQ(log,
              (std::vector<std::string>{changed, "click 1", changed, "click 0", changed, "click 2", changed, "click 1",
                                        "Box(3) changed " + std::to_string(static_cast<int>(Property::Enabled))}));
    EXPECT_THROW(box.SetValue(3), RuntimeError);
    form.RemoveObserver(*this);
}

TEST_F(FormTest, CheckBoxNestedClickRunsBeforeTheOuterAssignmentReturns) {
    CheckBox a(&form, &form, "A", 0), b(&form, &form, "B", 1);
    a.Click = [&] {
        log.push_back("a in");
        b.SetValue(1);
        log.push_back("a out");
    };
    b.Click = [&] {
        log.push_back("b in");
        a.SetValue(0); // re-enters a's handler while its first run is still going on
        log.push_back("b out");
    };
    a.SetValue(1);
    EXPECT_EQ(log, (std::vector<std::string>{"a in", "b in", "a in", "a out", "b out", "a out"}));
}

} // namespace
} // namespace zw::test
