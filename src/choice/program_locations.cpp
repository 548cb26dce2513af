#include "program_locations.h"

#include <map>

#include "base/strings.h"
#include "bridge_rows.h"
#include "platform/environment_component.h"

namespace zw {

namespace {

const std::string AppPaths = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\";

// An App Paths key is named after the program it registers; a server registration is a whole command line.
std::vector<RegistryEntry> EntriesOf(int16_t row) {
    std::vector<RegistryEntry> entries;
    if (const CommandLineProposal* proposal = FindProposal(row))
        for (const RegistryPlace& place : proposal->places) {
            const std::string key = place.subKey;
            const bool appPath = key.compare(0, AppPaths.size(), AppPaths) == 0;
            entries.push_back({place.root, key, appPath ? key.substr(AppPaths.size()) : ""});
        }
    return entries;
}

} // namespace

const std::vector<RegistryEntry>& ProposalEntries(int16_t row) {
    static const std::map<int16_t, std::vector<RegistryEntry>> byRow = [] {
        std::map<int16_t, std::vector<RegistryEntry>> rows;
        for (int16_t i = 1; i <= 15; ++i)
            rows[i] = EntriesOf(i);
        return rows;
    }();
    static const std::vector<RegistryEntry> none;
    const auto found = byRow.find(row);
    return found == byRow.end() ? none : found->second;
}

std::pair<int, std::string> FirstRegistered(const std::vector<RegistryEntry>& entries, const RegistryEntryRead& read) {
    for (size_t i = 0; i < entries.size(); ++i) {
        std::string value = read(entries[i]);
        if (!value.empty())
            return {int(i), std::move(value)};
    }
    return {-1, {}};
}

// MediaDent and OrthoCAD are known by the full path of their executable; the row holds the folder of that
// file, because the default-location check appends the name to the folder it is given. The Schick rows look
// where the newer program is registered whenever it is registered at all, even under an unexpected name.
const std::vector<BrowseRow>& BrowseRows() {
    static const std::vector<BrowseRow> rows{
        {2, 0, 1, {"TW.EXE"}, {}, "", ""},
        {3, 1, 3, {"TIGER1.EXE"}, {}, "C:\\TIGERS", ""},
        {4, 2, 4, {"DEXIS.EXE"}, {}, "f:\\dexis", ""},
        {5, 3, 6, {"SIDEXIS.EXE"}, {}, "C:\\SIDEXIS", ""},
        {6,
         4,
         9,
         {"XVASSISTANT.EXE", "CLINIVIEW.EXE", "XVLITE.EXE", "LIGHTYEAR.EXE"},
         {},
         "C:\\Program Files\\Apteryx\\",
         "C:\\Program Files\\APTERYX\\APTERYX IMAGING\\"},
        {7, 8, 2, {"NCDR.EXE", "CDR.EXE"}, ProposalEntries(2), "", ""},
        {8, 6, 11, {"SUITE.EXE"}, {}, "C:\\ImagExplorer", ""},
        {9, 7, 12, {"IMAGEFX.EXE"}, {}, "C:\\IMAGEFX", ""},
        {10, 9, 13, {"CDRDICOM.EXE"}, ProposalEntries(13), "", ""},
        {11, 10, 14, {"MEDIADENT.EXE"}, {}, "C:\\Program Files\\MultiMedia Dental\\Mediadent", ""},
        {12, 11, 15, {"OrthoCAD.EXE"}, {}, "C:\\Program Files\\Cadent\\OrthoCAD", ""},
    };
    return rows;
}

// The cut counts the value's length as read, so blanks around the value leave as many extra characters of
// the path in the folder.
std::string FolderFromValue(const std::string& value, const std::string& program) {
    const std::string ending = "\\" + UCase(program);
    const int n = Len(ending);
    const std::string trimmed = Trim(value);
    if (UCase(Right(trimmed, n)) == ending)
        return Left(trimmed, Len(value) - n);
    return value;
}

std::string BrowseDefaultFolder(const BrowseRow& row, const RegistryEntryRead& read) {
    if (row.folderEntries.empty())
        return row.defaultFolder;
    const auto [index, value] = FirstRegistered(row.folderEntries, read);
    const std::string folder = index < 0 ? "" : FolderFromValue(value, row.folderEntries[size_t(index)].program);
    return folder.empty() ? "C:\\" : folder;
}

} // namespace zw
