#include <array>

#include "app/environment.h"
#include "choice/bridge_rows.h"
#include "controls/strings.h"
#include "dialog/frm_zw_int_stp.h"

namespace zw {

namespace {

// Where a row's program is usually installed.
enum class FolderSource {
    Fixed,      // the folders of the row
    Registered, // the folder of the program where the row's proposal finds it registered (the Schick rows)
};

struct BrowseRow {
    int16_t command;
    int16_t text;
    std::vector<std::string> names; // in order of preference
    FolderSource source;
    std::string defaultFolder;
    std::string secondFolder;
};

// MediaDent and OrthoCAD are registered with the full path of their executable; the row holds the folder
// of that file, because the default-location check appends the name to the folder it is given.
const std::array<BrowseRow, 11>& BrowseRows() {
    static const std::array<BrowseRow, 11> rows{{
        {2, 0, {"TW.EXE"}, FolderSource::Fixed, "", ""},
        {3, 1, {"TIGER1.EXE"}, FolderSource::Fixed, "C:\\TIGERS", ""},
        {4, 2, {"DEXIS.EXE"}, FolderSource::Fixed, "f:\\dexis", ""},
        {5, 3, {"SIDEXIS.EXE"}, FolderSource::Fixed, "C:\\SIDEXIS", ""},
        {6,
         4,
         {"XVASSISTANT.EXE", "CLINIVIEW.EXE", "XVLITE.EXE", "LIGHTYEAR.EXE"},
         FolderSource::Fixed,
         "C:\\Program Files\\Apteryx\\",
         "C:\\Program Files\\APTERYX\\APTERYX IMAGING\\"},
        {7, 8, {"NCDR.EXE", "CDR.EXE"}, FolderSource::Registered, "", ""},
        {8, 6, {"SUITE.EXE"}, FolderSource::Fixed, "C:\\ImagExplorer", ""},
        {9, 7, {"IMAGEFX.EXE"}, FolderSource::Fixed, "C:\\IMAGEFX", ""},
        {10, 9, {"CDRDICOM.EXE"}, FolderSource::Registered, "", ""},
        {11, 10, {"MEDIADENT.EXE"}, FolderSource::Fixed, "C:\\Program Files\\MultiMedia Dental\\Mediadent", ""},
        {12, 11, {"OrthoCAD.EXE"}, FolderSource::Fixed, "C:\\Program Files\\Cadent\\OrthoCAD", ""},
    }};
    return rows;
}

// The folder of a registered program: the value without its executable's name when it ends in it (in any
// case, blanks around it ignored), else the value whole. The cut counts the value's length as read, so
// blanks around the value leave as many extra characters of the path in the folder.
std::string FolderFromValue(const std::string& value, const std::string& ending) {
    const int n = Len(ending);
    const std::string trimmed = Trim(value);
    if (UCase(Right(trimmed, n)) == ending)
        return Left(trimmed, Len(value) - n);
    return value;
}

// The registrations are asked in the proposal's order: the newer Schick program wins whenever it is
// registered at all, even under an unexpected name; the older one is asked for only when the newer one has
// no entry. A registration's program is the last part of its key (App Paths\NCDR.EXE).
std::string RegisteredFolder(int16_t textBox) {
    for (const BridgeRowRule& rule : BridgeRowRules()) {
        const CommandLineProposal* proposal = rule.box == textBox ? FindProposal(rule.row) : nullptr;
        if (proposal == nullptr)
            continue;
        std::string folder;
        for (const RegistryPlace& place : proposal->places) {
            const std::string value = Env().ReadRegistryString(place.subKey, "", place.root);
            const std::string key = place.subKey;
            const std::string program = key.substr(key.rfind('\\')); // with its backslash
            folder = FolderFromValue(value, UCase(program));
            if (!value.empty())
                break;
        }
        return folder.empty() ? "C:\\" : folder;
    }
    return "C:\\";
}

} // namespace

void frmZWIntStp::RunBrowseButton(int16_t Index) {
    for (const auto& row : BrowseRows()) {
        if (row.command != Index)
            continue;
        std::string defaultFolder;
        switch (row.source) {
        case FolderSource::Fixed:
            defaultFolder = row.defaultFolder;
            break;
        case FolderSource::Registered:
            defaultFolder = RegisteredFolder(row.text);
            break;
        }
        BrowseForProgram(Text1(row.text), row.names, defaultFolder, row.secondFolder);
        return;
    }
}

} // namespace zw
