#include "frm_zw_int_stp.h"

namespace zw {

// The command line and its Browse button follow the option that is on. The text itself is kept as it is, so
// that going back to Florida Probe shows what was typed or browsed before.
void frmZWIntStp::Prob_Option1_Click(int16_t Index) {
    const bool on = Prob_Option1(Index).Value();
    if (Index == 0 && on) {
        Prob_Text1(0).SetEnabled(false);
        Prob_Command1(0).SetEnabled(false);
    } else if (Index == 1 && on) {
        Prob_Text1(0).SetEnabled(true);
        Prob_Command1(0).SetEnabled(true);
    }
}

// The probe program has no usual install folder, so the flow goes straight to the folder browser.
void frmZWIntStp::Prob_Command1_Click(int16_t Index) {
    if (Index != 0)
        return;
    const std::vector<std::string> names{"FP32.EXE"};
    std::string defaultFolder;
    BrowseForProgram(Prob_Text1(0), names, defaultFolder, "");
}

} // namespace zw
