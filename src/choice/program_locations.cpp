#include "program_locations.h"

#include "base/strings.h"

namespace zw {

std::string AppPathsProgram(const RegistryPlace& place) {
    const std::string appPaths = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\";
    const std::string key = place.subKey;
    return key.compare(0, appPaths.size(), appPaths) == 0 ? key.substr(appPaths.size()) : "";
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

std::string BrowseDefaultFolder(const BridgeRow& row, const RegistryRead& read) {
    if (!row.browse.fromProposal)
        return row.browse.defaultFolder;
    const auto& places = row.proposal.places;
    const auto [index, value] = FirstRegistered(places, read);
    const std::string folder = index < 0 ? "" : FolderFromValue(value, AppPathsProgram(places[size_t(index)]));
    return folder.empty() ? "C:\\" : folder;
}

} // namespace zw
