// The buttons of the dialog and closing it from the window's control box.
#include "frm_zw_int_stp.h"

namespace zw {

void frmZWIntStp::Command1_Click(int16_t Index) {
    switch (Index) {
    case 0: // OK
        if (ValidateAndSave())
            Unload(UnloadMode::FormCode);
        return;
    case 1: // Cancel, also the Esc key
        Unload(UnloadMode::FormCode);
        return;
    default:
        if (Index >= 2 && Index <= 12)
            RunBrowseButton(Index);
        return;
    }
}

void frmZWIntStp::Form_QueryUnload(int& Cancel, UnloadMode mode) {
    // Only a close from the control box is checked here: OK has validated already, and Cancel, Windows
    // shutting down or the task manager close without storing anything.
    if (mode == UnloadMode::ControlMenu)
        Cancel = ValidateAndSave() ? 0 : 1;
}

} // namespace zw
