// The dialog as it stands on the screen: every bridge row's native controls at their places in pixels, the
// direct-interface list as stacked at load, the buttons and panel under the tab strip, what stays hidden,
// the password box, and Esc.
#include <cmath>

#include "e2e_dialog_fixture.h"

namespace zw::e2e {
namespace {

// The arrangement's gaps are whole pixels at any resolution.
constexpr int GapPixels = 4;
constexpr int DeviceStepPixels = 20;

// Designed places in twips, Left, Top, Width, Height, inside the control's container.
struct TwipRect {
    int left, top, width, height;
};

class LayoutTest : public DialogTest {
protected:
    // The designed twips as the view places them: twips over twips per pixel, rounded.
    int Pixels(int twips) const { return static_cast<int>(std::lround(twips * dpi_ / 1440.0)); }

    void ExpectAt(int id, const TwipRect& designed, const std::string& what) {
        HWND control = program->Control(id);
        ASSERT_NE(control, nullptr) << what;
        const RECT r = RectInParent(control);
        EXPECT_EQ(r.left, Pixels(designed.left)) << what << " left";
        EXPECT_EQ(r.top, Pixels(designed.top)) << what << " top";
        EXPECT_EQ(r.right - r.left, Pixels(designed.width)) << what << " width";
        EXPECT_EQ(r.bottom - r.top, Pixels(designed.height)) << what << " height";
    }

    RECT At(int id) { return RectInParent(program->Control(id)); }

