#include <gtest/gtest.h>

#include <memory>

#include "controls/check_box.h"
#include "support/form_fixture.h"

namespace zw::test {
namespace {

TEST_F(FormTest, TabIndexesStayUniqueWhenAControlMoves) {
    std::vector<std::unique_ptr<CheckBox>> boxes;
    for (int i = 0; i < 5; ++i) {
        boxes.push_back(std::make_unique<CheckBox>(&form, &form, "Box", i));
        boxes.back()->SetTabIndex(10 + i);
    }
    auto order = [&] {
        std::vector<int> tabs;
        for (auto& box : boxes)
            tabs.push_back(box->TabIndex());
        return tabs;
    };
    boxes[3]->SetTabIndex(11); // up: 11 and 12 move down one place
    EXPECT_EQ(order(), (std::vector<int>{10, 12, 13, 11, 14}));
    boxes[3]->SetTabIndex(14); // down: those after it move up one place
    EXPECT_EQ(order(), (std::vector<int>{10, 11, 12, 14, 13}));
}

} // namespace
} // namespace zw::test
