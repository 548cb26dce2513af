// Checking the chosen programs and storing the workstation's X-ray setting: the dialog's only write.
#include <optional>

#include "../app/environment.h"
#include "../controls/runtime_error.h"
#include "../controls/strings.h"
#include "../dialog/frm_zw_int_stp.h"
#include "../settings/interface_record.h"
#include "program_checks.h"

namespace zw {

namespace {

const char* const ErrorUnload = "ERROR_UNLOAD";
const char* const ProblemHeading = "ZELT Interface setup has found the following problem:";

struct CheckResult {
    bool passed = true;
    std::string problems; // each problem preceded by CR LF
};

void AddProblem(CheckResult& result, const std::string& message) {
    result.passed = false;
    result.problems += CRLF + message;
}

// Checks one checked bridge row and gives its record, or nothing when the row adds none. A file whose name
// is wrong still gives a record when it exists; the failed check keeps the list from being written.
std::optional<std::string> CheckRow(const BridgeRowRule& rule, const ControlArray<TextBox>& Text1,
                                    CheckResult& result) {
    switch (rule.field) {
    case RowField::Empty:
        return MakeRecord(rule.code, "");
    case RowField::Password:
        return MakeRecord(rule.code, Trim(Text1(rule.box).Text()));
    case RowField::BoxUntrimmed:
    case RowField::BoxTrimmed:
        break;
    }

    const std::string path = Trim(Text1(rule.box).Text());
    const int matched = MatchProgramEnding(rule, path);
    if (matched < 0)
        AddProblem(result, rule.message);
    // The existence test runs even after a wrong name, so that one pass reports both problems.
    if (!Env().CheckFileExists(path)) {
        AddProblem(result, "Can not find file [" + path + "]");
        return std::nullopt;
    }

    const std::string code = RecordCode(rule, matched);
    if (code.empty())
        return std::nullopt;
    return MakeRecord(code, rule.field == RowField::BoxTrimmed ? path : Text1(rule.box).Text());
}

std::string DeviceCode(int index) {
    for (const auto& entry : InterfaceCodes())
        if (entry.setting == CodeSetting::Xray && entry.control == CodeControl::Device && entry.controlIndex == index)
            return entry.code;
    throw RuntimeError(errors::UserDefined, "No interface code for device " + std::to_string(index));
}

} // namespace

bool frmZWIntStp::ValidateAndSave() {
    // After a failed start the database is not there to write to; the dialog is about to close itself.
    if (Tag() == ErrorUnload)
        return false;

    // Trophy's bridge finds its program only by an upper-case path, so the box is corrected where the
    // user can see it.
    Text1(0).SetText(UCase(Text1(0).Text()));

    CheckResult result;
    std::string records;
    for (int i = 1; i <= CheckBox1.Count() - 1; ++i) {
        if (CheckBox1(i).Value() != 1)
            continue;
        const BridgeRowRule* rule = FindBridgeRowRule(i);
        if (rule == nullptr)
            throw RuntimeError(errors::UserDefined, "No interface code for bridge row " + std::to_string(i));
        if (auto record = CheckRow(*rule, Text1, result))
            records += *record;
    }

    for (int index : DeviceWriteOrder)
        if (DI_CheckBox1(index).Value() == 1)
            records += MakeRecord(DeviceCode(index), "");

    if (records.empty())
        records = MakeRecord("NONE", "");

    if (!result.passed) {
        if (!result.problems.empty())
            platform_.messageBoxes.Show(ProblemHeading + CRLF + CRLF + result.problems, mb::OKOnly, ProgramTitle);
        return false;
    }

    // A store locked by another workstation past its busy timeout, or read-only, fails here like any other
    // call into the component: the program ends with the run-time error box. The store writes in one
    // transaction, so the old value stays whole.
    EnvironmentComponent& env = Env();
    const std::string stationId = env.StationId();
    env.WriteSetting(InterfaceSection, XrayKey(stationId), SettingKind, records, 0, 0);
    return true;
}

} // namespace zw
