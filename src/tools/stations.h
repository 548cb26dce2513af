#pragma once
#include <map>
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

// The stored workstations by the name Windows compares computer names by, case aside: a name given in any
// case is the stored station of that name and is written as stored, since the dialog reads its station's
// values by the exact name. A name no stored station has is taken as given.
class StationNames {
public:
    explicit StationNames(SqliteDatabase& database);
    // The stored spelling of the station named so; UsageError when several stored stations differ from it
    // only by case and none is spelt exactly so.
    std::string Stored(const std::string& given) const;

private:
    std::map<std::string, std::vector<std::string>> byUpperCase_;
};

// One station name checked (CheckStationName) and taken as StationNames takes it.
std::string StoredStationName(SqliteDatabase& database, const std::string& given);

// A setting's key with the station of an INTERFACE XRAY or PROBE key spelt as stored; other keys as given.
std::string StoredSettingKey(SqliteDatabase& database, const std::string& section, const std::string& key);

// The same station, case aside: as Windows compares computer names.
bool SameStation(const std::string& a, const std::string& b);

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
