#pragma once
// Where each bridge program that takes a command line, and ProImage's main file, is or could be installed on
// this machine: every place the dialog itself looks, each with its source, whether the file is there and
// whether the dialog's check would accept it; and what the dialog proposes for the row, with that check's
// verdict.
#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "bounded_checks.h"
#include "host/registry_reader.h"

namespace zw {

enum class PlaceSource {
    Registry,      // a registry value the dialog reads for a row's proposal
    DialogDefault, // the fixed path a row proposes (OrthoCAD)
    BrowseFolder,  // a folder and name a Browse button tries
    InstallFolder, // a usual install folder under Program Files or Program Files (x86)
    DentxIni,      // Dentx.ini in the Windows folder
    DentxMainFile, // the main file Dentx.ini names
    Proposal,      // what the dialog puts into the row's blank box when the row is checked, as it puts it there
};

struct Place {
    std::string code; // the code the dialog would store for this file
    PlaceSource source;
    std::string where; // the registry key, the Browse button, the install folder, the .ini key
    std::optional<RegistryView> view;
    std::string value; // the registry or .ini value as read, the proposal as made; empty for folder places
    std::string path;  // the file looked for (for the proposal: the path its check looks for); empty when none
    Presence presence = Presence::NotSet;
    DriveInfo drive;
    // The dialog's proposal, and the registry value or fixed path it comes from.
    bool proposed = false;
    // The dialog's check of the row with this path in its box (the proposal: with the proposal in its box): the
    // file's name, then that the file is there; not set where the row checks no file or nothing is named.
    std::optional<bool> accepted;
    std::string refusal; // the problems the check found, each preceded by CR LF, when it does not accept
    // The first place, in the dialog's order, that its check accepts (for ProImage: where the file is); never
    // the proposal itself.
    bool first = false;
};

struct ProgramPlaces {
    int16_t row; // the CheckBox1 row
    std::string code;
    std::vector<Place> places; // the row's proposal first, then in the order the dialog looks
};

struct DetectOptions {
    // The time all drives and shares together get to answer.
    std::chrono::milliseconds budget{2000};
};

std::vector<ProgramPlaces> Detect(const std::shared_ptr<DetectHost>& host, RegistryReader& registry,
                                  const DetectOptions& options = {});

// For a bridge code, what to store as its command line so that the dialog's check accepts it: the dialog's
// proposal when the check accepts it, else the file of the first place the check accepts (for the XVA row,
// the first whose file stores that code); and every path that was looked at, with its source, for the
// message when there is none.
struct DetectedProgram {
    std::optional<std::string> path;
    std::vector<std::string> tried;
    std::optional<std::string> refusedProposal; // the row's proposal, when there is one and the check refuses it
};
DetectedProgram FindDetected(const std::vector<ProgramPlaces>& programs, const std::string& code);

// The file a command line starts: the text within its leading quotes, else the text up to and including the
// first ".exe" followed by a blank, else the whole text; blanks around it removed.
std::string CommandLineFile(const std::string& commandLine);

} // namespace zw
