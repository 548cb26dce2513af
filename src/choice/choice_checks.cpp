#include "choice_checks.h"

#include <optional>

#include "base/runtime_error.h"
#include "base/strings.h"
#include "workstation_choice.h"

namespace zw {

namespace {

const char* const ProblemHeading = "ZELT Interface setup has found the following problem:";

void AddProblem(ChoiceCheck& result, const std::string& message) {
    result.passed = false;
    result.problems += CRLF + message;
}

// The bridge of one checked row, or nothing when the row adds none. A file whose name is wrong still gives
// a record when it exists; the failed check keeps the value from being stored.
std::optional<BridgeChoice> CheckRow(const BridgeRow& rule, const std::string& typed, const MachineChecks& machine,
                                     ChoiceCheck& result) {
    const std::string text = BoxTextForChecks(rule, typed);
    switch (rule.field) {
    case RowField::Empty:
        return BridgeChoice{rule.code, ""};
    case RowField::Password:
        return BridgeChoice{rule.code, Trim(text)};
    case RowField::BoxUntrimmed:
    case RowField::BoxTrimmed:
        break;
    }

    const std::string path = Trim(text);
    const int matched = MatchProgramEnding(rule, path);
    if (matched < 0)
        AddProblem(result, rule.message);
    if (machine.fileExists && !machine.fileExists(path)) {
        AddProblem(result, "Can not find file [" + path + "]");
        return std::nullopt;
    }

    const std::string code = RecordCode(rule, matched);
    if (code.empty())
        return std::nullopt;
    return BridgeChoice{code, rule.field == RowField::BoxTrimmed ? path : text};
}

std::string DeviceCode(int index) {
    for (const auto& entry : InterfaceCodes())
        if (entry.setting == CodeSetting::Xray && entry.control == CodeControl::Device && entry.controlIndex == index)
            return entry.code;
    throw RuntimeError(errors::InvalidProcedureCall, "No interface code for device " + std::to_string(index));
}

} // namespace

std::string BoxTextForChecks(const BridgeRow& rule, const std::string& text) {
    return rule.upperCasesBox ? UCase(text) : text;
}

ChoiceCheck CheckChoice(const std::vector<CheckedRow>& rows, const std::vector<int>& devices,
                        const MachineChecks& machine) {
    ChoiceCheck result;
    WorkstationChoice choice;
    for (const CheckedRow& row : rows) {
        const BridgeRow* rule = FindBridgeRow(row.row);
        if (rule == nullptr)
            throw RuntimeError(errors::InvalidProcedureCall,
                               "No interface code for bridge row " + std::to_string(row.row));
        if (row.row == ProImageRow && machine.proImageSetUp && !machine.proImageSetUp()) {
            result.passed = false;
            result.refusals.push_back(ProImageMissingMessage);
            continue;
        }
        if (auto bridge = CheckRow(*rule, row.text, machine, result))
            choice.bridges.push_back(*bridge);
    }

    for (int index : DeviceWriteOrder)
        for (int device : devices)
            if (device == index) {
                choice.devices.push_back(DeviceCode(index));
                break;
            }
    result.value = EncodeXray(choice);
    return result;
}

std::string ProblemMessage(const std::string& problems) {
    return ProblemHeading + CRLF + CRLF + problems;
}

} // namespace zw
