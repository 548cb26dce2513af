// The bridge list: "None" excludes the other rows, a row's command-line box and Browse button follow its
// check box, and four rows propose a default command line when checked with a blank box.
#include <exception>

#include "base/runtime_error.h"
#include "base/strings.h"
#include "choice/bridge_rows.h"
#include "frm_zw_int_stp.h"

namespace zw {

namespace {

const char* const BusyMarker = "BUSY";
constexpr int16_t LastBridgeRow = 15;

bool IsBlank(const std::string& text) {
    return Trim(text).empty();
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
    if (const CommandLineProposal* proposal = FindProposal(Index)) {
        // A fixed path is proposed whenever the box is blank, checked or not, and never taken away; a
        // proposal from the registry is made on checking and emptied again on unchecking.
        TextBox& box = Text1(static_cast<int16_t>(FindBridgeRow(Index)->text));
        if (checked || proposal->fixedPath != nullptr) {
            if (IsBlank(box.Text()))
                box.SetText(ProposedCommandLine(*proposal, [this](const std::string& subKey, uint32_t root) {
                    return Environment().ReadRegistryString(subKey, "", root);
                }));
        } else {
            box.SetText("");
        }
    } else if (Index == ProImageRow && checked && ReadDentxMainFile().empty()) {
        GetPlatform().messageBoxes.Show(ProImageMissingMessage, mb::OKOnly, ProgramTitle);
        CheckBox1(ProImageRow).SetValue(0);
    }

    bool anyChecked = false;
    for (int16_t row = 1; row <= LastBridgeRow; ++row) {
        if (static_cast<size_t>(row) >= BridgeRowMap.size())
            throw RuntimeError(errors::SubscriptOutOfRange);
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
