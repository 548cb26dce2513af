#pragma once
// Where each bridge program that takes a command line, and ProImage's main file, is or could be installed on
// this machine: every place the dialog itself looks, each with its source and whether the file is there.
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
};

struct Place {
    std::string code; // the code the dialog would store for this file
    PlaceSource source;
    std::string where; // the registry key, the Browse button, the install folder, the .ini key
    std::optional<RegistryView> view;
    std::string value; // the registry or .ini value as read; empty for folder places
    std::string path;  // the file looked for; empty when the value names none
    Presence presence = Presence::NotSet;
    DriveInfo drive;
    bool proposed = false; // what the dialog puts into the row's box when the row is checked
    bool first = false;    // the first place, in the dialog's order, where the file is
};

struct ProgramPlaces {
    int16_t row; // the CheckBox1 row
    std::string code;
    std::vector<Place> places; // in the order the dialog looks
};

struct DetectOptions {
    // The time all drives and shares together get to answer.
    std::chrono::milliseconds budget{2000};
};

std::vector<ProgramPlaces> Detect(const std::shared_ptr<DetectHost>& host, RegistryReader& registry,
                                  const DetectOptions& options = {});

// For a bridge code: the file of the first place where it is (for the XVA row, the first whose file stores that
// code), and every path that was looked at, with its source, for the message when there is none.
struct DetectedProgram {
    std::optional<std::string> path;
    std::vector<std::string> tried;
};
DetectedProgram FindDetected(const std::vector<ProgramPlaces>& programs, const std::string& code);

// The file a command line starts: the text within its leading quotes, else the text up to and including the
// first ".exe" followed by a blank, else the whole text; blanks around it removed.
std::string CommandLineFile(const std::string& commandLine);

} // namespace zw
