// The dialog as it stands on the screen, through its control ids and in pixels.
#include <cmath>

#include "harness.h"

namespace zw::e2e {
namespace {

class LayoutTest : public DialogTest {
protected:
    void SetUp() override {
        Start();
        dpi_ = GetDpiForWindow(dialog_);
    }
    // Designed twips as the view places them: over twips per pixel, rounded.
    long Px(int twips) const { return std::lround(twips * dpi_ / 1440.0); }
    bool Shown(int id) { return (GetWindowLongW(Control(id), GWL_STYLE) & WS_VISIBLE) != 0; }

    UINT dpi_ = 96;
};

TEST_F(LayoutTest, EveryBridgeRowsCheckBoxStandsInTheBridgeFrameWhereItWasDesigned) {
    struct Row {
        int index;
        const wchar_t* caption;
        int top, width;
    };
    const Row rows[] = {
        {0, L"None", 360, 2055},
        {1, L"Trophy", 660, 915},
        {2, L"Schick Technology", 960, 1725},
        {13, L"SchickTechnology - Dicom", 1260, 2265},
        {4, L"Dexis", 1560, 1035},
        {5, L"Vipersoft", 1860, 1725},
        {6, L"SIDEXIS", 2160, 1035},
        {7, L"Gendex Imaging", 2460, 1725},
        {8, L"ProImage", 2760, 1725},
        {3, L"TigerView", 3060, 1035},
        {9, L"XVa3 (DMD), CliniVision,", 3360, 2145},
        {10, L"Dimaxis", 3930, 1635},
        {11, L"Dicom Imaging", 4230, 1365},
        {12, L"Image F/X", 4530, 1365},
        {14, L"MediaDent", 4815, 2085},
        {15, L"OrthoCAD", 5100, 2085},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(Narrow(row.caption));
        EXPECT_EQ(GetParent(Control(CheckBox1 + row.index)), Control(Picture1));
        EXPECT_EQ(Text(CheckBox1 + row.index), row.caption);
        EXPECT_EQ(Placed(CheckBox1 + row.index), (std::vector<long>{Px(270), Px(row.top), Px(row.width), Px(315)}));
    }
}

TEST_F(LayoutTest, OfferedDevicesAreStackedOneStepApartAndWhatIsNotOfferedIsHidden) {
    // The device frame lies behind the Bridge tab: each control's own visibility is asked.
    for (int i = 0; i <= 6; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(GetParent(Control(DI_CheckBox1 + i)), Control(Picture1 + 1));
        EXPECT_EQ(Shown(DI_CheckBox1 + i), i <= 3);
        EXPECT_TRUE(i > 3 || Placed(DI_CheckBox1 + i)[1] == Px(360) + 20 * i) << Placed(DI_CheckBox1 + i)[1];
    }
    EXPECT_TRUE(IsWindowVisible(Control(Picture1)));
    EXPECT_FALSE(IsWindowVisible(Control(Picture1 + 1)));
    EXPECT_FALSE(Shown(Picture1 + 2)) << "the probe frame";
}

TEST_F(LayoutTest, OkAndCancelStandOneGapBelowTheTabStrip) {
    const std::vector<long> tabs = Placed(TabStrip);
    const long top = tabs[1] + tabs[3] + 4;
    EXPECT_EQ(Placed(OK), (std::vector<long>{Px(4710), top, Px(1050), Px(405)}));
    EXPECT_EQ(Placed(Cancel), (std::vector<long>{Px(5850), top, Px(1050), Px(405)}));
    EXPECT_EQ(Text(OK) + L"|" + Text(Cancel), L"&OK|&Cancel");
}

TEST_F(LayoutTest, OnlyTheDimaxisBoxHidesItsText) {
    for (int i = 0; i <= 11; ++i)
        EXPECT_EQ((GetWindowLongW(Control(Text1 + i), GWL_STYLE) & ES_PASSWORD) != 0, i == 5) << "Text1(" << i << ")";
}

TEST_F(LayoutTest, EscClosesWithoutWritingEvenAValidChoice) {
    // Gendex needs no program file, so OK would store this choice.
    Click(CheckBox1 + 7);
    ASSERT_EQ(Check(CheckBox1 + 7), BST_CHECKED);
    PressKey(VK_ESCAPE);
    ExpectCleanExit();
    EXPECT_EQ(StoredXray(), std::nullopt);
}

} // namespace
} // namespace zw::e2e
