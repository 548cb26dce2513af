#include "stations.h"

#include <algorithm>
#include <map>
#include <ostream>

#include "base/strings.h"
#include "base/text_conversion.h"
#include "base/text_fields.h"
#include "base/utf8.h"
#include "choice/bridge_rows.h"
#include "command.h"
#include "host/environment_overrides.h"
#include "secrets.h"

namespace zw::tool {

namespace {

const std::string XrayWord = "XRAY";
const std::string ProbeWord = "PROBE";

// A stored value as listed: escaped, a password hidden.
std::string ListedValue(const std::string& key, const std::string& value) {
    return Escaped(HiddenValue(InterfaceSection, key, value));
}

void ListValue(std::ostream& out, const std::string& key, const std::optional<std::string>& value, const char* none) {
    if (value)
        out << '"' << ListedValue(key, *value) << '"';
    else
        out << none;
}

void ListChange(std::ostream& out, const std::string& station, const char* what, const std::string& key,
                const std::optional<std::string>& from, const std::optional<std::string>& to) {
    out << station << ": " << what << ' ';
    ListValue(out, key, from, "(nothing)");
    out << " -> ";
    ListValue(out, key, to, "(removed)");
    out << '\n';
}

} // namespace

std::vector<StationValues> ReadStations(SqliteDatabase& database) {
    std::map<std::string, StationValues> stations;
    for (const StoredSetting& setting : ListStoredSettings(database)) {
        if (setting.section != InterfaceSection)
            continue;
        for (const std::string* word : {&XrayWord, &ProbeWord}) {
            if (setting.key.size() <= word->size() || setting.key.compare(0, word->size(), *word) != 0)
                continue;
            const std::string station = setting.key.substr(word->size());
            StationValues& values = stations[station];
            values.station = station;
            (word == &XrayWord ? values.xray : values.probe) = setting.value;
        }
    }
    std::vector<StationValues> list;
    for (auto& [name, values] : stations)
        list.push_back(values);
    return list;
}

StationValues ReadStation(SqliteDatabase& database, const std::string& station) {
    return {station, ReadStoredSetting(database, InterfaceSection, XrayKey(station)),
            ReadStoredSetting(database, InterfaceSection, ProbeKey(station))};
}

StationNames::StationNames(SqliteDatabase& database) {
    for (const StationValues& station : ReadStations(database))
        byUpperCase_[UCase(station.station)].push_back(station.station);
}

std::string StationNames::Stored(const std::string& given) const {
    const auto found = byUpperCase_.find(UCase(given));
    if (found == byUpperCase_.end())
        return given;
    const std::vector<std::string>& names = found->second;
    if (names.size() == 1 || std::find(names.begin(), names.end(), given) != names.end())
        return names.size() == 1 ? names[0] : given;
    std::string list;
    for (const std::string& name : names)
        list += (list.empty() ? "" : ", ") + Escaped(name);
    throw UsageError{"\"" + Escaped(given) + "\" could be any of the stations " + list +
                     ", which differ only by case: give one exactly as listed"};
}

std::string StoredStationName(SqliteDatabase& database, const std::string& given) {
    CheckStationName(given);
    return StationNames(database).Stored(given);
}

std::string StoredSettingKey(SqliteDatabase& database, const std::string& section, const std::string& key) {
    if (section != InterfaceSection)
        return key;
    for (const std::string* word : {&XrayWord, &ProbeWord})
        if (key.size() > word->size() && key.compare(0, word->size(), *word) == 0)
            return *word + StationNames(database).Stored(key.substr(word->size()));
    return key;
}

bool SameStation(const std::string& a, const std::string& b) {
    return UCase(a) == UCase(b);
}

std::string ThisStation() {
    return StationIdentifier();
}

void CheckStationName(const std::string& station) {
    if (station.empty())
        throw UsageError{"a station name cannot be empty"};
    if (!IsUtf8(station))
        throw UsageError{"the station name \"" + Escaped(station) + "\" is not UTF-8 text"};
    for (const char c : station)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f)
            throw UsageError{"the station name \"" + Escaped(station) + "\" holds a control character"};
}

WorkstationChoice Decode(const StationValues& values) {
    return DecodeChoice(values.xray, values.probe, FieldOf);
}

std::vector<SettingChange> ChangesTo(const StationValues& stored, const StationValues& wanted, std::ostream& out) {
    std::vector<SettingChange> changes;
    if (stored.xray != wanted.xray) {
        ListChange(out, wanted.station, "xray", XrayKey(wanted.station), stored.xray, wanted.xray);
        changes.push_back({InterfaceSection, XrayKey(wanted.station), wanted.xray});
    }
    if (stored.probe != wanted.probe) {
        ListChange(out, wanted.station, "probe", ProbeKey(wanted.station), stored.probe, wanted.probe);
        changes.push_back({InterfaceSection, ProbeKey(wanted.station), wanted.probe});
    }
    return changes;
}

std::string Escaped(const std::string& value, bool backslashes) {
    static const char digits[] = "0123456789ABCDEF";
    std::string result;
    for (const char c : value) {
        const auto byte = static_cast<unsigned char>(c);
        switch (c) {
        case '\\':
            result += backslashes ? "\\\\" : "\\";
            break;
        case '\n':
            result += "\\n";
            break;
        case '\r':
            result += "\\r";
            break;
        case '\t':
            result += "\\t";
            break;
        default:
            if (byte < 0x20 || byte == 0x7f) {
                result += "\\x";
                result += digits[byte >> 4];
                result += digits[byte & 0x0f];
            } else {
                result += c;
            }
        }
    }
    return result;
}

std::string ShownCommandLine(const BridgeChoice& bridge) {
    return Escaped(HiddenCommandLine(bridge), false);
}

} // namespace zw::tool
