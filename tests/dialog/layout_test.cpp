#include <gtest/gtest.h>

#include <set>
#include <string>

#include "fakes/dialog_harness.h"

namespace zw::test {
namespace {

Control* FindControl(frmZWIntStp& f, const std::string& name, int index = Control::NotInArray) {
    return f.FindControl(name, index);
}

// One bridge row as the dialog is drawn: which text box, button and label go with which check box.
struct BridgeRowExpectation {
    int box;
    const char* caption;
    int text;   // -1: no command line
    int button; // -1: no Browse button
    float boxTop, textTop, boxWidth;
    int boxTab;
};

const BridgeRowExpectation BridgeRowsAsDrawn[] = {
    {0, "None", -1, -1, 360, 360, 2055, 0},
    {1, "Trophy", 0, 2, 660, 660, 915, 1},
    {2, "Schick Technology", 8, 7, 960, 960, 1725, 2},
    {13, "SchickTechnology - Dicom", 9, 10, 1260, 1260, 2265, 3},
    {4, "Dexis", 2, 4, 1560, 1560, 1035, 4},
    {5, "Vipersoft", -1, -1, 1860, 1860, 1725, 5},
    {6, "SIDEXIS", 3, 5, 2160, 2160, 1035, 6},
    {7, "Gendex Imaging", -1, -1, 2460, 2460, 1725, 7},
    {8, "ProImage", -1, -1, 2760, 2760, 1725, 8},
    {3, "TigerView", 1, 3, 3060, 3060, 1035, 9},
    {9, "XVa3 (DMD), CliniVision,", 4, 6, 3360, 3360, 2145, 10},
    {10, "Dimaxis", 5, -1, 3930, 3930, 1635, 11},
    {11, "Dicom Imaging", 6, 8, 4230, 4230, 1365, 12},
    {12, "Image F/X", 7, 9, 4530, 4530, 1365, 13},
    {14, "MediaDent", 10, 11, 4815, 4815, 2085, 61},
    {15, "OrthoCAD", 11, 12, 5100, 5130, 2085, 73},
};

TEST(LayoutBridgeList, EveryRowHasItsOwnBoxLabelAndButton) {
    DialogHarness h;
    frmZWIntStp& f = h.F();
    PictureBox* bridgeFrame = &f.Picture1(0);
    std::set<int> textsSeen, buttonsSeen;
    for (const auto& row : BridgeRowsAsDrawn) {
        SCOPED_TRACE(row.caption);
        CheckBox& box = f.CheckBox1(row.box);
        EXPECT_EQ(box.Caption(), row.caption);
        EXPECT_EQ(box.Container(), bridgeFrame);
        EXPECT_EQ(box.Left(), 270);
        EXPECT_EQ(box.Top(), row.boxTop);
        EXPECT_EQ(box.Width(), row.boxWidth);
        EXPECT_EQ(box.Height(), 315);
        EXPECT_EQ(box.TabIndex(), row.boxTab);
        EXPECT_EQ(box.Value(), 0);
        if (row.text < 0)
            continue;
        EXPECT_TRUE(textsSeen.insert(row.text).second);
        TextBox& text = f.Text1(row.text);
        Label& label = f.Label1(row.text + 1);
        EXPECT_EQ(text.Container(), bridgeFrame);
        EXPECT_EQ(label.Container(), bridgeFrame);
        EXPECT_EQ(text.Top(), row.textTop);
        EXPECT_EQ(text.Left(), 3420);
        EXPECT_EQ(text.Width(), 2415);
        EXPECT_EQ(label.Left(), 2520);
        EXPECT_EQ(label.Width(), 915);
        EXPECT_EQ(label.Caption(), row.text == 5 ? "Password : " : "Cmd Line : ");
        if (row.button < 0)
            continue;
        EXPECT_TRUE(buttonsSeen.insert(row.button).second);
        CommandButton& button = f.Command1(row.button);
        EXPECT_EQ(button.Caption(), "&Browse");
        EXPECT_EQ(button.Container(), bridgeFrame);
        EXPECT_EQ(button.Left(), 5880);
        EXPECT_EQ(button.Width(), 750);
    }
    EXPECT_EQ(textsSeen.size(), 12u);
    EXPECT_EQ(buttonsSeen.size(), 11u);
    EXPECT_EQ(f.CheckBox1.Count(), 16);
    EXPECT_EQ(f.Text1.Count(), 12);
    EXPECT_EQ(f.Command1.Count(), 13);
    EXPECT_EQ(f.Label1.Count(), 13);
}

TEST(LayoutBridgeList, LabelTopsAndHeightsFollowTheirRows) {
    DialogHarness h;
    frmZWIntStp& f = h.F();
    struct Case {
        int label;
        float top, height;
    };
    const Case cases[] = {{1, 720, 225},  {9, 1020, 225},  {10, 1320, 225}, {3, 1620, 255}, {6, 3990, 255},
                          {8, 4590, 255}, {11, 4845, 255}, {12, 5160, 255}, {0, 120, 255}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(f.Label1(c.label).Top(), c.top);
        EXPECT_EQ(f.Label1(c.label).Height(), c.height);
    }
    EXPECT_EQ(f.Label1(0).Caption(), "Radiology Software:");
    EXPECT_EQ(f.Label3->Caption(), "Lightyear");
    EXPECT_EQ(f.Label3->Container(), &f.Picture1(0));
    EXPECT_EQ(f.Label3->Top(), 3660);
    // OrthoCAD's box stands higher than its text box and button.
    EXPECT_EQ(f.Text1(11).Top(), 5130);
    EXPECT_EQ(f.Command1(12).Top(), 5130);
}

TEST(LayoutBridgeList, OnlyDexisAndSidexisLinesAreEnabledAsDrawn) {
    DialogHarness h;
    frmZWIntStp& f = h.F();
    f.Text1.ForEach([](TextBox& t) { EXPECT_EQ(t.Enabled(), t.Index() == 2 || t.Index() == 3) << t.FullName(); });
    f.Command1.ForEach([](CommandButton& b) {
        const bool expected = b.Index() <= 1 || b.Index() == 4 || b.Index() == 5;
        EXPECT_EQ(b.Enabled(), expected) << b.FullName();
    });
    f.CheckBox1.ForEach([](CheckBox& c) { EXPECT_TRUE(c.Enabled() && c.Visible()) << c.FullName(); });
}

TEST(LayoutBridgeList, DimaxisHasAPasswordBoxAndNoOtherBoxDoes) {
    DialogHarness h;
    frmZWIntStp& f = h.F();
    f.Text1.ForEach([](TextBox& t) {
        const bool password = t.Index() == 5;
        EXPECT_EQ(t.PasswordChar(), password ? "*" : "") << t.FullName();
        EXPECT_EQ(t.ImeDisabled(), password) << t.FullName();
        EXPECT_EQ(t.Text(), "");
    });
}

TEST(LayoutForm, FormCaptionSizeAndButtons) {
    DialogHarness h;
    frmZWIntStp& f = h.F();
    EXPECT_EQ(f.Caption(), "Interface Setup");
    EXPECT_EQ(f.ScaleWidth(), 7350);
    EXPECT_EQ(f.ScaleHeight(), 9345);
    EXPECT_EQ(f.Width(), 7350 + 6 * 15);
    EXPECT_EQ(f.Height(), 9345 + 29 * 15);
    EXPECT_EQ(f.Command1(0).Caption(), "&OK");
    EXPECT_EQ(f.Command1(1).Caption(), "&Cancel");
    EXPECT_FALSE(f.Command1(0).Cancel());
    EXPECT_TRUE(f.Command1(1).Cancel());
    EXPECT_EQ(f.Command1(0).Container(), &f);
    EXPECT_EQ(f.Command1(1).Top(), 6375);
}

TEST(LayoutForm, FramesAndPanelAsDrawn) {
    DialogHarness h;
    frmZWIntStp& f = h.F();
    struct Case {
        Control* control;
        float left, top, width, height;
        int tab;
        bool visible;
        const char* caption;
    };
    const Case cases[] = {
        {f.ts, 60, 60, 7215, 6180, 24, true, ""},
        {&f.Picture1(0), 225, 510, 6885, 5535, 27, true, ""},
        {&f.Picture1(1), 7335, 1485, 6285, 3495, 55, false, ""},
        {&f.Picture1(2), 7380, 180, 6285, 1155, 33, false, ""},
        {f.Picture2, 180, 6975, 6945, 2220, 77, true, ""},
        {&f.Label2(2), 1620, 6375, 3075, 225, 50, true, ""},
        {&f.Label2(3), 150, 5220, 1125, 225, 51, true, "Product Name:"},
        {&f.Label2(4), 1620, 6660, 3075, 225, 53, true, ""},
        {&f.Label2(5), 180, 6360, 1365, 225, 52, true, "Supported Version:"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.control->FullName());
        EXPECT_EQ(c.control->Container(), &f);
        EXPECT_EQ(c.control->Left(), c.left);
        EXPECT_EQ(c.control->Top(), c.top);
        EXPECT_EQ(c.control->Width(), c.width);
        EXPECT_EQ(c.control->Height(), c.height);
        EXPECT_EQ(c.control->TabIndex(), c.tab);
        EXPECT_EQ(c.control->Visible(), c.visible);
        EXPECT_EQ(c.control->DisplayText(), c.caption);
    }
    EXPECT_FALSE(f.Label2.Exists(0));
    EXPECT_FALSE(f.Label2.Exists(1));
    EXPECT_EQ(f.Label2.Count(), 4);
}

TEST(LayoutForm, TabStripHasBridgeThenDirectTab) {
    DialogHarness h;
    frmZWIntStp& f = h.F();
    ASSERT_EQ(f.ts->TabCount(), 2);
    EXPECT_EQ(f.ts->GetTab(1).caption, "&Bridge");
    EXPECT_EQ(f.ts->GetTab(1).key, "Bridge");
    EXPECT_EQ(f.ts->GetTab(2).caption, "Direct &Interface");
    EXPECT_EQ(f.ts->GetTab(2).key, "Direct");
    // The client area comes from the metrics given to the dialog: 2 and 24 pixels in at 15 twips.
    EXPECT_EQ(f.ts->ClientLeft(), 60 + 30);
    EXPECT_EQ(f.ts->ClientTop(), 60 + 360);
}

TEST(LayoutDirectList, DevicesAsDrawn) {
    DialogHarness h;
    frmZWIntStp& f = h.F();
    struct Case {
        int index;
        const char* caption;
        float top, width;
        int tab;
        bool visible, enabled;
    };
    const Case cases[] = {
        {0, "None", 360, 2055, 65, true, true},
        {1, "Gendex - DenOptix", 660, 2385, 66, true, true},
        {5, "Gendex Picture \"GxPicture\"", 960, 2385, 67, true, true},
        {2, "Air Techniques - ScanX", 1260, 2985, 68, true, true},
        {3, "Schick CDR - Dicom", 1560, 2985, 69, true, true},
        {4, "Radiography System Visiodent - RSV", 1860, 2985, 70, false, false},
        {6, "SUNI Medical Imaging Systems", 2130, 2985, 71, false, true},
    };
    for (const auto& c : cases) {
        CheckBox& box = f.DI_CheckBox1(c.index);
        SCOPED_TRACE(box.FullName());
        EXPECT_EQ(box.Caption(), c.caption);
        EXPECT_EQ(box.Container(), &f.Picture1(1));
        EXPECT_EQ(box.Left(), 270);
        EXPECT_EQ(box.Top(), c.top);
        EXPECT_EQ(box.Width(), c.width);
        EXPECT_EQ(box.TabIndex(), c.tab);
        EXPECT_EQ(box.Visible(), c.visible);
        EXPECT_EQ(box.Enabled(), c.enabled);
    }
    EXPECT_EQ(f.DI_CheckBox1.Count(), 7);
    EXPECT_EQ(f.Prob_Label1(2).Caption(), "Direct Interface :");
    EXPECT_EQ(f.Prob_Label1(2).Container(), &f.Picture1(1));
}

TEST(LayoutProbeFrame, ProbeControlsAsDrawnWithNeitherOptionOn) {
    DialogHarness h;
    frmZWIntStp& f = h.F();
    EXPECT_EQ(f.Prob_Label1(0).Caption(), "Dental Probe Software:");
    EXPECT_EQ(f.Prob_Label1(1).Caption(), "Cmd Line : ");
    EXPECT_EQ(f.Prob_Option1(0).Caption(), "None");
    EXPECT_EQ(f.Prob_Option1(1).Caption(), "Florida Probe");
    EXPECT_FALSE(f.Prob_Option1(0).Value());
    EXPECT_FALSE(f.Prob_Option1(1).Value());
    EXPECT_TRUE(f.Prob_Text1(0).Enabled());
    EXPECT_TRUE(f.Prob_Command1(0).Enabled());
    EXPECT_EQ(f.Prob_Command1(0).Caption(), "&Browse");
    for (Control* c : std::initializer_list<Control*>{&f.Prob_Label1(0), &f.Prob_Label1(1), &f.Prob_Option1(0),
                                                      &f.Prob_Option1(1), &f.Prob_Text1(0), &f.Prob_Command1(0)})
        EXPECT_EQ(c->Container(), &f.Picture1(2)) << c->FullName();
    EXPECT_EQ(f.Prob_Text1(0).Left(), 2535);
    EXPECT_EQ(f.Prob_Command1(0).Width(), 990);
    // Turning one on turns the other off: they share the frame as their group.
    f.Prob_Option1(1).SetValue(true);
    f.Prob_Option1(0).SetValue(true);
    EXPECT_FALSE(f.Prob_Option1(1).Value());
}

// The description texts keep their runs of blanks before NOTE: and two blanks after the first sentence.
TEST(LayoutDescription, TextsKeepTheirBlankRuns) {
    DialogHarness h;
    frmZWIntStp& f = h.F();
    const std::string bridge = f.Label4(1).Caption();
    const std::string direct = f.Label4(3).Caption();
    EXPECT_EQ(bridge, "The bridge interface allows you to utilize a third party imaging software with your ZELT "
                      "Patient Information.  Images are both taken and stored in the third party software." +
                          std::string(21, ' ') +
                          "NOTE: To save images in ZELT, export them from the third party software and then "
                          "import them into ZELT. Drivers and hardware must be installed on the image-acquiring "
                          "computer.");
    EXPECT_EQ(direct, "The Direct Interface allows you to take and store your digital x-ray images directly within "
                      "ZELT.  The ZELT Imaging System eliminates the need for any additional software." +
                          std::string(16, ' ') +
                          "NOTE: Drivers and hardware must be installed on the image-acquiring computer.");
    EXPECT_EQ(f.Label4(0).Caption(), "Bridge:");
    EXPECT_EQ(f.Label4(2).Caption(), "Direct Interface:");
    f.Label4.ForEach([&](Label& l) { EXPECT_EQ(l.Container(), f.Picture2); });
    EXPECT_EQ(f.Label4(3).Height(), 645);
}

TEST(LayoutWhole, ContainersComeFirstAndTabOrderIsComplete) {
    DialogHarness h;
    frmZWIntStp& f = h.F();
    std::set<const Control*> created;
    std::set<int> tabs;
    for (const Control* c : f.Controls()) {
        if (c->Container() != &f) {
            EXPECT_TRUE(created.count(c->Container())) << c->FullName() << " before its container";
        }
        created.insert(c);
        EXPECT_TRUE(tabs.insert(c->TabIndex()).second) << "tab index reused by " << c->FullName();
    }
    ASSERT_EQ(f.Controls().size(), 82u);
    EXPECT_EQ(*tabs.begin(), 0);
    EXPECT_EQ(*tabs.rbegin(), 81);
    // The frames were created before the controls laid over the tab strip, so they stand in front of it.
    EXPECT_GT(f.Picture1(0).ZStamp(), f.ts->ZStamp());
    EXPECT_GT(f.Picture1(1).ZStamp(), f.Picture1(0).ZStamp());
}

TEST(LayoutWhole, FramesAndTheirChildrenAreBold) {
    DialogHarness h;
    frmZWIntStp& f = h.F();
    for (const Control* c : f.Controls()) {
        const Control* container = c->Container();
        const bool framed = c->Name() == "Picture1" || (container != &f && container->Name() == "Picture1");
        EXPECT_EQ(c->GetFont().weight, framed ? 700 : 400) << c->FullName();
        EXPECT_EQ(c->GetFont().name, "MS Sans Serif");
        EXPECT_FLOAT_EQ(c->GetFont().size, 8.25f);
        EXPECT_EQ(c->GetFont().charset, 0);
    }
    EXPECT_NE(FindControl(f, "Label3"), nullptr);
    EXPECT_TRUE(f.Label3->GetFont().Bold());
    EXPECT_FALSE(f.Label4(1).GetFont().Bold());
}

} // namespace
} // namespace zw::test
