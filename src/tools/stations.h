#pragma once
#include <optional>
#include <string>
#include <vector>

#include "choice/workstation_choice.h"
#include "store/settings_store.h"

namespace zw::tool {

// A workstation's two stored values, raw; nothing where nothing is stored.
struct StationValues {
    std::string station;
    std::optional<std::string> xray;
    std::optional<std::string> probe;
    bool Stored() const { return xray || probe; }
    bool operator==(const StationValues&) const = default;
};

// Every workstation with a stored value, ordered by name.
std::vector<StationValues> ReadStations(SqliteDatabase& database);
StationValues ReadStation(SqliteDatabase& database, const std::string& station);

// The workstation the tool runs on, as the dialog names it (ZELT_STATION, else the computer's name).
std::string ThisStation();

// A station name that a key can carry: not empty, UTF-8, no control characters. UsageError otherwise.
void CheckStationName(const std::string& station);

// The choice the values stand for, split as the component splits them.
WorkstationChoice Decode(const StationValues& values);

// The changes that make the stored values of values.station those of wanted (a value that is nothing is
// removed); none for a value already so. Lists each change on out, as "STATION: xray ..." lines, a
// password as ***.
std::vector<SettingChange> ChangesTo(const StationValues& stored, const StationValues& wanted, std::ostream& out);

// A value made readable on one line: LF, CR, tab and other control characters are escaped, and backslash
// too unless the text is only shown to people (paths read better with theirs).
std::string Escaped(const std::string& value, bool backslashes = true);
// A bridge's command line as people see it on one line, a password hidden.
std::string ShownCommandLine(const BridgeChoice& bridge);

} // namespace zw::tool
