#pragma once
#include <iosfwd>
#include <string>
#include <vector>

#include "command.h"
#include "stations.h"

namespace zw::tool {

enum class Format { Table, Json, Csv };
// --format table|json|csv, table when not given.
Format TakeFormat(Arguments& args);

// The choice with texts that are not UTF-8 made so (U+FFFD for what is not): the decoded fields are for
// people and scripts; the raw values keep the bytes.
WorkstationChoice ForPeople(const WorkstationChoice& choice);

// A station's choice as a JSON object: station, the raw values (withRaw; "xrayBase64"/"probeBase64" for a
// value that is not UTF-8 text), bridges, devices and probe program. Passwords are *** unless withRaw.
std::string ChoiceJson(const StationValues& values, bool withRaw);

// "name": the raw value as a JSON string; "nameBase64" when it is not UTF-8 text; null when there is none.
std::string RawJsonMember(const char* name, const std::optional<std::string>& value);

// Short texts of a choice: "SCHICK=C:\CDR\NCDR.EXE, VIPERSOFT", "DI_GENDEX DI_SCANX", "FLORIDA PROBE=..." or
// "NONE".
std::string BridgesText(const WorkstationChoice& choice);
std::string DevicesText(const WorkstationChoice& choice);
std::string ProbeText(const WorkstationChoice& choice);

// Rows of cells: aligned in columns, or as CSV lines (RFC 4180 quoting).
void WriteTable(std::ostream& out, const std::vector<std::vector<std::string>>& rows);
void WriteCsv(std::ostream& out, const std::vector<std::vector<std::string>>& rows);

} // namespace zw::tool
