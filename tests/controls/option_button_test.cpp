#include <gtest/gtest.h>

#include "controls/option_button.h"
#include "controls/picture_box.h"
#include "support/form_fixture.h"

namespace zw::test {
namespace {

TEST_F(FormTest, OptionButtonsFormOneGroupPerContainer) {
    PictureBox left(&form, &form, "Left"), right(&form, &form, "Right");
    OptionButton l0(&form, &left, "L", 0), l1(&form, &left, "L", 1), r0(&form, &right, "R", 0);
    int clicks = 0;
    l1.Click = [&] { ++clicks; };
    l0.SetValue(true);
    r0.SetValue(true);
    l1.UserClick();
    l1.SetValue(true); // already on: no click
    EXPECT_EQ(std::vector<bool>({l0.Value(), l1.Value(), r0.Value()}), std::vector<bool>({false, true, true}));
    EXPECT_EQ(clicks, 1);
}

} // namespace
} // namespace zw::test
