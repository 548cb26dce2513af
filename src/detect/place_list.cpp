// The places come from the dialog's own table of bridge rows (bridge_rows.h): the registry places of its proposals,
// each in both registry views; the folders and names of its Browse buttons; those of the folders that lie
// under Program Files, under both Program Files folders of this machine; and, for ProImage, Dentx.ini.
#include "place_list.h"

#include <set>

#include "base/strings.h"
#include "choice/bridge_rows.h"
#include "choice/choice_checks.h"
#include "choice/program_locations.h"
#include "platform/environment_component.h"

namespace zw {

namespace {

const std::string ProgramFilesPrefix = "C:\\PROGRAM FILES\\";

std::string RootName(uint32_t root) {
    return root == HKEY_CLASSES_ROOT_VALUE ? "HKCR" : "HKLM";
}

// One backslash between folder and name, whether or not the folder ends in one, as the Browse buttons join.
std::string Joined(const std::string& folder, const std::string& name) {
    if (!folder.empty() && folder.back() == '\\')
        return folder + name;
    return folder + "\\" + name;
}

// The code stored for a file of the row: the row's own, or for the XVA row the one its file name decides.
std::string CodeOf(const BridgeRow& rule, const std::string& path, const std::string& rowCode) {
    const std::string code = RecordCode(rule, MatchProgramEnding(rule, UCase(path)));
    return code.empty() ? rowCode : code;
}

class PlaceLister {
public:
    PlaceLister(DetectHost& host, RegistryReader& registry, ProgramPlaces& program, const BridgeRow* rule)
        : host_(host), registry_(registry), program_(program), rule_(rule) {}

    // Reads a registry value as the dialog does: 32-bit view first.
    RegistryRead DialogRead() {
        return [this](const std::string& subKey, uint32_t root) { return registry_.ReadString(root, subKey, ""); };
    }

    // What the dialog puts into the blank box when the row is checked, read as it reads it; the path is the one
    // its check looks for. The verdict comes once the file has been looked for.
    void AddDialogProposal(const BridgeRow& row) {
        if (!row.proposal.Proposes())
            return;
        Place place = Make(PlaceSource::Proposal, "", "");
        place.value = ProposedCommandLine(row.proposal, DialogRead());
        place.path = Trim(BoxTextForChecks(row, place.value));
        place.code = CodeOf(row, place.path, program_.code);
        place.proposed = true;
        program_.places.push_back(std::move(place));
    }

    void AddProposals(const BridgeRow& row) {
        const auto& entries = row.proposal.places;
        // The dialog reads each entry 32-bit view first; the first entry that is not empty is proposed.
        const auto [proposedEntry, proposedValue] = FirstRegistered(entries, DialogRead());
        for (size_t i = 0; i < entries.size(); ++i) {
            const RegistryPlace& entry = entries[i];
            bool proposedSeen = false;
            for (const RegistryView view : {RegistryView::Bits32, RegistryView::Bits64}) {
                const auto value = registry_.ReadInView(entry.root, entry.subKey, "", view);
                Place place = Make(PlaceSource::Registry, RootName(entry.root) + "\\" + entry.subKey,
                                   value ? CommandLineFile(*value) : "");
                place.view = view;
                place.value = value.value_or("");
                // The view the dialog took the value from is the first one that has it.
                place.proposed = int(i) == proposedEntry && value && !proposedSeen;
                proposedSeen = proposedSeen || value.has_value();
                Add(std::move(place), false);
            }
        }
        if (const char* fixedPath = row.proposal.fixedPath) {
            Place place = Make(PlaceSource::DialogDefault, "the row's fixed command line", fixedPath);
            place.value = fixedPath;
            place.proposed = true;
            Add(std::move(place), false);
        }
    }

