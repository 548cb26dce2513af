#include "bridge_rows.h"

#include "base/strings.h"
#include "platform/environment_component.h"

namespace zw {

const std::vector<BridgeRowRule>& BridgeRowRules() {
    using F = RowField;
    static const std::vector<BridgeRowRule> rules = {
        // Trophy's bridge finds its program only by an upper-case path: its box is upper-cased before the
        // checks, where the user sees it, and compared exactly.
        {1,
         0,
         "TROPHY",
         F::BoxUntrimmed,
         false,
         "Please select [TW.EXE] as file name for Trophy Software",
         {{"\\TW.EXE", nullptr}},
         true},
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

const CommandLineProposal* FindProposal(int row) {
    static const std::vector<CommandLineProposal> proposals = {
        // Newer Schick installations register NCDR.EXE; older ones only CDR.EXE.
        {2,
         8,
         {{HKEY_LOCAL_MACHINE_VALUE, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\NCDR.EXE"},
          {HKEY_LOCAL_MACHINE_VALUE, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\CDR.EXE"}},
         nullptr},
        {13,
         9,
         {{HKEY_LOCAL_MACHINE_VALUE, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\CDRDicom.EXE"}},
         nullptr},
        {14, 10, {{HKEY_CLASSES_ROOT_VALUE, "CLSID\\{E83A9180-5A1A-45AF-8D55-00841FE3FD18}\\LocalServer32"}}, nullptr},
        // OrthoCAD installs to one fixed place.
        {15, 11, {}, "C:\\Program Files\\Cadent\\OrthoCAD\\OrthoCAD.exe"},
    };
    for (const auto& proposal : proposals)
        if (proposal.row == row)
            return &proposal;
    return nullptr;
}

std::string ProposedCommandLine(const CommandLineProposal& proposal, const RegistryRead& read) {
    if (proposal.fixedPath != nullptr)
        return proposal.fixedPath;
    std::string text;
    for (const RegistryPlace& place : proposal.places) {
        text = read(place.subKey, place.root);
        if (!text.empty())
            break;
    }
    return text;
}

const char* const ProImageMissingMessage = "You do not have ProImage setup on this computer, Please install PorImage "
                                           "program to this computer before you select this option";

DentxMainFile LookUpDentxMainFile(WindowsProfile& profile) {
    constexpr unsigned WindowsFolderBufferSize = 255;
    constexpr unsigned MainFileBufferSize = 2048;

    DentxMainFile found;
    std::string folder;
    const unsigned folderLength = profile.GetWindowsDirectoryA(folder, WindowsFolderBufferSize);
    if (folderLength < 1)
        return found;
    found.iniFile = Left(folder, static_cast<int>(folderLength)) + "\\Dentx.ini";
    found.iniExists = profile.FileExists(found.iniFile);
    if (!found.iniExists)
        return found;

    std::string mainFile;
    const unsigned count =
        profile.GetPrivateProfileStringA("imagemgt", "MainFile", "", mainFile, MainFileBufferSize, found.iniFile);
    if (count > 0)
        found.mainFile = Left(mainFile, static_cast<int>(count));
    return found;
}

std::string ReadDentxMainFile(WindowsProfile& profile) {
    return LookUpDentxMainFile(profile).mainFile;
}

} // namespace zw
