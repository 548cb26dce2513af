#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/check_box.h"
#include "controls/command_button.h"
#include "controls/control_array.h"
#include "controls/form.h"
#include "controls/option_button.h"
#include "controls/picture_box.h"
#include "controls/runtime_error.h"
#include "controls/tab_strip.h"
#include "controls/text_box.h"

namespace zw {
namespace {

struct Recorder : ControlObserver {
    std::vector<std::string> changes;
    void PropertyChanged(Control& control, Property property) override {
        changes.push_back(control.FullName() + ":" + std::to_string(static_cast<int>(property)));
    }
};

struct ModelTest : ::testing::Test {
    Screen screen = Screen::FromPixels(1024, 768, 96, 96);
    FixedFrameMetrics frame{90, 435};
    Form form{"frm", screen, frame};
    std::vector<std::string> log;
};

TEST_F(ModelTest, CheckBoxRaisesClickOnlyWhenTheValueChanges) {
    CheckBox box(&form, &form, "Check", 0);
    box.Click = [&] { log.push_back("click " + std::to_string(box.Value())); };

    box.SetValue(1);
    box.SetValue(1);
    box.SetValue(2);
    box.SetValue(0);
    EXPECT_EQ(log, (std::vector<std::string>{"click 1", "click 2", "click 0"}));
    EXPECT_THROW(box.SetValue(3), RuntimeError);
    EXPECT_THROW(box.SetValue(-1), RuntimeError);
    EXPECT_EQ(box.Value(), 0);
}

TEST_F(ModelTest, UserClickTogglesAsTheRunTimeDoes) {
    CheckBox box(&form, &form, "Check", 0);
    const std::vector<std::pair<int, int>> cases = {{0, 1}, {1, 0}, {2, 1}};
    for (auto [from, to] : cases) {
        box.SetValue(from);
        box.UserClick();
        EXPECT_EQ(box.Value(), to) << "from " << from;
    }
    box.SetEnabled(false);
    box.UserClick();
    EXPECT_EQ(box.Value(), 1) << "a disabled box ignores the user";
}

TEST_F(ModelTest, NestedClickRunsBeforeTheOuterAssignmentReturns) {
    CheckBox a(&form, &form, "A", 0);
    CheckBox b(&form, &form, "B", 1);
    a.Click = [&] {
        log.push_back("a in");
        b.SetValue(1);
        log.push_back("a out, b=" + std::to_string(b.Value()));
    };
    b.Click = [&] {
        log.push_back("b in");
        a.SetValue(0); // re-enters a's handler while a's first run is still going on
        log.push_back("b out");
    };
    a.SetValue(1);
    EXPECT_EQ(log, (std::vector<std::string>{"a in", "b in", "a in", "a out, b=1", "b out", "a out, b=1"}));
}

TEST_F(ModelTest, OptionButtonsFormOneGroupPerContainer) {
    PictureBox left(&form, &form, "Left");
    PictureBox right(&form, &form, "Right");
    OptionButton l0(&form, &left, "L", 0), l1(&form, &left, "L", 1), r0(&form, &right, "R", 0);
    int clicks = 0;
    l1.Click = [&] { ++clicks; };

    l0.SetValue(true);
    r0.SetValue(true);
    l1.SetValue(true);
    EXPECT_FALSE(l0.Value());
    EXPECT_TRUE(l1.Value());
    EXPECT_TRUE(r0.Value()) << "another container's group is left alone";
    l1.SetValue(true);
    l1.UserClick();
    EXPECT_EQ(clicks, 1) << "turning on a button that is on raises nothing";
}

TEST_F(ModelTest, ObserversSeeChangesBeforeTheClickAndNothingForSameValues) {
    Recorder recorder;
    form.AddObserver(recorder);
    CheckBox box(&form, &form, "Check", 3);
    box.Click = [&] { log.push_back(std::to_string(recorder.changes.size())); };

    box.SetValue(1);
    box.SetValue(1);
    box.Move(10, 20);
    box.Move(10, 20);
    box.SetTag("BUSY");
    ASSERT_EQ(log, std::vector<std::string>{"1"});
    EXPECT_EQ(recorder.changes,
              (std::vector<std::string>{"Check(3):" + std::to_string(static_cast<int>(Property::Value)),
                                        "Check(3):" + std::to_string(static_cast<int>(Property::Left)),
                                        "Check(3):" + std::to_string(static_cast<int>(Property::Top)),
                                        "Check(3):" + std::to_string(static_cast<int>(Property::Tag))}));
    form.RemoveObserver(recorder);
}

TEST_F(ModelTest, MoveKeepsWhatItIsNotGiven) {
    TextBox box(&form, &form, "Text", 0);
    box.Move(1, 2, 3, 4);
    box.Move(10);
    EXPECT_EQ(box.Left(), 10);
    EXPECT_EQ(box.Top(), 2);
    EXPECT_EQ(box.Width(), 3);
    EXPECT_EQ(box.Height(), 4);
}

TEST_F(ModelTest, FormInnerSizeIsOuterSizeLessTheFrame) {
    form.Move(0, 0, 7440, 9780);
    EXPECT_EQ(form.ScaleWidth(), 7350);
    EXPECT_EQ(form.ScaleHeight(), 9345);
}

TEST_F(ModelTest, ZOrderBringsAControlToTheFront) {
    PictureBox a(&form, &form, "A"), b(&form, &form, "B");
    EXPECT_GT(b.ZStamp(), a.ZStamp());
    a.ZOrder(0);
    EXPECT_GT(a.ZStamp(), b.ZStamp());
    a.ZOrder(1);
    EXPECT_LT(a.ZStamp(), b.ZStamp());
}

TEST(ControlArrayTest, IsSparseAndAddressedByIndex) {
    Screen screen = Screen::FromPixels(800, 600, 96, 96);
    FixedFrameMetrics frame{0, 0};
    Form form{"frm", screen, frame};
    ControlArray<CommandButton> buttons;
    buttons.Add(std::make_unique<CommandButton>(&form, &form, "Label2", 5));
    buttons.Add(std::make_unique<CommandButton>(&form, &form, "Label2", 2));
    EXPECT_EQ(buttons.Count(), 2);
    EXPECT_EQ(buttons.LBound(), 2);
    EXPECT_EQ(buttons.UBound(), 5);
    EXPECT_EQ(buttons(5).FullName(), "Label2(5)");
    try {
        buttons(3);
        FAIL() << "a missing element must raise an error";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.Number(), errors::ControlArrayElementMissing);
    }
    EXPECT_THROW(buttons.Add(std::make_unique<CommandButton>(&form, &form, "Label2", 2)), RuntimeError);
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

