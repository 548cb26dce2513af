#include "bridge_rows.h"

#include "base/strings.h"
#include "platform/environment_component.h"

namespace zw {

namespace {

const char* const AppPaths = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\";

} // namespace

const std::vector<BridgeRow>& BridgeRows() {
    using F = RowField;
    constexpr uint32_t HKLM = HKEY_LOCAL_MACHINE_VALUE;
    static const std::string ncdr = std::string(AppPaths) + "NCDR.EXE";
    static const std::string cdr = std::string(AppPaths) + "CDR.EXE";
    static const std::string cdrDicom = std::string(AppPaths) + "CDRDicom.EXE";
    static const std::vector<BridgeRow> rows = {
        // Trophy's bridge finds its program only by an upper-case path: its box is upper-cased before the
        // checks, where the user sees it, and compared exactly. Its Browse button has no folder to offer.
        {.row = 1,
         .code = "TROPHY",
         .text = 0,
         .button = 2,
         .field = F::BoxUntrimmed,
         .message = "Please select [TW.EXE] as file name for Trophy Software",
         .endings = {{"\\TW.EXE", nullptr}},
         .upperCasesBox = true,
         .browse = {{"TW.EXE"}}},
        // Newer Schick installations register NCDR.EXE, older ones only CDR.EXE. The load checks the row
        // before it sets the stored text, so that the stored text, even an empty one, replaces the proposal.
        // The Browse button looks where the newer program is registered whenever it is registered at all.
        {.row = 2,
         .code = "SCHICK",
         .text = 8,
         .button = 7,
         .field = F::BoxTrimmed,
         .upperCased = true,
         .message = "Please select [NCDR.EXE] or [CDR.EXE] as file name for Schick 2.6 Software",
         .endings = {{"\\NCDR.EXE", nullptr}, {"\\CDR.EXE", nullptr}},
         .checkedBeforeText = true,
         .proposal = {{{HKLM, ncdr.c_str()}, {HKLM, cdr.c_str()}}},
         .browse = {.names = {"NCDR.EXE", "CDR.EXE"}, .fromProposal = true}},
        {.row = 3,
         .code = "TIGER",
         .text = 1,
         .button = 3,
         .field = F::BoxUntrimmed,
         .message = "Please select [TIGER1.EXE] as file name for TigerView Software",
         .endings = {{"\\TIGER1.EXE", nullptr}},
         .browse = {{"TIGER1.EXE"}, "C:\\TIGERS"}},
        {.row = 4,
         .code = "DEXIS",
         .text = 2,
         .button = 4,
         .field = F::BoxUntrimmed,
         .message = "Please select [DEXIS.EXE] as file name for Dexis Software",
         .endings = {{"\\DEXIS.EXE", nullptr}},
         .browse = {{"DEXIS.EXE"}, "f:\\dexis"}},
        {.row = 5, .code = "VIPERSOFT"},
        {.row = 6,
         .code = "SIDEXIS",
         .text = 3,
         .button = 5,
         .field = F::BoxUntrimmed,
         .message = "Please select [SIDEXIS.EXE] as file name for SIDEXIS Software",
         .endings = {{"\\SIDEXIS.EXE", nullptr}},
         .browse = {{"SIDEXIS.EXE"}, "C:\\SIDEXIS"}},
        {.row = 7, .code = "GENDEX"},
        {.row = 8, .code = "PROIMAGE"},
        // The one row whose stored code follows the program file: the three XVA programs share a code,
        // Lightyear has its own.
        {.row = 9,
         .text = 4,
         .button = 6,
         .field = F::BoxUntrimmed,
         .message = "Please select [XVASSISTANT.EXE] or [CLINIVIEW.EXE] or [XVALITE.EXE]  or [LIGHTYEAR.EXE] as the "
                    "file name for Xva3 (DMD) / CliniView Software / XV Lite / Lightyear",
         .endings = {{"\\XVASSISTANT.EXE", "XVA3DMD"},
                     {"\\CLINIVIEW.EXE", "XVA3DMD"},
                     {"\\XVLITE.EXE", "XVA3DMD"},
                     {"\\LIGHTYEAR.EXE", "LIGHTYEAR"}},
         .browse = {{"XVASSISTANT.EXE", "CLINIVIEW.EXE", "XVLITE.EXE", "LIGHTYEAR.EXE"},
                    "C:\\Program Files\\Apteryx\\",
                    "C:\\Program Files\\APTERYX\\APTERYX IMAGING\\"}},
        // The box holds a password: no file check and no Browse button.
        {.row = 10, .code = "DIMAXIS", .text = 5, .field = F::Password},
        {.row = 11,
         .code = "DICOM",
         .text = 6,
         .button = 8,
         .field = F::BoxUntrimmed,
         .message = "Please select [SUITE.EXE] as file name for Dicom Imaging System Software",
         .endings = {{"\\SUITE.EXE", nullptr}},
         .browse = {{"SUITE.EXE"}, "C:\\ImagExplorer"}},
        {.row = 12,
         .code = "IMAGEFX",
         .text = 7,
         .button = 9,
         .field = F::BoxUntrimmed,
         .message = "Please select [IMAGEFX.EXE] as file name for SciCan Imaging Software",
         .endings = {{"\\IMAGEFX.EXE", nullptr}},
         .browse = {{"IMAGEFX.EXE"}, "C:\\IMAGEFX"}},
        {.row = 13,
         .code = "SCHICK-DICOM",
         .text = 9,
         .button = 10,
         .field = F::BoxTrimmed,
         .upperCased = true,
         .message = "Please select [CDRDicom.EXE] as file name for Schick-Dicom Software",
         .endings = {{"\\CDRDICOM.EXE", nullptr}},
         .checkedBeforeText = true,
         .proposal = {{{HKLM, cdrDicom.c_str()}}},
         .browse = {.names = {"CDRDICOM.EXE"}, .fromProposal = true}},
        // The short 8.3 name is what some installers register for MediaDent. Its COM server's registration
        // is proposed as read, quotes and arguments included. MediaDent and OrthoCAD are known by the full
        // path of their program file; the Browse folder is that file's folder, because the default-location
        // check appends the name to the folder it is given.
        {.row = 14,
         .code = "MEDIADENT",
         .text = 10,
         .button = 11,
         .field = F::BoxTrimmed,
         .upperCased = true,
         .message = "Please select [MEDIADENT.EXE] as file name for MEDIADENT Imaging Software",
         .endings = {{"\\MEDIADENT.EXE", nullptr}, {"\\MEDIAD~1.EXE", nullptr}},
         .proposal = {{{HKEY_CLASSES_ROOT_VALUE, "CLSID\\{E83A9180-5A1A-45AF-8D55-00841FE3FD18}\\LocalServer32"}}},
         .browse = {{"MEDIADENT.EXE"}, "C:\\Program Files\\MultiMedia Dental\\Mediadent"}},
        // OrthoCAD installs to one fixed place.
        {.row = 15,
         .code = "ORTHOCAD",
         .text = 11,
         .button = 12,
         .field = F::BoxTrimmed,
         .upperCased = true,
         .message = "Please select [ORTHOCAD.EXE] as file name for ORTHOCAD Imaging Software",
         .endings = {{"\\ORTHOCAD.EXE", nullptr}},
         .proposal = {{}, "C:\\Program Files\\Cadent\\OrthoCAD\\OrthoCAD.exe"},
         .browse = {{"OrthoCAD.EXE"}, "C:\\Program Files\\Cadent\\OrthoCAD"}},
    };
    return rows;
}

std::vector<const char*> BridgeRow::Codes() const {
    if (code != nullptr)
        return {code};
    std::vector<const char*> codes;
    for (const ProgramEnding& ending : endings)
        if (codes.empty() || std::string(codes.back()) != ending.code)
            codes.push_back(ending.code);
    return codes;
}

const BridgeRow* FindBridgeRow(int row) {
    for (const auto& bridge : BridgeRows())
        if (bridge.row == row)
            return &bridge;
    return nullptr;
}

const BridgeRow* FindBrowseButton(int button) {
    for (const auto& bridge : BridgeRows())
        if (bridge.button >= 0 && bridge.button == button)
            return &bridge;
    return nullptr;
}

const CommandLineProposal* FindProposal(int row) {
    const BridgeRow* bridge = FindBridgeRow(row);
    return bridge != nullptr && bridge->proposal.Proposes() ? &bridge->proposal : nullptr;
}

int MatchProgramEnding(const BridgeRow& row, const std::string& path) {
    for (size_t i = 0; i < row.endings.size(); ++i) {
        const std::string ending = row.endings[i].text;
        const std::string tail = Right(path, Len(ending));
        if ((row.upperCased ? UCase(tail) : tail) == ending)
            return static_cast<int>(i);
    }
    return -1;
}

std::string RecordCode(const BridgeRow& row, int matchedEnding) {
    if (row.code != nullptr)
        return row.code;
    if (matchedEnding < 0 || matchedEnding >= static_cast<int>(row.endings.size()))
        return {};
    const char* code = row.endings[static_cast<size_t>(matchedEnding)].code;
    return code != nullptr ? code : std::string();
}

std::pair<int, std::string> FirstRegistered(const std::vector<RegistryPlace>& places, const RegistryRead& read) {
    for (size_t i = 0; i < places.size(); ++i) {
        std::string value = read(places[i].subKey, places[i].root);
        if (!value.empty())
            return {static_cast<int>(i), std::move(value)};
    }
    return {-1, {}};
}

std::string ProposedCommandLine(const CommandLineProposal& proposal, const RegistryRead& read) {
    if (proposal.fixedPath != nullptr)
        return proposal.fixedPath;
    return FirstRegistered(proposal.places, read).second;
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
