#include <gtest/gtest.h>

#include "base/runtime_error.h"
#include "controls/command_button.h"
#include "controls/control_array.h"
#include "support/form_fixture.h"

namespace zw::test {
namespace {

TEST_F(FormTest, ControlArraysAreSparse) {
    ControlArray<CommandButton> buttons;
    buttons.Add(std::make_unique<CommandButton>(&form, &form, "Label2", 5));
    buttons.Add(std::make_unique<CommandButton>(&form, &form, "Label2", 2));
    EXPECT_EQ(std::vector<int>({buttons.Count(), buttons.LBound(), buttons.UBound()}), std::vector<int>({2, 2, 5}));
    try {
        buttons(3);
        FAIL() << "a missing element must raise an error";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.Number(), errors::ControlArrayElementMissing);
    }
    EXPECT_THROW(buttons.Add(std::make_unique<CommandButton>(&form, &form, "Label2", 40000)), RuntimeError);
}

} // namespace
} // namespace zw::test
