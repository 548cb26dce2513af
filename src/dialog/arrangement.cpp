// The dialog as the user sees it: the design turned into the run-time arrangement during the load. Every gap
// is a whole number of screen pixels, so the dialog keeps its proportions at any DPI.
#include <algorithm>
#include <cmath>
#include <iterator>
#include <vector>

#include "base/runtime_error.h"
#include "choice/interface_codes.h"
#include "frm_zw_int_stp.h"
#include "layout_table.h"

namespace zw {

namespace {

constexpr int SideGapPixels = 4;
constexpr int VerticalGapPixels = 4;
constexpr int DeviceRowStepPixels = 20;
constexpr int MedButtonGapPixels = 3;
constexpr int MedBottomGapPixels = 4;

// The order in which the direct-interface devices are stacked below "None"; entry 0 is not used.
constexpr int16_t DesignedDeviceOrder[] = {0, 1, 5, 2, 3, 6, 4};

[[noreturn]] void SubscriptOutOfRange() {
    throw RuntimeError(errors::SubscriptOutOfRange);
}

// A whole number of twips, halves to the even number, as the run time converts a Single to a Long.
long RoundHalfEven(double value) {
    const double floor = std::floor(value);
    const double fraction = value - floor;
    double rounded = fraction < 0.5 ? floor : floor + 1;
    if (fraction == 0.5 && std::fmod(floor, 2.0) == 0)
        rounded = floor;
    return static_cast<long>(rounded);
}

} // namespace

void frmZWIntStp::BuildBridgeRowMap() {
    BridgeRowMap.assign(static_cast<size_t>(CheckBox1.Count()), {-1, -1});
    for (const BridgeRowDesign& row : BridgeRowDesigns()) {
        if (row.box < 0 || static_cast<size_t>(row.box) >= BridgeRowMap.size())
            SubscriptOutOfRange();
        BridgeRowMap[static_cast<size_t>(row.box)] = BridgeRowControls(row.box);
    }
}

void frmZWIntStp::ArrangeStandard() {
    const float sideGap = SideGapPixels * GetScreen().TwipsPerPixelX();
    const float verticalGap = VerticalGapPixels * GetScreen().TwipsPerPixelY();
    const float deviceRowStep = DeviceRowStepPixels * GetScreen().TwipsPerPixelY();

    // The offered devices one row step apart below "None", in the order and tab order of DeviceOrder.
    std::vector<int16_t> DeviceOrder(static_cast<size_t>(DI_CheckBox1.Count()));
    if (DeviceOrder.size() < std::size(DesignedDeviceOrder))
        SubscriptOutOfRange();
    std::copy(std::begin(DesignedDeviceOrder), std::end(DesignedDeviceOrder), DeviceOrder.begin());
    int n = 0;
    for (int i = 1; i <= DI_CheckBox1.Count() - 1; ++i) {
        const int16_t k = DeviceOrder[static_cast<size_t>(i)];
        CheckBox& device = DI_CheckBox1(k);
        if (DeviceNotOffered(k)) {
            device.SetVisible(false);
            continue;
        }
        device.SetVisible(true);
        ++n;
        CheckBox& none = DI_CheckBox1(0);
        device.Move(none.Left(), none.Top() + deviceRowStep * static_cast<float>(n));
        device.SetTabIndex(none.TabIndex() + n);
    }

    BuildBridgeRowMap();

    // The tab strip grows or shrinks until its client area is exactly as large as the Bridge frame.
    PictureBox& bridgeFrame = Picture1(0);
    ts->SetLeft(sideGap);
    ts->SetTop(verticalGap);
    ts->SetWidth(ts->Width() - ts->ClientWidth() + bridgeFrame.Width());
    ts->SetHeight(ts->Height() - ts->ClientHeight() + bridgeFrame.Height());

    bridgeFrame.Move(ts->ClientLeft(), ts->ClientTop());
    // Both frames share the client area; the tabs decide which one is shown.
    PictureBox& directFrame = Picture1(1);
    directFrame.Move(bridgeFrame.Left(), bridgeFrame.Top(), bridgeFrame.Width(), bridgeFrame.Height());
    directFrame.SetVisible(false);

    Label2(3).SetTop(ts->Top() + ts->Height() + verticalGap);
    Label2(2).SetTop(ts->Top() + ts->Height() + verticalGap);
    Label2(5).SetTop(Label2(3).Top() + Label2(3).Height());
    Label2(4).SetTop(Label2(3).Top() + Label2(3).Height());

    Command1(0).SetTop(Label2(3).Top());
    Command1(1).SetTop(Label2(3).Top());

    SetWidth(Width() - ScaleWidth() + ts->Width() + 2 * sideGap);

    Picture2->SetTop(Command1(1).Top() + Command1(1).Height() + verticalGap);
    Picture2->SetLeft(sideGap);
    Picture2->SetWidth(ts->Width());

    SetHeight(Height() - ScaleHeight() + Picture2->Top() + Picture2->Height() + verticalGap);
}

void frmZWIntStp::ArrangeCompact() {
    PictureBox& probeFrame = Picture1(2);
    probeFrame.SetVisible(false);
    probeFrame.SetEnabled(false);

    // The buttons move up under the Bridge frame and the dialog ends just below them, which leaves the
    // panel and the description frame outside the inner area.
    const PictureBox& bridgeFrame = Picture1(0);
    Command1(0).SetTop(bridgeFrame.Top() + bridgeFrame.Height() + MedButtonGapPixels * GetScreen().TwipsPerPixelY());
    Command1(1).SetTop(Command1(0).Top());

    SetHeight(Height() - ScaleHeight() + Command1(0).Top() + Command1(0).Height() +
              MedBottomGapPixels * GetScreen().TwipsPerPixelY());
}

void frmZWIntStp::PlaceOnScreen() {
    const Screen& screen = GetScreen();
    // Centred across; the free width is first made a whole number of twips, then halved towards zero.
    const long left = RoundHalfEven(static_cast<double>(screen.Width() - Width())) / 2;
    // Two fifths of the free height down: the constant is a double, the result is kept as a Single.
    const float top = static_cast<float>(static_cast<double>(screen.Height() - Height()) * 0.4);
    Move(static_cast<float>(left), top);
}

} // namespace zw
