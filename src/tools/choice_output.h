#pragma once
#include <optional>
#include <string>

#include "json.h"
#include "stations.h"

namespace zw::tool {

// The choice with texts that are not UTF-8 made so (U+FFFD for what is not): the decoded fields are for
// people and scripts; the raw values keep the bytes.
WorkstationChoice ForPeople(const WorkstationChoice& choice);

// A station's choice as a JSON object: station, the raw values (withRaw; "xrayBase64"/"probeBase64" for a
// value that is not UTF-8 text), bridges, devices and probe program. Passwords are hidden unless withRaw: only
// the export file holds them.
Json ChoiceJson(const StationValues& values, bool withRaw);

// Adds "name": the raw value as a JSON string, "nameBase64" when it is not UTF-8 text, null when there is none.
void AddRawValue(Json& object, const std::string& name, const std::optional<std::string>& value);

// Short texts of a choice: "SCHICK=C:\CDR\NCDR.EXE, VIPERSOFT", "DI_GENDEX DI_SCANX", "FLORIDA PROBE=..." or
// "NONE".
std::string BridgesText(const WorkstationChoice& choice);
std::string DevicesText(const WorkstationChoice& choice);
std::string ProbeText(const WorkstationChoice& choice);

} // namespace zw::tool
