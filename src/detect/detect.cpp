#include "detect.h"

#include <algorithm>

#include "base/strings.h"
#include "choice/choice_checks.h"
#include "choice/interface_codes.h"
#include "place_list.h"

namespace zw {

namespace {

// The dialog's check of the row with the text in its box: the file's name, then that the file is there, as
// the search found the place's path (the one path the check asks about).
void Judge(Place& place, const BridgeRow& row, const std::string& text) {
    const bool exists = place.presence == Presence::Exists;
    const ChoiceCheck check = CheckChoice({{row.row, text}}, {}, {[exists](const std::string&) { return exists; }, {}});
    place.accepted = check.passed;
    place.refusal = check.problems;
}

// The verdict on the proposal, for a person: the problems on one line.
std::string Verdict(const Place& proposal) {
    if (proposal.accepted.value_or(false))
        return "accepted by the dialog's check";
    // Each problem is preceded by CR LF.
    std::string problems = proposal.refusal.substr(std::min(proposal.refusal.size(), CRLF.size()));
    for (size_t at; (at = problems.find(CRLF)) != std::string::npos;)
        problems.replace(at, CRLF.size(), "; ");
    return "refused by the dialog's check: " + problems;
}

bool Found(const Place& place) {
    if (place.source == PlaceSource::Proposal || place.source == PlaceSource::DentxIni)
        return false;
    return place.accepted.value_or(place.presence == Presence::Exists);
}

} // namespace

std::string CommandLineFile(const std::string& commandLine) {
    const std::string text = Trim(commandLine);
    if (!text.empty() && text.front() == '"') {
        const size_t close = text.find('"', 1);
        return Trim(text.substr(1, close == std::string::npos ? std::string::npos : close - 1));
    }
    const std::string upper = UCase(text);
    const size_t exe = upper.find(".EXE ");
    return exe == std::string::npos ? text : text.substr(0, exe + 4);
}

std::vector<ProgramPlaces> Detect(const std::shared_ptr<DetectHost>& host, RegistryReader& registry,
                                  const DetectOptions& options) {
    std::vector<ProgramPlaces> programs = ListPlaces(*host, registry);

    std::vector<Place*> pending;
    std::vector<std::string> paths;
    for (auto& program : programs) {
        for (auto& place : program.places) {
            if (place.source == PlaceSource::DentxIni || place.path.empty())
                continue;
            pending.push_back(&place);
            paths.push_back(place.path);
        }
    }
    const CheckResults results = CheckPaths(host, paths, options.budget);
    for (size_t i = 0; i < pending.size(); ++i)
        pending[i]->presence = results.presence[i];
    for (auto& program : programs) {
        for (auto& place : program.places) {
            if (const auto drive = results.drives.find(RootOf(place.path)); drive != results.drives.end())
                place.drive = drive->second;
        }
    }

    for (auto& program : programs) {
        const BridgeRow* row = FindBridgeRow(program.row);
        for (auto& place : program.places) {
            if (row == nullptr || !row->ChecksFile())
                break;
            if (place.source == PlaceSource::Proposal) {
                Judge(place, *row, place.value);
                place.where = Verdict(place);
            } else if (!place.path.empty()) {
                Judge(place, *row, place.path);
            }
        }
        for (auto& place : program.places) {
            if (Found(place)) {
                place.first = true;
                break;
            }
        }
    }
    return programs;
}

DetectedProgram FindDetected(const std::vector<ProgramPlaces>& programs, const std::string& code) {
    DetectedProgram detected;
    const InterfaceCode* entry = FindXrayCode(UCase(code));
    if (entry == nullptr || entry->control != CodeControl::Bridge)
        return detected;
    for (const auto& program : programs) {
        if (program.row != entry->controlIndex)
            continue;
        for (const auto& place : program.places) {
            if (place.source == PlaceSource::Proposal) {
                if (place.accepted.value_or(false) && place.code == entry->code)
                    detected.path = place.value;
                else if (!place.value.empty())
                    detected.refusedProposal = place.value;
                continue;
            }
            if (place.path.empty())
                continue;
            detected.tried.push_back(place.path + " (" + place.where + ")");
            if (!detected.path && Found(place) && place.code == entry->code)
                detected.path = place.path;
        }
    }
    return detected;
}

} // namespace zw
