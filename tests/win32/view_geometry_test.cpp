// The view's pure rules: pixels from twips, control ids, accelerators, the DPI override and the tab order
// across containers.
#include <gtest/gtest.h>

#include "controls/metrics.h"
#include "view_test_form.h"
#include "win32/view_geometry.h"
#include "win32/view_tab_order.h"

namespace zw::test {
namespace {

using namespace zw::view;

TEST(ViewGeometry, TwipsBecomeTheNearestPixel) {
    EXPECT_EQ(TwipsToPixels(7215, 15), 481);
    EXPECT_EQ(TwipsToPixels(7215, 12), 601);
    EXPECT_EQ(TwipsToPixels(30, 12), 3);
    EXPECT_EQ(TwipsToPixels(-60, 15), -4);
    EXPECT_EQ(TwipsToPixels(7350, 15, 1.5), 735);
    EXPECT_FLOAT_EQ(PixelsToTwips(735, 15, 1.5), 7350);
}

TEST(ViewGeometry, ControlIdsAreFixedByNameAndIndex) {
    struct Case {
        const char* name;
        int index;
        int id;
    } cases[] = {
        {"CheckBox1", 15, 1015},   {"Text1", 11, 1111},        {"Command1", 12, 1212},   {"Label1", 12, 1312},
        {"DI_CheckBox1", 6, 1406}, {"Label2", 5, 1505},        {"Label4", 3, 1603},      {"Prob_Option1", 1, 1701},
        {"Prob_Text1", 0, 1710},   {"Prob_Command1", 0, 1720}, {"Prob_Label1", 2, 1732}, {"Picture1", 2, 1802},
        {"Picture2", -1, 1810},    {"ts", -1, 1900},           {"Label3", -1, 1950},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DesignedControlId(c.name, c.index), c.id) << c.name << "(" << c.index << ")";
    // Unknown names, and indexes that would run into the next range, have none.
    EXPECT_FALSE(DesignedControlId("checkbox1", 0));
    EXPECT_FALSE(DesignedControlId("Prob_Option1", 10));
    EXPECT_FALSE(DesignedControlId("CheckBox1", -1));
    EXPECT_FALSE(DesignedControlId("ts", 0));
}

TEST(ViewGeometry, AcceleratorIsTheLetterAfterASingleAmpersand) {
    EXPECT_EQ(AcceleratorOf(L"&Bridge"), L'B');
    EXPECT_EQ(AcceleratorOf(L"Direct &Interface"), L'I');
    EXPECT_EQ(AcceleratorOf(L"&ok"), L'O');
    EXPECT_EQ(AcceleratorOf(L"Salt && &Pepper"), L'P');
    EXPECT_EQ(AcceleratorOf(L"Salt && Pepper"), 0);
    EXPECT_EQ(AcceleratorOf(L"None"), 0);
    EXPECT_EQ(AcceleratorOf(L"Trailing&"), 0);

    EXPECT_TRUE(MatchesAccelerator(L'i', L'I'));
    EXPECT_TRUE(MatchesAccelerator(L'I', L'I'));
    EXPECT_FALSE(MatchesAccelerator(L'b', L'I'));
    EXPECT_FALSE(MatchesAccelerator(0, 0));
}

TEST(ViewGeometry, DpiOverrideTakesOnlyAPlausibleWholeNumber) {
    EXPECT_EQ(ParseDpiOverride("120"), 120);
    EXPECT_EQ(ParseDpiOverride("960"), 960);
    for (const char* bad : {"", "0", "47", "961", "120dpi", "abc", "-96", " 96"})
        EXPECT_FALSE(ParseDpiOverride(bad)) << '"' << bad << '"';
    EXPECT_FALSE(ParseDpiOverride(nullptr));
}

// The tab order on a form whose controls are not laid out in their tab order.
class ViewTabOrder : public ::testing::Test {
protected:
    Screen screen = Screen::FromPixels(1024, 768, 96, 96);
    FixedFrameMetrics frame{90, 435};
    struct NoTabs : TabClientMetrics {
        TwipsRect ClientArea(const TabStrip&) const override { return {}; }
    } tabs;
    ViewTestForm form{screen, frame, tabs};

    void SetUp() override { form.SetVisible(true); }
};

TEST_F(ViewTabOrder, FollowsTabIndexAcrossContainersAndWraps) {
    // The option buttons lie in the hidden frame; the rest follows TabIndex whatever its container.
    const Control* expected[] = {form.boxA, form.boxB, form.ok, form.cancel, form.text, form.password, form.tabStrip};
    const Control* current = nullptr;
    for (const Control* want : expected) {
        current = NextInTabOrder(form, current, true);
        EXPECT_EQ(current, want) << (current ? current->FullName() : "nothing");
    }
    EXPECT_EQ(NextInTabOrder(form, current, true), form.boxA);
    EXPECT_EQ(NextInTabOrder(form, form.boxA, false), form.tabStrip);
    EXPECT_EQ(NextInTabOrder(form, form.ok, false), form.boxB);
    EXPECT_EQ(NextInTabOrder(form, nullptr, false), form.tabStrip);
}

TEST_F(ViewTabOrder, SkipsWhatCannotTakeTheFocus) {
    form.boxB->SetEnabled(false);
    form.ok->SetVisible(false);
    form.text->SetTabStop(false);
    EXPECT_EQ(NextInTabOrder(form, form.boxA, true), form.cancel);
    EXPECT_EQ(NextInTabOrder(form, form.cancel, true), form.password);

    // A disabled container takes its controls out of the order; a hidden one did already.
    form.frameA->SetEnabled(false);
    EXPECT_EQ(NextInTabOrder(form, nullptr, true), form.cancel);
    form.frameB->SetVisible(true);
    EXPECT_EQ(NextInTabOrder(form, form.tabStrip, true), form.option0);

    // Labels and frames never take it, even with a tab stop.
    form.label->SetTabStop(true);
    form.frameB->SetTabStop(true);
    EXPECT_FALSE(CanTakeFocus(*form.label));
    EXPECT_FALSE(CanTakeFocus(*form.frameB));
}

TEST_F(ViewTabOrder, GoesOnFromAHiddenControlAndFindsNothingOnAHiddenForm) {
    form.boxB->SetVisible(false);
    EXPECT_EQ(NextInTabOrder(form, form.boxB, true), form.ok);
    EXPECT_EQ(NextInTabOrder(form, form.boxB, false), form.boxA);
    form.SetVisible(false);
    EXPECT_EQ(NextInTabOrder(form, nullptr, true), nullptr);
}

TEST_F(ViewTabOrder, ArrowsInAnOptionGroupStayInTheGroup) {
    form.frameB->SetVisible(true);
    EXPECT_EQ(NextOptionInGroup(form, *form.option0, true), form.option1);
    EXPECT_EQ(NextOptionInGroup(form, *form.option1, true), form.option0);
    EXPECT_EQ(NextOptionInGroup(form, *form.option0, false), form.option1);
    form.option1->SetEnabled(false);
    EXPECT_EQ(NextOptionInGroup(form, *form.option0, true), nullptr);
}

} // namespace
} // namespace zw::test
