#include "program_checks.h"

#include "../controls/strings.h"

namespace zw {

const std::vector<BridgeRowRule>& BridgeRowRules() {
    using F = RowField;
    static const std::vector<BridgeRowRule> rules = {
        {1,
         0,
         "TROPHY",
         F::BoxUntrimmed,
         false,
         "Please select [TW.EXE] as file name for Trophy Software",
         {{"\\TW.EXE", nullptr}}},
        {2,
         8,
         "SCHICK",
         F::BoxTrimmed,
         true,
         "Please select [NCDR.EXE] or [CDR.EXE] as file name for Schick 2.6 Software",
         {{"\\NCDR.EXE", nullptr}, {"\\CDR.EXE", nullptr}}},
        {3,
         1,
         "TIGER",
         F::BoxUntrimmed,
         false,
         "Please select [TIGER1.EXE] as file name for TigerView Software",
         {{"\\TIGER1.EXE", nullptr}}},
        {4,
         2,
         "DEXIS",
         F::BoxUntrimmed,
         false,
         "Please select [DEXIS.EXE] as file name for Dexis Software",
         {{"\\DEXIS.EXE", nullptr}}},
        {5, -1, "VIPERSOFT", F::Empty, false, nullptr, {}},
        {6,
         3,
         "SIDEXIS",
         F::BoxUntrimmed,
         false,
         "Please select [SIDEXIS.EXE] as file name for SIDEXIS Software",
         {{"\\SIDEXIS.EXE", nullptr}}},
        {7, -1, "GENDEX", F::Empty, false, nullptr, {}},
        {8, -1, "PROIMAGE", F::Empty, false, nullptr, {}},
        // The one row whose stored code follows the program file: the three XVA programs share a code,
        // Lightyear has its own.
        {9,
         4,
         nullptr,
         F::BoxUntrimmed,
         false,
         "Please select [XVASSISTANT.EXE] or [CLINIVIEW.EXE] or [XVALITE.EXE]  or [LIGHTYEAR.EXE] as the file name "
         "for Xva3 (DMD) / CliniView Software / XV Lite / Lightyear",
         {{"\\XVASSISTANT.EXE", "XVA3DMD"},
          {"\\CLINIVIEW.EXE", "XVA3DMD"},
          {"\\XVLITE.EXE", "XVA3DMD"},
          {"\\LIGHTYEAR.EXE", "LIGHTYEAR"}}},
        {10, 5, "DIMAXIS", F::Password, false, nullptr, {}},
        {11,
         6,
         "DICOM",
         F::BoxUntrimmed,
         false,
         "Please select [SUITE.EXE] as file name for Dicom Imaging System Software",
         {{"\\SUITE.EXE", nullptr}}},
        {12,
         7,
         "IMAGEFX",
         F::BoxUntrimmed,
         false,
         "Please select [IMAGEFX.EXE] as file name for SciCan Imaging Software",
         {{"\\IMAGEFX.EXE", nullptr}}},
        {13,
         9,
         "SCHICK-DICOM",
         F::BoxTrimmed,
         true,
         "Please select [CDRDicom.EXE] as file name for Schick-Dicom Software",
         {{"\\CDRDICOM.EXE", nullptr}}},
        // The short 8.3 name is what some installers register for MediaDent.
        {14,
         10,
         "MEDIADENT",
         F::BoxTrimmed,
         true,
         "Please select [MEDIADENT.EXE] as file name for MEDIADENT Imaging Software",
         {{"\\MEDIADENT.EXE", nullptr}, {"\\MEDIAD~1.EXE", nullptr}}},
        {15,
         11,
         "ORTHOCAD",
         F::BoxTrimmed,
         true,
         "Please select [ORTHOCAD.EXE] as file name for ORTHOCAD Imaging Software",
         {{"\\ORTHOCAD.EXE", nullptr}}},
    };
    return rules;
}

const BridgeRowRule* FindBridgeRowRule(int row) {
    for (const auto& rule : BridgeRowRules())
        if (rule.row == row)
            return &rule;
    return nullptr;
}

int MatchProgramEnding(const BridgeRowRule& rule, const std::string& path) {
    for (size_t i = 0; i < rule.endings.size(); ++i) {
        const std::string ending = rule.endings[i].text;
        const std::string tail = Right(path, Len(ending));
        if ((rule.upperCased ? UCase(tail) : tail) == ending)
            return static_cast<int>(i);
    }
    return -1;
}

std::string RecordCode(const BridgeRowRule& rule, int matchedEnding) {
    if (rule.code != nullptr)
        return rule.code;
    if (matchedEnding < 0 || matchedEnding >= static_cast<int>(rule.endings.size()))
        return {};
    const char* code = rule.endings[static_cast<size_t>(matchedEnding)].code;
    return code != nullptr ? code : std::string();
}

} // namespace zw
