#pragma once
#include <optional>
#include <string>
#include <vector>

#include "store/station_health.h"

namespace zw::tool {

// The practice's imaging links as one HTML page that needs nothing else to be read or printed: every text
// in it is already as people read it (a password as ***), and is escaped here.

// One program of one station: chosen, and how its last check went.
enum class Mark { NotChosen, Chosen, Ok, Broken };

struct ReportStation {
    std::string name;
    std::vector<Mark> marks;                                       // one per column of ReportData::codes
    std::vector<std::pair<std::string, std::string>> commandLines; // code and command line, in list order
    std::string devices;                                           // "DI_GENDEX DI_SCANX" or NONE
    std::string probe;                                             // "FLORIDA PROBE=..." or NONE
    std::optional<StationHealth> health;                           // nothing: never checked
    std::string checkedAgo;                                        // "3 h ago"
    bool stale = false;                                            // not checked for a week
    std::string lastChange, lastChangeBy;                          // from the change history
};

struct ReportChange {
    std::string time, station, user, writer, what;
    std::vector<std::string> lines;
};

struct ReportData {
    std::string made;     // UTC time
    std::string madeOn;   // the workstation the report was made on
    std::string madeBy;   // the user
    std::string database; // the database's path
    std::vector<std::string> codes;
    std::vector<ReportStation> stations;
    std::vector<ReportChange> changes; // newest first
};

std::string RenderReport(const ReportData& data);

// Text made safe for HTML text and attribute values: invalid UTF-8 as U+FFFD, & < > " ' as references.
std::string Html(const std::string& text);

} // namespace zw::tool
