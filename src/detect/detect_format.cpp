#include "detect_format.h"

#include <algorithm>
#include <cstdio>
#include <ostream>

#include "base/strings.h"

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

std::string JsonText(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

std::string JsonOptional(const std::string& text) {
    return text.empty() ? "null" : JsonText(text);
}

std::string CsvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string out = "\"";
    for (const char c : text)
        out += c == '"' ? std::string("\"\"") : std::string(1, c);
    return out + "\"";
}

} // namespace

std::string DescribePlace(const Place& place) {
    std::string text = place.path.empty() ? "(nothing named)" : place.path;
    text += "  <- " + std::string(SourceName(place.source)) + ": " + place.where;
    if (place.view)
        text += ", " + ViewName(place) + " view";
    return text;
}

void WriteDetectTable(const std::vector<ProgramPlaces>& programs, std::ostream& out) {
    out << "* the first place the dialog's check accepts   > the dialog's proposal and the value it is read from\n";
    for (const auto& program : programs) {
        out << "\n" << program.code << "\n";
        if (program.places.empty())
            out << "  nowhere known: its Browse button opens the folder browser at once\n";
        for (const auto& place : program.places) {
            std::string state = PresenceName(place.presence);
            state.resize(std::max<size_t>(state.size(), 12), ' ');
            out << "  " << (place.first ? '*' : ' ') << (place.proposed ? '>' : ' ') << " " << state
                << DescribePlace(place);
            if (const std::string note = DriveNote(place); !note.empty())
                out << "  [" << note << "]";
            if (place.code != program.code)
                out << "  (stored as " << place.code << ")";
            out << "\n";
        }
    }
}

void WriteDetectJson(const std::vector<ProgramPlaces>& programs, std::ostream& out) {
    out << "{\"programs\": [";
    for (size_t p = 0; p < programs.size(); ++p) {
        const auto& program = programs[p];
        std::string found;
        for (const auto& place : program.places)
            found = place.first ? place.path : found;
        out << (p ? "," : "") << "\n  {\"code\": " << JsonText(program.code) << ", \"row\": " << program.row
            << ", \"found\": " << JsonOptional(found) << ", \"places\": [";
        for (size_t i = 0; i < program.places.size(); ++i) {
            const Place& place = program.places[i];
            out << (i ? "," : "") << "\n    {\"code\": " << JsonText(place.code)
                << ", \"source\": " << JsonText(SourceName(place.source)) << ", \"where\": " << JsonText(place.where)
                << ", \"view\": " << JsonOptional(ViewName(place)) << ", \"value\": " << JsonText(place.value)
                << ", \"path\": " << JsonOptional(place.path)
                << ", \"state\": " << JsonText(PresenceName(place.presence))
                << ", \"drive\": " << JsonText(DriveName(place.drive.kind))
                << ", \"unc\": " << JsonOptional(place.drive.unc)
                << ", \"proposed\": " << (place.proposed ? "true" : "false")
                << ", \"accepted\": " << (place.accepted ? *place.accepted ? "true" : "false" : "null")
                << ", \"first\": " << (place.first ? "true" : "false") << "}";
        }
        out << "]}";
    }
    out << "\n]}\n";
}

void WriteDetectCsv(const std::vector<ProgramPlaces>& programs, std::ostream& out) {
    out << "program,code,source,where,view,value,path,state,drive,unc,proposed,first\r\n";
    for (const auto& program : programs) {
        for (const auto& place : program.places) {
            const std::string fields[] = {program.code,
                                          place.code,
                                          SourceName(place.source),
                                          place.where,
                                          ViewName(place),
                                          place.value,
                                          place.path,
                                          PresenceName(place.presence),
                                          DriveName(place.drive.kind),
                                          place.drive.unc,
                                          place.proposed ? "yes" : "no",
                                          place.first ? "yes" : "no"};
            for (size_t i = 0; i < std::size(fields); ++i)
                out << (i ? "," : "") << CsvField(fields[i]);
            out << "\r\n";
        }
    }
}

} // namespace zw
