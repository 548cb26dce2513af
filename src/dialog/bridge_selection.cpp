// The bridge list: "None" excludes the other rows, a row's command-line box and Browse button follow its
// check box, and four rows propose a default command line when checked with a blank box.
#include <exception>

#include "app/environment.h"
#include "controls/runtime_error.h"
#include "controls/strings.h"
#include "dialog/frm_zw_int_stp.h"
#include "locate/program_locations.h"

namespace zw {

namespace {

const char* const BusyMarker = "BUSY";
constexpr int16_t LastBridgeRow = 15;

constexpr int16_t SchickRow = 2;
constexpr int16_t ProImageRow = 8;
constexpr int16_t SchickDicomRow = 13;
constexpr int16_t MediaDentRow = 14;
constexpr int16_t OrthoCadRow = 15;

constexpr int SchickBox = 8;
constexpr int SchickDicomBox = 9;
constexpr int MediaDentBox = 10;
constexpr int OrthoCadBox = 11;

// The wording, typo included, is what users and support staff know; keep it byte for byte.
const char* const ProImageMissing = "You do not have ProImage setup on this computer, Please install PorImage program "
                                    "to this computer before you select this option";

bool IsBlank(const std::string& text) {
    return Trim(text).empty();
}

// The row's proposed command line: the first of its registry entries that is not empty, as read.
std::string RegisteredCommandLine(int16_t row) {
    return FirstRegistered(
               ProposalEntries(row),
               [](const RegistryEntry& entry) { return Env().ReadRegistryString(entry.subKey, "", entry.root); })
        .second;
}

// A value change during the "None" step may fail on a row that is missing or cannot take the value; the
// step carries on with the next row rather than ending the program.
template <typename F> void IgnoringFailure(F&& assignment) {
    try {
        assignment();
    } catch (const std::exception&) {
    }
}

} // namespace

void frmZWIntStp::CheckBox1_Click(int16_t Index) {
    CheckBox& none = CheckBox1(0);
    if (none.Tag() == BusyMarker)
        return;
    none.SetTag(BusyMarker);

    if (Index == 0) {
        // Re-checks "None" when the user clicked it while it was checked. The rows' texts stay, so a user who
        // comes back to a bridge finds its command line again.
        IgnoringFailure([&] { CheckBox1(0).SetValue(1); });
        for (int16_t row = 1; row <= LastBridgeRow; ++row)
            IgnoringFailure([&] { CheckBox1(row).SetValue(0); });
    } else {
        IgnoringFailure([&] { CheckBox1(0).SetValue(0); });
    }

    const bool checked = CheckBox1(Index).Value() == 1;
    switch (Index) {
    case SchickRow:
        if (checked) {
            if (IsBlank(Text1(SchickBox).Text()))
                Text1(SchickBox).SetText(RegisteredCommandLine(SchickRow));
        } else {
            Text1(SchickBox).SetText("");
        }
        break;
    case ProImageRow:
        if (checked && ReadDentxMainFile().empty()) {
            GetPlatform().messageBoxes.Show(ProImageMissing, mb::OKOnly, ProgramTitle);
            CheckBox1(ProImageRow).SetValue(0);
        }
        break;
    case SchickDicomRow:
        if (checked) {
            if (IsBlank(Text1(SchickDicomBox).Text()))
                Text1(SchickDicomBox).SetText(RegisteredCommandLine(SchickDicomRow));
        } else {
            Text1(SchickDicomBox).SetText("");
        }
        break;
    case MediaDentRow:
        if (checked) {
            // The server registration may carry quotes or arguments; it is used as registered.
            if (IsBlank(Text1(MediaDentBox).Text()))
                Text1(MediaDentBox).SetText(RegisteredCommandLine(MediaDentRow));
        } else {
            Text1(MediaDentBox).SetText("");
        }
        break;
    case OrthoCadRow:
        // OrthoCAD installs to one fixed place; the box is filled whenever it is blank, checked or not.
        if (IsBlank(Text1(OrthoCadBox).Text()))
            Text1(OrthoCadBox).SetText(OrthoCadDefault);
        break;
    default:
        break;
    }

    bool anyChecked = false;
    for (int16_t row = 1; row <= LastBridgeRow; ++row) {
        if (static_cast<size_t>(row) >= BridgeRowMap.size())
            throw RuntimeError(9, "Subscript out of range");
        const bool rowChecked = CheckBox1(row).Value() == 1;
        anyChecked = anyChecked || rowChecked;
        const auto [textIndex, buttonIndex] = BridgeRowMap[static_cast<size_t>(row)];
        if (textIndex >= 0)
            Text1(textIndex).SetEnabled(rowChecked);
        if (buttonIndex >= 0)
            Command1(buttonIndex).SetEnabled(rowChecked);
    }

    if (anyChecked && none.Value() == 1)
        none.SetValue(0);
    else if (!anyChecked && none.Value() == 0)
        none.SetValue(1);

    ShowProductInfo(0, Index);
    none.SetTag("");
}

void frmZWIntStp::CheckBox1_GotFocus(int16_t Index) {
    ShowProductInfo(0, Index);
}

} // namespace zw
