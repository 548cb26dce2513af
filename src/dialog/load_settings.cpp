// Turns the workstation's stored X-ray and probe settings into the states of the dialog's controls. Every
// value is set through the controls, so each check runs the same click behaviour as a user's click.
#include "base/strings.h"
#include "choice/bridge_rows.h"
#include "choice/workstation_choice.h"
#include "frm_zw_int_stp.h"

namespace zw {

namespace {

// The Schick rows fill their box from the registry when checked with a blank box. Checking them before the
// text is set lets the stored text replace that default, even a stored empty text. Every other row gets
// its text first, so a default is proposed only where the stored text is empty.
bool ChecksBeforeText(const InterfaceCode& entry) {
    const BridgeRow* row = entry.control == CodeControl::Bridge ? FindBridgeRow(entry.controlIndex) : nullptr;
    return row != nullptr && row->checkedBeforeText;
}

} // namespace

void frmZWIntStp::LoadInterfaceSettings() {
    EnvironmentComponent& env = Environment();
    const FieldReader field = [&env](const std::string& text, char delimiter, int n) {
        return env.GetField(text, std::string(1, delimiter), n, 0);
    };

    const std::string xrayKey = XrayKey(env.StationId());
    const std::string xray = env.ReadSetting(InterfaceSection, xrayKey, SettingKind, DefaultSettingValue, 0, 0);

    // Both lists start from "None"; in a fresh dialog every box is unchecked, so both click behaviours run
    // and leave every row cleared and disabled.
    DI_CheckBox1(0).SetValue(1);
    CheckBox1(0).SetValue(1);

    // The records are applied one by one, in stored order, so that each runs its row's click behaviour as
    // it comes: a later NONE record clears the rows before it, a row's proposal depends on its stored text.
    for (const XrayRecord& record : ReadXrayRecords(xray, field)) {
        const InterfaceCode& entry = *record.entry;
        ControlArray<CheckBox>& list = entry.control == CodeControl::Device ? DI_CheckBox1 : CheckBox1;
        if (entry.field2Box < 0) {
            list(entry.controlIndex).SetValue(1);
        } else if (ChecksBeforeText(entry)) {
            list(entry.controlIndex).SetValue(1);
            Text1(entry.field2Box).SetText(record.field2);
        } else {
            Text1(entry.field2Box).SetText(record.field2);
            list(entry.controlIndex).SetValue(1);
        }
    }

    const std::string probeKey = ProbeKey(env.StationId());
    const ProbeChoice probe =
        ReadProbe(env.ReadSetting(InterfaceSection, probeKey, SettingKind, DefaultSettingValue, 0, 0), field);
    if (probe.code == FloridaProbeCode) {
        Prob_Text1(0).SetText(probe.commandLine);
        Prob_Option1(1).SetValue(true);
    } else {
        Prob_Option1(0).SetValue(true);
    }

    // The dialog opens on the bridge list.
    ts->SelectTab(1);
}

} // namespace zw