    void StartAndMeasure(const std::wstring& arguments = {}) {
        Start(arguments);
        dpi_ = GetDpiForWindow(program->Control(ids::ts));
        ASSERT_GT(dpi_, 0u);
    }

private:
    UINT dpi_ = 96;
};

TEST_F(LayoutTest, EveryBridgeRowStandsWhereItWasDesigned) {
    struct Row {
        int box; // CheckBox1 index
        const wchar_t* caption;
        int boxWidth;
        int text, button, label; // -1: the row has none
        int boxTop, textTop, buttonTop, labelTop, labelHeight;
    };
    const Row rows[] = {
        {0, L"None", 2055, -1, -1, -1, 360, 0, 0, 0, 0},
        {1, L"Trophy", 915, 0, 2, 1, 660, 660, 690, 720, 225},
        {2, L"Schick Technology", 1725, 8, 7, 9, 960, 960, 990, 1020, 225},
        {13, L"SchickTechnology - Dicom", 2265, 9, 10, 10, 1260, 1260, 1290, 1320, 225},
        {4, L"Dexis", 1035, 2, 4, 3, 1560, 1560, 1590, 1620, 255},
        {5, L"Vipersoft", 1725, -1, -1, -1, 1860, 0, 0, 0, 0},
        {6, L"SIDEXIS", 1035, 3, 5, 4, 2160, 2160, 2190, 2220, 255},
        {7, L"Gendex Imaging", 1725, -1, -1, -1, 2460, 0, 0, 0, 0},
        {8, L"ProImage", 1725, -1, -1, -1, 2760, 0, 0, 0, 0},
        {3, L"TigerView", 1035, 1, 3, 2, 3060, 3060, 3090, 3120, 255},
        {9, L"XVa3 (DMD), CliniVision,", 2145, 4, 6, 5, 3360, 3360, 3420, 3420, 255},
        {10, L"Dimaxis", 1635, 5, -1, 6, 3930, 3930, 0, 3990, 255},
        {11, L"Dicom Imaging", 1365, 6, 8, 7, 4230, 4230, 4260, 4290, 255},
        {12, L"Image F/X", 1365, 7, 9, 8, 4530, 4530, 4560, 4590, 255},
        {14, L"MediaDent", 2085, 10, 11, 11, 4815, 4815, 4845, 4845, 255},
        {15, L"OrthoCAD", 2085, 11, 12, 12, 5100, 5130, 5130, 5160, 255},
    };
    StartAndMeasure();
    HWND bridgeFrame = program->Control(ids::Picture1(0));
    ASSERT_NE(bridgeFrame, nullptr);
    for (const Row& row : rows) {
        const std::string name = "row " + std::to_string(row.box);
        HWND box = program->Control(ids::CheckBox1(row.box));
        ASSERT_NE(box, nullptr) << name;
        EXPECT_EQ(GetParent(box), bridgeFrame) << name;
        EXPECT_EQ(TextOf(box), row.caption) << name;
        ExpectAt(ids::CheckBox1(row.box), {270, row.boxTop, row.boxWidth, 315}, name + " check box");
        if (row.text >= 0)
            ExpectAt(ids::Text1(row.text), {3420, row.textTop, 2415, 300}, name + " text box");
        if (row.button >= 0) {
            ExpectAt(ids::Command1(row.button), {5880, row.buttonTop, 750, 285}, name + " Browse");
            EXPECT_EQ(program->Text(ids::Command1(row.button)), L"&Browse") << name;
        }
        if (row.label >= 0)
            ExpectAt(ids::Label1(row.label), {2520, row.labelTop, 915, row.labelHeight}, name + " label");
    }
    EXPECT_EQ(program->Text(ids::Label1(6)), L"Password : ");
    EXPECT_EQ(program->Text(ids::Label1(1)), L"Cmd Line : ");
    ExpectAt(ids::Label1(0), {105, 120, 3735, 255}, "heading");
    ExpectAt(ids::Label3, {540, 3660, 1785, 255}, "Lightyear");
    EXPECT_EQ(program->Text(ids::Label3), L"Lightyear");
}

TEST_F(LayoutTest, TheDimaxisBoxIsAPasswordBoxAndNoOtherIs) {
    StartAndMeasure();
    for (int i = 0; i <= 11; ++i)
        EXPECT_EQ((StyleOf(program->Control(ids::Text1(i))) & ES_PASSWORD) != 0, i == 5) << "Text1(" << i << ")";
}

TEST_F(LayoutTest, OnlyTheOfferedDevicesAreShownStackedOneRowStepApart) {
    StartAndMeasure();
    HWND deviceFrame = program->Control(ids::Picture1(1));
    ASSERT_NE(deviceFrame, nullptr);
    struct Device {
        int index;
        int row; // rows below None; -1: hidden
    };
    const Device devices[] = {{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, -1}, {5, -1}, {6, -1}};
    for (const Device& device : devices) {
        HWND box = program->Control(ids::DI_CheckBox1(device.index));
        ASSERT_NE(box, nullptr) << device.index;
        EXPECT_EQ(GetParent(box), deviceFrame);
        // The frame itself is hidden behind the Bridge tab: ask for the control's own visibility.
        const bool shown = (StyleOf(box) & WS_VISIBLE) != 0;
        EXPECT_EQ(shown, device.row >= 0) << "DI_CheckBox1(" << device.index << ")";
        if (device.row >= 0)
            EXPECT_EQ(RectInParent(box).top, Pixels(360) + DeviceStepPixels * device.row)
                << "DI_CheckBox1(" << device.index << ")";
    }
}

TEST_F(LayoutTest, TheDialogOpensOnTheBridgeFrameWithTheOtherFramesHidden) {
    StartAndMeasure();
    EXPECT_TRUE(program->IsVisible(ids::Picture1(0)));
    EXPECT_FALSE(program->IsVisible(ids::Picture1(1)));
    EXPECT_FALSE(program->IsVisible(ids::Picture1(2)));
    // The Direct Interface frame lies exactly over the Bridge frame, inside the tab strip.
    const RECT bridge = At(ids::Picture1(0));
    const RECT device = At(ids::Picture1(1));
    EXPECT_TRUE(EqualRect(&bridge, &device));
    const RECT tabs = At(ids::ts);
    EXPECT_GT(bridge.left, tabs.left);
    EXPECT_GT(bridge.top, tabs.top);
    EXPECT_LT(bridge.right, tabs.right);
    EXPECT_LT(bridge.bottom, tabs.bottom);
    EXPECT_EQ(bridge.right - bridge.left, Pixels(6885));
    EXPECT_EQ(bridge.bottom - bridge.top, Pixels(5535));
    // Nothing stored: None is checked and every row's box and button are disabled.
    EXPECT_EQ(program->CheckState(ids::CheckBox1(0)), BST_CHECKED);
    for (int i = 0; i <= 11; ++i)
        EXPECT_FALSE(program->IsEnabled(ids::Text1(i))) << "Text1(" << i << ")";
    for (int i = 2; i <= 12; ++i)
        EXPECT_FALSE(program->IsEnabled(ids::Command1(i))) << "Command1(" << i << ")";
}

TEST_F(LayoutTest, ButtonsPanelAndDescriptionFollowTheTabStripAndSizeTheDialog) {
    StartAndMeasure();
    const int gap = GapPixels;
    const RECT tabs = At(ids::ts);
    EXPECT_EQ(tabs.left, gap);
    EXPECT_EQ(tabs.top, gap);

    const RECT ok = At(ids::OK);
    const RECT cancel = At(ids::Cancel);
    EXPECT_EQ(ok.top, tabs.bottom + gap);
    EXPECT_EQ(cancel.top, ok.top);
    EXPECT_EQ(ok.left, Pixels(4710));
    EXPECT_EQ(ok.right - ok.left, Pixels(1050));
    EXPECT_EQ(ok.bottom - ok.top, Pixels(405));
    EXPECT_EQ(program->Text(ids::OK), L"&OK");
    EXPECT_EQ(program->Text(ids::Cancel), L"&Cancel");
    EXPECT_EQ(cancel.left, Pixels(5850));

    EXPECT_EQ(At(ids::Label2(3)).top, ok.top);
    EXPECT_EQ(At(ids::Label2(2)).top, ok.top);
    EXPECT_EQ(At(ids::Label2(5)).top, ok.top + Pixels(225));
    EXPECT_EQ(At(ids::Label2(4)).top, ok.top + Pixels(225));
    EXPECT_EQ(program->Text(ids::Label2(3)), L"Product Name:");
    EXPECT_EQ(program->Text(ids::Label2(5)), L"Supported Version:");

    const RECT description = At(ids::Picture2);
    EXPECT_EQ(description.top, cancel.bottom + gap);
    EXPECT_EQ(description.left, gap);
    EXPECT_EQ(description.right - description.left, tabs.right - tabs.left);
    EXPECT_EQ(description.bottom - description.top, Pixels(2220));

    RECT client{};
    GetClientRect(GetParent(program->Control(ids::ts)), &client);
    EXPECT_EQ(client.right, tabs.right + gap);
    EXPECT_EQ(client.bottom, description.bottom + gap);
}

TEST_F(LayoutTest, TheDialogStandsCentredAcrossAndTwoFifthsDown) {
    StartAndMeasure();
    RECT window{};
    GetWindowRect(GetParent(program->Control(ids::ts)), &window);
    const int width = window.right - window.left;
    const int height = window.bottom - window.top;
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    // The placing is computed in twips; a pixel either way is rounding.
    EXPECT_NEAR(window.left, (screenWidth - width) / 2, 1);
    EXPECT_NEAR(window.top, (screenHeight - height) * 2 / 5, 1);
}

TEST_F(LayoutTest, MedModeLiftsTheButtonsToTheBridgeFrameAndCutsTheDialogBelowThem) {
    StartAndMeasure(L" med ");
    const RECT bridge = At(ids::Picture1(0));
    const RECT ok = At(ids::OK);
    EXPECT_EQ(ok.top, bridge.bottom + 3);
    EXPECT_EQ(At(ids::Cancel).top, ok.top);
    RECT client{};
    GetClientRect(GetParent(program->Control(ids::ts)), &client);
    EXPECT_EQ(client.bottom, ok.bottom + GapPixels);
    EXPECT_GE(At(ids::Picture2).top, client.bottom);
    EXPECT_FALSE(program->IsVisible(ids::Picture1(2)));
}

TEST_F(LayoutTest, EscClosesWithoutWritingEvenWhenTheChoiceIsValid) {
    StoreXray("VIPERSOFT\n\n\r");
    const std::string before = folder.Settings().List();
    StartAndMeasure();
    // Gendex needs no program file, so OK would store this choice.
    program->Click(ids::CheckBox1(7));
    ASSERT_EQ(program->CheckState(ids::CheckBox1(7)), BST_CHECKED);
    program->PressKey(VK_ESCAPE);
    ExpectCleanExit();
    EXPECT_EQ(folder.Settings().List(), before);
}

} // namespace
} // namespace zw::e2e
