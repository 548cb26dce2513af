#include "detect.h"

#include "base/strings.h"
#include "choice/interface_codes.h"
#include "place_list.h"

namespace zw {

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
        for (auto& place : program.places) {
            if (place.source != PlaceSource::DentxIni && place.presence == Presence::Exists) {
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
            if (place.path.empty())
                continue;
            detected.tried.push_back(place.path + " (" + place.where + ")");
            if (!detected.path && place.presence == Presence::Exists && place.source != PlaceSource::DentxIni &&
                place.code == entry->code)
                detected.path = place.path;
        }
    }
    return detected;
}

} // namespace zw