    EXPECT_TRUE(ts.IsSelected(1));
    ts.SelectTab(1);
    ts.SelectTab(2);
    ts.SelectTab(1);
    EXPECT_EQ(log, (std::vector<std::string>{"tab 2", "tab 1"}));
    EXPECT_THROW(ts.SelectTab(3), RuntimeError);

    ts.Move(60, 60, 7215, 6180);
    EXPECT_EQ(ts.ClientLeft(), 90);
    EXPECT_EQ(ts.ClientHeight(), 5760);
}

TEST_F(ModelTest, LifeCycleRunsQueryUnloadWithItsModeAndHonoursCancel) {
    struct Probe : Form {
        using Form::Form;
        std::vector<std::string>* log = nullptr;
        int cancelQuery = 0;
        void OnInitialize() override { log->push_back("init"); }
        void OnLoad() override { log->push_back("load"); }
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
    EXPECT_TRUE(probe.Visible());
    probe.cancelQuery = 1;
    EXPECT_FALSE(probe.Unload(UnloadMode::ControlMenu));
    EXPECT_TRUE(probe.IsLoaded());
    probe.cancelQuery = 0;
    EXPECT_TRUE(probe.Unload(UnloadMode::FormCode));
    EXPECT_FALSE(probe.Visible());
    EXPECT_TRUE(probe.Unload(UnloadMode::FormCode)) << "an unloaded form stays unloaded, nothing runs";
    probe.Terminate();
    probe.Terminate();
    EXPECT_EQ(log, (std::vector<std::string>{"init", "load", "activate", "query 0", "query 1", "unload", "terminate"}));
}

TEST_F(ModelTest, UnloadFromInsideActivateEndsTheForm) {
    struct SelfClosing : Form {
        using Form::Form;
        void OnActivate() override { Unload(UnloadMode::FormCode); }
    } closing("closing", screen, frame);
    closing.Show();
    EXPECT_FALSE(closing.IsLoaded());
}

} // namespace
} // namespace zw

namespace zw {
namespace {

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
    EXPECT_THROW(boxes[0]->SetTabIndex(-1), RuntimeError);
}

} // namespace
} // namespace zw
