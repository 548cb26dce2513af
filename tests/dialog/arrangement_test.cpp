#include <gtest/gtest.h>

#include "fakes/dialog_harness.h"

namespace zw {

// The arrangement runs inside the load; these tests run its steps on their own.
struct LayoutTestAccess {
    static void ArrangeStandard(frmZWIntStp& f) { f.ArrangeStandard(); }
    static void ArrangeCompact(frmZWIntStp& f) { f.ArrangeCompact(); }
    static void PlaceOnScreen(frmZWIntStp& f) { f.PlaceOnScreen(); }
};

namespace test {
namespace {

using Access = LayoutTestAccess;

const Screen At15 = Screen::FromPixels(1024, 768, 96, 96);
const Screen At12 = Screen::FromPixels(1024, 768, 120, 120);
// Pixels of different sizes across and down: each gap must come from its own direction.
const Screen At15By12 = Screen::FromPixels(1024, 768, 96, 120);

// What the standard arrangement gives with the harness' frame (6 x 29 pixels) and tab insets
// (2, 24, 4, 4 pixels), worked out by hand for each screen.
struct StandardCase {
    const char* name;
    Screen screen;
    float sideGap, verticalGap;
    float deviceTops[3]; // DI_CheckBox1(1), (2), (3)
    float tsWidth, tsHeight;
    float frameLeft, frameTop;
    float panelTop;   // Label2(3), Label2(2), Command1(0), Command1(1)
    float pictureTop; // Picture2
    float outerWidth, outerHeight;
};

const StandardCase StandardCases[] = {
    {"15 twips per pixel", At15, 60, 60, {660, 960, 1260}, 6975, 5955, 90, 420, 6075, 6540, 7185, 9255},
    {"12 twips per pixel", At12, 48, 48, {600, 840, 1080}, 6957, 5871, 72, 336, 5967, 6420, 7125, 9036},
    {"15 across, 12 down", At15By12, 60, 48, {600, 840, 1080}, 6975, 5871, 90, 336, 5967, 6420, 7185, 9036},
};

TEST(ArrangementStandard, GeometryAtEachScreen) {
    for (const auto& c : StandardCases) {
        SCOPED_TRACE(c.name);
        DialogHarness h(c.screen);
        frmZWIntStp& f = h.F();
        Access::ArrangeStandard(f);

        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(f.DI_CheckBox1(i + 1).Top(), c.deviceTops[i]);
            EXPECT_EQ(f.DI_CheckBox1(i + 1).Left(), 270);
        }
        EXPECT_EQ(f.ts->Left(), c.sideGap);
        EXPECT_EQ(f.ts->Top(), c.verticalGap);
        EXPECT_EQ(f.ts->Width(), c.tsWidth);
        EXPECT_EQ(f.ts->Height(), c.tsHeight);
        // The client area is exactly the Bridge frame, and the frame stands in it.
        EXPECT_EQ(f.ts->ClientWidth(), 6885);
        EXPECT_EQ(f.ts->ClientHeight(), 5535);
        EXPECT_EQ(f.Picture1(0).Left(), c.frameLeft);
        EXPECT_EQ(f.Picture1(0).Top(), c.frameTop);
        // The Direct Interface frame lies hidden over the Bridge frame, in front of it for the tab switch.
        const PictureBox& direct = f.Picture1(1);
        EXPECT_EQ(direct.Left(), c.frameLeft);
        EXPECT_EQ(direct.Top(), c.frameTop);
        EXPECT_EQ(direct.Width(), 6885);
        EXPECT_EQ(direct.Height(), 5535);
        EXPECT_FALSE(direct.Visible());
        EXPECT_GT(direct.ZStamp(), f.Picture1(0).ZStamp());
        // The probe frame stays as drawn: hidden, enabled, beyond the inner area.
        EXPECT_FALSE(f.Picture1(2).Visible());
        EXPECT_TRUE(f.Picture1(2).Enabled());
        EXPECT_EQ(f.Picture1(2).Left(), 7380);

        for (Control* atPanelTop : {static_cast<Control*>(&f.Label2(3)), static_cast<Control*>(&f.Label2(2)),
                                    static_cast<Control*>(&f.Command1(0)), static_cast<Control*>(&f.Command1(1))})
            EXPECT_EQ(atPanelTop->Top(), c.panelTop) << atPanelTop->FullName();
        EXPECT_EQ(f.Label2(5).Top(), c.panelTop + 225);
        EXPECT_EQ(f.Label2(4).Top(), c.panelTop + 225);

        EXPECT_EQ(f.Picture2->Top(), c.pictureTop);
        EXPECT_EQ(f.Picture2->Left(), c.sideGap);
        EXPECT_EQ(f.Picture2->Width(), c.tsWidth);
        EXPECT_EQ(f.Picture2->Height(), 2220);

        EXPECT_EQ(f.Width(), c.outerWidth);
        EXPECT_EQ(f.Height(), c.outerHeight);
        // One gap on each side of the tab strip, and one below the description frame.
        EXPECT_EQ(f.ScaleWidth(), c.tsWidth + 2 * c.sideGap);
        EXPECT_EQ(f.ScaleHeight(), c.pictureTop + 2220 + c.verticalGap);
    }
}

TEST(ArrangementStandard, OffersThreeDevicesInOrderAndHidesTheRest) {
    DialogHarness h;
    frmZWIntStp& f = h.F();
    Access::ArrangeStandard(f);
    struct Case {
        int index;
        bool visible;
        int tab;
    };
    // The offered devices follow None in the keyboard order; the hidden GxPicture device, designed
    // between them, is pushed behind them and every index stays unique.
    const Case cases[] = {{0, true, 65},  {1, true, 66},  {2, true, 67}, {3, true, 68},
                          {4, false, 70}, {5, false, 69}, {6, false, 71}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.index);
        EXPECT_EQ(f.DI_CheckBox1(c.index).Visible(), c.visible);
        EXPECT_EQ(f.DI_CheckBox1(c.index).TabIndex(), c.tab);
    }
    // Hidden devices keep their designed places; only the offered ones move.
    EXPECT_EQ(f.DI_CheckBox1(5).Top(), 960);
    EXPECT_EQ(f.DI_CheckBox1(6).Top(), 2130);
    EXPECT_EQ(f.DI_CheckBox1(0).Top(), 360);
}

TEST(ArrangementStandard, BridgeRowMapTiesRowsToTheirBoxAndButton) {
    DialogHarness h;
    frmZWIntStp& f = h.F();
    f.BridgeRowMap.assign(3, {7, 7}); // a stale map from an earlier load is replaced
    Access::ArrangeStandard(f);
    const std::array<int16_t, 2> expected[16] = {{-1, -1}, {0, 2},   {8, 7},   {1, 3},  {2, 4},  {-1, -1},
                                                 {3, 5},   {-1, -1}, {-1, -1}, {4, 6},  {5, -1}, {6, 8},
                                                 {7, 9},   {9, 10},  {10, 11}, {11, 12}};
    ASSERT_EQ(f.BridgeRowMap.size(), 16u);
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(f.BridgeRowMap[i], expected[i]) << "row " << i;
}

TEST(ArrangementCompact, ButtonsMoveUnderTheBridgeFrame) {
    struct Case {
        const char* name;
        Screen screen;
        float buttonTop;
        float outerHeight;
        float panelTop, pictureTop; // unchanged from the standard arrangement
    };
    const Case cases[] = {
        {"15 twips per pixel", At15, 420 + 5535 + 45, 435 + 6000 + 405 + 60, 6075, 6540},
        {"12 twips per pixel", At12, 336 + 5535 + 36, 348 + 5907 + 405 + 48, 5967, 6420},
        {"15 across, 12 down", At15By12, 336 + 5535 + 36, 348 + 5907 + 405 + 48, 5967, 6420},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        DialogHarness h(c.screen);
        frmZWIntStp& f = h.F();
        Access::ArrangeStandard(f);
        const float standardWidth = f.Width();
        Access::ArrangeCompact(f);
        EXPECT_EQ(f.Command1(0).Top(), c.buttonTop);
        EXPECT_EQ(f.Command1(1).Top(), c.buttonTop);
        EXPECT_LT(f.Command1(0).Top(), c.panelTop);
        EXPECT_EQ(f.Height(), c.outerHeight);
        EXPECT_EQ(f.Width(), standardWidth);
        EXPECT_EQ(f.Label2(3).Top(), c.panelTop);
        EXPECT_EQ(f.Picture2->Top(), c.pictureTop);
        EXPECT_GT(f.Picture2->Top(), f.ScaleHeight());
        EXPECT_FALSE(f.Picture1(2).Visible());
        EXPECT_FALSE(f.Picture1(2).Enabled());
    }
}

struct PlacingCase {
    const char* name;
    float screenWidth, screenHeight;
    float left, top;
};

// The dialog measures 7185 x 9255 twips after the standard arrangement at 15 twips per pixel.
const PlacingCase PlacingCases[] = {
    {"centred across, two fifths down", 15360, 11520, 4087, 906},
    {"narrower screen: halved towards zero", 6000, 5000, -592, -1702},
    {"half a twip rounds up to the even number", 8000.5f, 11520, 408, 906},
    {"half a twip below zero rounds to the even number", 6367.5f, 11520, -409, 906},
    {"free height not a whole number of pixels", 15360, 11000, 4087, 698},
};

TEST(ArrangementPlacing, PlacesTheDialogOnTheScreen) {
    for (const auto& c : PlacingCases) {
        SCOPED_TRACE(c.name);
        DialogHarness h(Screen(c.screenWidth, c.screenHeight, 15, 15));
        frmZWIntStp& f = h.F();
        Access::ArrangeStandard(f);
        Access::PlaceOnScreen(f);
        EXPECT_EQ(f.Left(), c.left);
        EXPECT_FLOAT_EQ(f.Top(), c.top);
        EXPECT_EQ(f.Width(), 7185);
        EXPECT_EQ(f.Height(), 9255);
    }
}

} // namespace
} // namespace test
} // namespace zw
