#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>

#include "fakes/dialog_harness.h"

namespace zw::test {
namespace {

// Which text box and Browse button go with which check box: every other part of the dialog relies on it.
struct BridgeRowExpectation {
    int box;
    const char* caption;
    int text;   // -1: no command line
    int button; // -1: no Browse button
};

const BridgeRowExpectation BridgeRowsAsDrawn[] = {
    {0, "None", -1, -1},
    {1, "Trophy", 0, 2},
    {2, "Schick Technology", 8, 7},
    {13, "SchickTechnology - Dicom", 9, 10},
    {4, "Dexis", 2, 4},
    {5, "Vipersoft", -1, -1},
    {6, "SIDEXIS", 3, 5},
    {7, "Gendex Imaging", -1, -1},
    {8, "ProImage", -1, -1},
    {3, "TigerView", 1, 3},
    {9, "XVa3 (DMD), CliniVision,", 4, 6},
    {10, "Dimaxis", 5, -1},
    {11, "Dicom Imaging", 6, 8},
    {12, "Image F/X", 7, 9},
    {14, "MediaDent", 10, 11},
    {15, "OrthoCAD", 11, 12},
};

TEST(LayoutBridgeList, EachRowsBoxLabelAndButtonStandOnItsLine) {
    DialogHarness h;
    frmZWIntStp& f = h.F();
    float previousTop = 0;
    for (const auto& row : BridgeRowsAsDrawn) {
        SCOPED_TRACE(row.caption);
        CheckBox& box = f.CheckBox1(row.box);
        EXPECT_EQ(box.Caption(), row.caption);
        EXPECT_EQ(box.Container(), &f.Picture1(0));
        EXPECT_GT(box.Top(), previousTop); // listed from top to bottom
        previousTop = box.Top();
        if (row.text < 0)
            continue;
        const TextBox& text = f.Text1(row.text);
        const Label& label = f.Label1(row.text + 1);
        EXPECT_EQ(text.Container(), &f.Picture1(0));
        EXPECT_EQ(label.Caption(), row.text == 5 ? "Password : " : "Cmd Line : ");
        // Each line's controls stand at most 60 twips below its box, less than the 300 between lines.
        EXPECT_LE(std::abs(text.Top() - box.Top()), 60);
        EXPECT_LE(std::abs(label.Top() - box.Top()), 60);
        EXPECT_EQ(text.Enabled(), row.box == 4 || row.box == 6);
        if (row.button < 0)
            continue;
        const CommandButton& button = f.Command1(row.button);
        EXPECT_EQ(button.Caption(), "&Browse");
        EXPECT_EQ(button.Container(), &f.Picture1(0));
        EXPECT_LE(std::abs(button.Top() - box.Top()), 60);
        EXPECT_EQ(button.Enabled(), row.box == 4 || row.box == 6);
    }
    EXPECT_EQ(f.CheckBox1.Count(), 16);
    EXPECT_EQ(f.Text1.Count(), 12);
    EXPECT_EQ(f.Command1.Count(), 13);
    EXPECT_EQ(f.Label1.Count(), 13);
    EXPECT_EQ(f.Label1(0).Caption(), "Radiology Software:");
    EXPECT_EQ(f.Label3->Caption(), "Lightyear");
    EXPECT_EQ(f.Label3->Container(), &f.Picture1(0));
    EXPECT_EQ(f.Label1(8).Top(), f.CheckBox1(12).Top() + 60); // the Image F/X label
    EXPECT_EQ(f.Label1(9).Height(), 225);
    EXPECT_EQ(f.Label1(11).Height(), 255);
}

TEST(LayoutBridgeList, OnlyDimaxisHasAPasswordBox) {
    DialogHarness h;
    h.F().Text1.ForEach([](TextBox& t) {
        const bool password = t.Index() == 5;
        EXPECT_EQ(t.PasswordChar(), password ? "*" : "") << t.FullName();
        EXPECT_EQ(t.ImeDisabled(), password) << t.FullName();
    });
}

TEST(LayoutForm, CaptionSizeButtonsAndTabs) {
    DialogHarness h;
    frmZWIntStp& f = h.F();
    EXPECT_EQ(f.Caption(), "Interface Setup");
    EXPECT_EQ(f.ScaleWidth(), 7350);
    EXPECT_EQ(f.ScaleHeight(), 9345);
    EXPECT_EQ(f.Width(), 7350 + 6 * 15);
    EXPECT_EQ(f.Command1(0).Caption(), "&OK");
    EXPECT_EQ(f.Command1(1).Caption(), "&Cancel");
    EXPECT_FALSE(f.Command1(0).Cancel());
    EXPECT_TRUE(f.Command1(1).Cancel());
    EXPECT_EQ(f.Label2(3).Caption(), "Product Name:");
    EXPECT_EQ(f.Label2(5).Caption(), "Supported Version:");
    EXPECT_EQ(f.Label2(2).Caption(), "");
    EXPECT_FALSE(f.Label2.Exists(1));
    ASSERT_EQ(f.ts->TabCount(), 2);
    EXPECT_EQ(f.ts->GetTab(1).caption, "&Bridge");
    EXPECT_EQ(f.ts->GetTab(1).key, "Bridge");
    EXPECT_EQ(f.ts->GetTab(2).caption, "Direct &Interface");
    EXPECT_EQ(f.ts->GetTab(2).key, "Direct");
    EXPECT_EQ(f.ts->ClientTop(), 60 + 24 * 15); // the metrics handed to the dialog
}

TEST(LayoutForm, ContainersAndDesignedVisibility) {
    DialogHarness h;
    frmZWIntStp& f = h.F();
    struct Case {
        Control* control;
        const Control* container;
        bool visible, enabled;
    };
    const Case cases[] = {
        {f.ts, &f, true, true},
        {&f.Picture1(0), &f, true, true},
        {&f.Picture1(1), &f, false, true},
        {&f.Picture1(2), &f, false, true},
        {f.Picture2, &f, true, true},
        {&f.DI_CheckBox1(0), &f.Picture1(1), true, true},
        {&f.DI_CheckBox1(4), &f.Picture1(1), false, false},
        {&f.DI_CheckBox1(5), &f.Picture1(1), true, true},
        {&f.DI_CheckBox1(6), &f.Picture1(1), false, true},
        {&f.Prob_Label1(2), &f.Picture1(1), true, true},
        {&f.Prob_Label1(0), &f.Picture1(2), true, true},
        {&f.Prob_Option1(1), &f.Picture1(2), true, true},
        {&f.Prob_Text1(0), &f.Picture1(2), true, true},
        {&f.Prob_Command1(0), &f.Picture1(2), true, true},
        {&f.Label4(3), f.Picture2, true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.control->FullName());
        EXPECT_EQ(c.control->Container(), c.container);
        EXPECT_EQ(c.control->Visible(), c.visible);
        EXPECT_EQ(c.control->Enabled(), c.enabled);
    }
    EXPECT_EQ(f.DI_CheckBox1(5).Caption(), "Gendex Picture \"GxPicture\"");
    EXPECT_EQ(f.Prob_Label1(2).Caption(), "Direct Interface :");
    EXPECT_FALSE(f.Prob_Option1(0).Value());
    EXPECT_FALSE(f.Prob_Option1(1).Value());
}

TEST(LayoutDescription, TextsKeepTheirBlankRuns) {
    DialogHarness h;
    frmZWIntStp& f = h.F();
    EXPECT_EQ(f.Label4(1).Caption(),
              "The bridge interface allows you to utilize a third party imaging software with your ZELT Patient "
              "Information.  Images are both taken and stored in the third party software." +
                  std::string(21, ' ') +
                  "NOTE: To save images in ZELT, export them from the third party software and then import them "
                  "into ZELT. Drivers and hardware must be installed on the image-acquiring computer.");
    EXPECT_EQ(f.Label4(3).Caption(),
              "The Direct Interface allows you to take and store your digital x-ray images directly within ZELT.  "
              "The ZELT Imaging System eliminates the need for any additional software." +
                  std::string(16, ' ') +
                  "NOTE: Drivers and hardware must be installed on the image-acquiring computer.");
    EXPECT_EQ(f.Label4(0).Caption(), "Bridge:");
    EXPECT_EQ(f.Label4(2).Caption(), "Direct Interface:");
}

TEST(LayoutWhole, ContainersFirstTabOrderCompleteFramesBold) {
    DialogHarness h;
    frmZWIntStp& f = h.F();
    std::set<const Control*> created;
    std::set<int> tabs;
    for (const Control* c : f.Controls()) {
        SCOPED_TRACE(c->FullName());
        const Control* container = c->Container();
        if (container != &f) {
            EXPECT_TRUE(created.count(container)) << "created before its container";
        }
        created.insert(c);
        EXPECT_TRUE(tabs.insert(c->TabIndex()).second) << "tab index reused";
        const bool framed = c->Name() == "Picture1" || (container != &f && container->Name() == "Picture1");
        EXPECT_EQ(c->GetFont().weight, framed ? 700 : 400);
        EXPECT_EQ(c->GetFont().name, "MS Sans Serif");
    }
    ASSERT_EQ(f.Controls().size(), 82u);
    EXPECT_EQ(*tabs.begin(), 0);
    EXPECT_EQ(*tabs.rbegin(), 81);
    // Created after the tab strip, the frames stand in front of it; the Direct Interface frame is in front.
    EXPECT_GT(f.Picture1(0).ZStamp(), f.ts->ZStamp());
    EXPECT_GT(f.Picture1(1).ZStamp(), f.Picture1(0).ZStamp());
}

} // namespace
} // namespace zw::test
