#include "frm_zw_int_stp.h"

namespace zw {

frmZWIntStp::frmZWIntStp(Platform& platform, const Screen& screen, const FrameMetrics& frameMetrics,
                         const TabClientMetrics& tabMetrics)
    : Form("frmZWIntStp", screen, frameMetrics), platform_(platform) {
    CreateControls(tabMetrics);
    WireEvents();
}

frmZWIntStp::~frmZWIntStp() = default;

void frmZWIntStp::WireEvents() {
    CheckBox1.ForEach([this](CheckBox& box) {
        const auto index = static_cast<int16_t>(box.Index());
        box.Click = [this, index] { CheckBox1_Click(index); };
        box.GotFocus = [this, index] { CheckBox1_GotFocus(index); };
    });
    DI_CheckBox1.ForEach([this](CheckBox& box) {
        const auto index = static_cast<int16_t>(box.Index());
        box.Click = [this, index] { DI_CheckBox1_Click(index); };
        box.GotFocus = [this, index] { DI_CheckBox1_GotFocus(index); };
    });
    Command1.ForEach([this](CommandButton& button) {
        const auto index = static_cast<int16_t>(button.Index());
        button.Click = [this, index] { Command1_Click(index); };
    });
    Prob_Option1.ForEach([this](OptionButton& option) {
        const auto index = static_cast<int16_t>(option.Index());
        option.Click = [this, index] { Prob_Option1_Click(index); };
    });
    Prob_Command1.ForEach([this](CommandButton& button) {
        const auto index = static_cast<int16_t>(button.Index());
        button.Click = [this, index] { Prob_Command1_Click(index); };
    });
    ts->Click = [this] { ts_Click(); };
}

} // namespace zw
