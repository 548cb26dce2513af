// The direct-interface list, which behaves like the bridge list without command lines, and the switching
// between the Bridge and Direct Interface frames.
#include "frm_zw_int_stp.h"

namespace zw {

namespace {

const char* const BusyMarker = "BUSY";
constexpr int16_t LastDeviceRow = 6;
// Choosing no device also drops the Gendex VixWin bridge: the one way this list changes the bridge list.
constexpr int16_t VixWinBridgeRow = 7;

} // namespace

void frmZWIntStp::DI_CheckBox1_Click(int16_t Index) {
    CheckBox& none = DI_CheckBox1(0);
    if (none.Tag() == BusyMarker)
        return;
    none.SetTag(BusyMarker);

    if (Index == 0) {
        // Hidden devices are cleared too: a stored choice may have checked them.
        for (int16_t row = 1; row <= LastDeviceRow; ++row)
            DI_CheckBox1(row).SetValue(0);
        // The bridge list has its own marker, so this runs the bridge click behaviour in full.
        if (CheckBox1(VixWinBridgeRow).Value() == 1)
            CheckBox1(VixWinBridgeRow).SetValue(0);
    }

    bool anyChecked = false;
    for (int16_t row = 1; row <= LastDeviceRow; ++row)
        anyChecked = anyChecked || DI_CheckBox1(row).Value() == 1;

    // Also re-checks "None" when the user clicked it while it was checked.
    if (anyChecked && none.Value() == 1)
        none.SetValue(0);
    else if (!anyChecked && none.Value() == 0)
        none.SetValue(1);

    ShowProductInfo(1, Index);
    none.SetTag("");
}

void frmZWIntStp::DI_CheckBox1_GotFocus(int16_t Index) {
    ShowProductInfo(1, Index);
}

void frmZWIntStp::ts_Click() {
    PictureBox& bridges = Picture1(0);
    PictureBox& devices = Picture1(1);
    if (ts->IsSelected(1)) {
        ShowProductInfo(1, -1);
        devices.SetVisible(false);
        bridges.SetVisible(true);
        bridges.ZOrder(0);
    } else {
        ShowProductInfo(0, -1);
        bridges.SetVisible(false);
        devices.SetVisible(true);
        devices.ZOrder(0);
    }
}

} // namespace zw
