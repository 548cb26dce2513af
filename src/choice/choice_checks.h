#pragma once
#include <functional>
#include <string>
#include <vector>

#include "bridge_rows.h"

namespace zw {

// The checks a choice passes before it is stored, with the dialog's messages, and the X-ray value that a
// choice which passes them is stored as.

// A checked bridge row (CheckBox1 index) and its box's text as the user left it (empty for a row without).
struct CheckedRow {
    int row;
    std::string text;
};

// What the checks ask of the computer the choice is for. An empty function skips that check: the files
// of another workstation cannot be seen from here.
struct MachineChecks {
    std::function<bool(const std::string& path)> fileExists;
    std::function<bool()> proImageSetUp;
};

struct ChoiceCheck {
    bool passed = true;
    std::vector<std::string> refusals; // the messages of rows the dialog would not let be checked
    std::string problems;              // every failed check, each preceded by CR LF, in row order
    std::string value;                 // the X-ray value to store; only a passed check may store it
};

// The box text that the checks and the record see: the text as typed, or upper-cased where the row's
// rule says so.
std::string BoxTextForChecks(const BridgeRow& rule, const std::string& text);

// Checks the rows, given in increasing row order, and builds the value with the devices (DI_CheckBox1
// indexes). Every row is checked even after a failure, so that one pass reports every problem: a name
// that does not fit is reported and the file is looked for all the same. RuntimeError for a row or device
// that has no code.
ChoiceCheck CheckChoice(const std::vector<CheckedRow>& rows, const std::vector<int>& devices,
                        const MachineChecks& machine);

// The one message that lists the problems.
std::string ProblemMessage(const std::string& problems);

} // namespace zw
