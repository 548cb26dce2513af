#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/runtime_error.h"
#include "controls/check_box.h"
#include "controls/command_button.h"
#include "controls/control_array.h"
#include "controls/form.h"
#include "controls/option_button.h"
#include "controls/picture_box.h"
#include "controls/tab_strip.h"

namespace zw {
namespace {

struct ModelTest : ::testing::Test, ControlObserver {
    Screen screen = Screen::FromPixels(1024, 768, 96, 96);
    FixedFrameMetrics frame{90, 435};
    Form form{"frm", screen, frame};
    std::vector<std::string> log;
    void PropertyChanged(Control& control, Property property) override {
        log.push_back(control.FullName() + " changed " + std::to_string(static_cast<int>(property)));
    }
};

TEST_F(ModelTest, CheckBoxClickComesInsideAChangingAssignmentAfterTheObservers) {
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

TEST_F(ModelTest, NestedClickRunsBeforeTheOuterAssignmentReturns) {
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

TEST_F(ModelTest, OptionButtonsFormOneGroupPerContainer) {
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

TEST_F(ModelTest, TabIndexesStayUniqueWhenAControlMoves) {
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

TEST_F(ModelTest, ControlArraysAreSparse) {
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

struct InsetTabs : TabClientMetrics {
    TwipsRect ClientArea(const TabStrip& ts) const override {
        return {ts.Left() + 30, ts.Top() + 360, ts.Width() - 90, ts.Height() - 420};
    }
};

TEST_F(ModelTest, TabStripRaisesClickOnlyWhenTheSelectionChanges) {
    TabStrip ts(&form, &form, "ts");
    EXPECT_THROW(ts.ClientWidth(), RuntimeError) << "no client area without metrics";
    InsetTabs metrics;
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

TEST_F(ModelTest, UnloadAsksQueryUnloadWithItsModeAndHonoursCancel) {
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
} // namespace zw
