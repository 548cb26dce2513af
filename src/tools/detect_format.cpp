#include "detect_format.h"

#include <ostream>

#include "output_format.h"

namespace zw {

namespace {

const char* SourceName(PlaceSource source) {
    switch (source) {
    case PlaceSource::Registry:
        return "registry";
    case PlaceSource::DialogDefault:
        return "default";
    case PlaceSource::BrowseFolder:
        return "browse";
    case PlaceSource::InstallFolder:
        return "install-folder";
    case PlaceSource::DentxIni:
        return "dentx-ini";
    case PlaceSource::DentxMainFile:
        return "dentx-main-file";
    case PlaceSource::Proposal:
        return "proposal";
    }
    return "";
}

const char* PresenceName(Presence presence) {
    switch (presence) {
    case Presence::Exists:
        return "exists";
    case Presence::Missing:
        return "missing";
    case Presence::Unreachable:
        return "unreachable";
    case Presence::NotSet:
        return "not-set";
    }
    return "";
}

const char* DriveName(DriveKind kind) {
    switch (kind) {
    case DriveKind::Local:
        return "local";
    case DriveKind::Mapped:
        return "mapped";
    case DriveKind::Share:
        return "share";
    case DriveKind::NoDrive:
        return "no-drive";
    case DriveKind::Unknown:
        return "unknown";
    }
    return "";
}

std::string ViewName(const Place& place) {
    if (!place.view)
        return "";
    return *place.view == RegistryView::Bits32 ? "32-bit" : "64-bit";
}

// What a support person needs to know about the drive: nothing for a local one.
std::string DriveNote(const Place& place) {
    switch (place.drive.kind) {
    case DriveKind::Mapped:
        return place.drive.unc.empty() ? "mapped network drive, share not known"
                                       : "mapped network drive " + place.drive.unc;
    case DriveKind::Share:
        return "network share";
    case DriveKind::NoDrive:
        return "no such drive";
    default:
        return "";
    }
}

nlohmann::ordered_json TextOrNull(const std::string& text) {
    return text.empty() ? nlohmann::ordered_json(nullptr) : nlohmann::ordered_json(text);
}

// The fields of a place, in the order they are written: one line a field. The CSV keeps the columns it had
// before the check's verdict was added, for scripts that read them by position; JSON has every field.
struct PlaceField {
    const char* name;
    nlohmann::ordered_json (*value)(const Place& place);
    bool inCsv = true;
};
const PlaceField PlaceFields[] = {
    {"code", [](const Place& p) { return nlohmann::ordered_json(p.code); }},
    {"source", [](const Place& p) { return nlohmann::ordered_json(SourceName(p.source)); }},
    {"where", [](const Place& p) { return nlohmann::ordered_json(p.where); }},
    {"view", [](const Place& p) { return TextOrNull(ViewName(p)); }},
    {"value", [](const Place& p) { return nlohmann::ordered_json(p.value); }},
    {"path", [](const Place& p) { return TextOrNull(p.path); }},
    {"state", [](const Place& p) { return nlohmann::ordered_json(PresenceName(p.presence)); }},
    {"drive", [](const Place& p) { return nlohmann::ordered_json(DriveName(p.drive.kind)); }},
    {"unc", [](const Place& p) { return TextOrNull(p.drive.unc); }},
    {"proposed", [](const Place& p) { return nlohmann::ordered_json(p.proposed); }},
    {"accepted", [](const Place& p) { return p.accepted ? nlohmann::ordered_json(*p.accepted) : nullptr; }, false},
    {"first", [](const Place& p) { return nlohmann::ordered_json(p.first); }},
};

// A field as a cell: a text as it is, nothing as empty, yes or no.
std::string Cell(const nlohmann::ordered_json& value) {
    if (value.is_boolean())
        return value.get<bool>() ? "yes" : "no";
    return value.is_string() ? value.get<std::string>() : std::string();
}

} // namespace

std::string DescribePlace(const Place& place) {
    std::string text = place.path.empty() ? "(nothing named)" : place.path;
    text += "  <- " + std::string(SourceName(place.source)) + ": " + place.where;
    if (place.view)
        text += ", " + ViewName(place) + " view";
    return text;
}

bool WriteDetectTable(const std::vector<ProgramPlaces>& programs, std::ostream& out) {
    out << "* the first place the dialog's check accepts   > the dialog's proposal and the value it is read from\n";
    tool::Rows rows = {{"PROGRAM", "", "STATE", "PATH", "NOTE", "SOURCE", "WHERE"}};
    for (const auto& program : programs) {
        if (program.places.empty())
            rows.push_back({program.code, "", "", "(nowhere known: Browse opens the folder browser)"});
        for (const auto& place : program.places) {
            std::string note = DriveNote(place);
            if (place.code != program.code)
                note += (note.empty() ? "" : "; ") + std::string("stored as ") + place.code;
            rows.push_back({program.code, std::string(place.first ? "*" : " ") + (place.proposed ? ">" : ""),
                            PresenceName(place.presence), place.path.empty() ? "(nothing named)" : place.path, note,
                            SourceName(place.source) + (place.view ? ", " + ViewName(place) : ""), place.where});
        }
    }
    return tool::WriteTable(out, rows);
}

nlohmann::ordered_json DetectJson(const std::vector<ProgramPlaces>& programs) {
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const auto& program : programs) {
        std::string found;
        for (const auto& place : program.places)
            found = place.first ? place.path : found;
        nlohmann::ordered_json places = nlohmann::ordered_json::array();
        for (const Place& place : program.places) {
            nlohmann::ordered_json object = nlohmann::ordered_json::object();
            for (const PlaceField& field : PlaceFields)
                object[field.name] = field.value(place);
            places.push_back(std::move(object));
        }
        list.push_back(
            {{"code", program.code}, {"row", program.row}, {"found", TextOrNull(found)}, {"places", places}});
    }
    return {{"programs", list}};
}

std::vector<std::vector<std::string>> DetectRows(const std::vector<ProgramPlaces>& programs) {
    std::vector<std::vector<std::string>> rows{{"program"}};
    for (const PlaceField& field : PlaceFields)
        if (field.inCsv)
            rows[0].push_back(field.name);
    for (const auto& program : programs)
        for (const Place& place : program.places) {
            rows.push_back({program.code});
            for (const PlaceField& field : PlaceFields)
                if (field.inCsv)
                    rows.back().push_back(Cell(field.value(place)));
        }
    return rows;
}

} // namespace zw
