// Checking the chosen programs and storing the workstation's X-ray setting: the dialog's only write.
#include "base/runtime_error.h"
#include "base/strings.h"
#include "choice/choice_checks.h"
#include "choice/interface_codes.h"
#include "frm_zw_int_stp.h"

namespace zw {

namespace {

const char* const ErrorUnload = "ERROR_UNLOAD";

} // namespace

bool frmZWIntStp::ValidateAndSave() {
    // After a failed start the database is not there to write to; the dialog is about to close itself.
    if (Tag() == ErrorUnload)
        return false;

    // The box is corrected where the user can see it, checked or not.
    for (const BridgeRow& row : BridgeRows())
        if (row.upperCasesBox)
            Text1(row.text).SetText(BoxTextForChecks(row, Text1(row.text).Text()));

    std::vector<CheckedRow> rows;
    for (int i = 1; i <= CheckBox1.Count() - 1; ++i) {
        if (CheckBox1(i).Value() != 1)
            continue;
        const BridgeRow* row = FindBridgeRow(i);
        rows.push_back({i, row != nullptr && row->text >= 0 ? Text1(row->text).Text() : ""});
    }
    std::vector<int> devices;
    for (int index : DeviceWriteOrder)
        if (DI_CheckBox1(index).Value() == 1)
            devices.push_back(index);

    // ProImage was refused, if at all, when its row was checked.
    const ChoiceCheck result = CheckChoice(
        rows, devices, {[this](const std::string& path) { return Environment().CheckFileExists(path); }, nullptr});
    if (!result.passed) {
        if (!result.problems.empty())
            platform_.messageBoxes.Show(ProblemMessage(result.problems), mb::OKOnly, ProgramTitle);
        return false;
    }

    // A store locked by another workstation past its busy timeout, or read-only, fails here like any other
    // call into the component: the program ends with the run-time error box. The store writes in one
    // transaction, so the old value stays whole.
    EnvironmentComponent& env = Environment();
    const std::string stationId = env.StationId();
    env.WriteSetting(InterfaceSection, XrayKey(stationId), SettingKind, result.value, 0, 0);
    return true;
}

} // namespace zw