    void AddBrowseFolders(const BridgeRow& row) {
        const std::string first = BrowseDefaultFolder(row, DialogRead());
        const std::string button = "Browse button " + std::to_string(row.button);
        AddFolder(PlaceSource::BrowseFolder, button + (row.browse.fromProposal ? ", folder from the registry" : ""),
                  first, row.browse.names);
        if (!Trim(row.browse.secondFolder).empty())
            AddFolder(PlaceSource::BrowseFolder, button + ", second folder", row.browse.secondFolder, row.browse.names);
    }

    // The Browse folders and the fixed command line name C:\Program Files; a 32-bit installer puts the program
    // into Program Files (x86) instead, and Program Files may be on another drive.
    void AddInstallFolders(const BridgeRow& row) {
        std::vector<std::string> folders{row.browse.defaultFolder, row.browse.secondFolder};
        for (const std::string& folder : folders) {
            if (UCase(Left(folder, Len(ProgramFilesPrefix))) != ProgramFilesPrefix)
                continue;
            const std::string below = Right(folder, Len(folder) - Len(ProgramFilesPrefix));
            const std::pair<std::string, std::string> bases[] = {
                {"Program Files", host_.ProgramFilesFolder()},
                {"Program Files (x86)", host_.ProgramFilesX86Folder()},
            };
            for (const auto& [name, base] : bases) {
                if (!base.empty())
                    AddFolder(PlaceSource::InstallFolder, name, Joined(base, below), row.browse.names);
            }
        }
    }

    void AddDentx() {
        const DentxMainFile dentx = LookUpDentxMainFile(host_.Profile());
        Place ini = Make(PlaceSource::DentxIni, "Windows folder", dentx.iniFile);
        ini.presence = dentx.iniFile.empty() ? Presence::NotSet
                       : dentx.iniExists     ? Presence::Exists
                                             : Presence::Missing;
        Add(std::move(ini), false);
        if (!dentx.iniExists)
            return;
        Place main = Make(PlaceSource::DentxMainFile, "Dentx.ini [imagemgt] MainFile", CommandLineFile(dentx.mainFile));
        main.value = dentx.mainFile;
        // The dialog counts ProImage as set up exactly when the main file is named.
        main.proposed = !dentx.mainFile.empty();
        Add(std::move(main), false);
    }

private:
    Place Make(PlaceSource source, std::string where, std::string path) {
        Place place;
        place.source = source;
        place.where = std::move(where);
        place.code = rule_ == nullptr ? program_.code : CodeOf(*rule_, path, program_.code);
        place.path = std::move(path);
        return place;
    }

    void AddFolder(PlaceSource source, const std::string& where, const std::string& folder,
                   const std::vector<std::string>& names) {
        // An empty folder is not looked in: the names would be relative to the current folder.
        if (folder.empty())
            return;
        for (const std::string& name : names)
            Add(Make(source, where, Joined(folder, name)), true);
    }

    // A folder's file already listed, by an earlier source, is not listed again.
    void Add(Place place, bool once) {
        const std::string key = UCase(place.path);
        if (once && !seen_.insert(key).second)
            return;
        if (!once && !key.empty())
            seen_.insert(key);
        program_.places.push_back(std::move(place));
    }

    DetectHost& host_;
    RegistryReader& registry_;
    ProgramPlaces& program_;
    const BridgeRow* rule_;
    std::set<std::string> seen_;
};

} // namespace

std::vector<ProgramPlaces> ListPlaces(DetectHost& host, RegistryReader& registry) {
    std::vector<ProgramPlaces> programs;
    for (const BridgeRow& rule : BridgeRows()) {
        if (rule.button < 0 && rule.row != ProImageRow)
            continue;
        ProgramPlaces& program = programs.emplace_back(ProgramPlaces{int16_t(rule.row), rule.Codes().front(), {}});
        PlaceLister lister(host, registry, program, rule.ChecksFile() ? &rule : nullptr);
        if (rule.button < 0) {
            lister.AddDentx();
            continue;
        }
        lister.AddDialogProposal(rule);
        lister.AddProposals(rule);
        lister.AddBrowseFolders(rule);
        lister.AddInstallFolders(rule);
    }
    return programs;
}

} // namespace zw
