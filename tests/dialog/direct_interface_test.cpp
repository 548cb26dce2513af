#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "fakes/dialog_harness.h"

namespace zw::test {
namespace {

std::set<int> Checked(const ControlArray<CheckBox>& list) {
    std::set<int> rows;
    list.ForEach([&](const CheckBox& box) {
        if (box.Value() == 1)
            rows.insert(box.Index());
    });
    return rows;
}

std::string PanelOf(const frmZWIntStp& f) {
    return f.Label2(2).Caption() + "|" + f.Label2(4).Caption();
}

struct Case {
    std::vector<int> bridges, devices; // rows clicked, bridges first
    std::set<int> bridgesAfter, devicesAfter;
};

TEST(DirectInterface, NoneIsExclusiveAndDropsOnlyTheVixWinBridge) {
    const std::vector<Case> cases = {
        {{3, 9}, {1, 2}, {3, 9}, {1, 2}}, {{3}, {1, 2, 1, 2}, {3}, {0}}, {{}, {0, 0}, {0}, {0}},
        {{7}, {4, 5, 6}, {7}, {4, 5, 6}}, {{7}, {2, 0}, {0}, {0}},       {{7, 3}, {4, 6, 0}, {3}, {0}},
        {{3}, {2, 0, 3}, {3}, {3}},       {{7}, {0, 1}, {0}, {1}},
    };
    for (const auto& c : cases) {
        DialogHarness h;
        h.Load();
        auto& f = h.F();
        for (int row : c.bridges)
            f.CheckBox1(row).UserClick();
        for (int row : c.devices) {
            const auto bridgesBefore = Checked(f.CheckBox1);
            // Set in code, as a stored choice does: the hidden rows cannot be clicked by the user.
            f.DI_CheckBox1(row).SetValue(f.DI_CheckBox1(row).Value() == 1 ? 0 : 1);
            const auto devices = Checked(f.DI_CheckBox1);
            EXPECT_TRUE(devices == std::set<int>{0} || (!devices.empty() && devices.count(0) == 0));
            EXPECT_EQ(f.DI_CheckBox1(0).Tag(), "");
            if (row != 0)
                EXPECT_EQ(Checked(f.CheckBox1), bridgesBefore);
        }
        EXPECT_EQ(Checked(f.CheckBox1), c.bridgesAfter);
        EXPECT_EQ(Checked(f.DI_CheckBox1), c.devicesAfter);
        // A VixWin unchecked on the way showed its product; the device list has the last word.
        if (c.devices.back() == 0)
            EXPECT_EQ(PanelOf(f), "None|");
    }
}

TEST(DirectInterface, FocusShowsTheDeviceAndTabsSwapFramesEmptyingThePanel) {
    DialogHarness h;
    h.Load();
    auto& f = h.F();
    f.DI_CheckBox1(2).RaiseGotFocus();
    EXPECT_EQ(PanelOf(f), "AirTech - ScanX|VistaScan Version 0.3.75.0");
    EXPECT_EQ(Checked(f.DI_CheckBox1), (std::set<int>{0}));
    for (int tab : {2, 1, 2, 1}) {
        f.CheckBox1(4).RaiseGotFocus();
        f.ts->SelectTab(tab);
        PictureBox& shown = f.Picture1(tab == 1 ? 0 : 1);
        PictureBox& hidden = f.Picture1(tab == 1 ? 1 : 0);
        EXPECT_TRUE(shown.Visible()) << "tab " << tab;
        EXPECT_FALSE(hidden.Visible()) << "tab " << tab;
        EXPECT_GT(shown.ZStamp(), hidden.ZStamp());
        EXPECT_GT(shown.ZStamp(), f.Picture1(2).ZStamp());
        EXPECT_EQ(PanelOf(f), "|");
    }
}

} // namespace
} // namespace zw::test
