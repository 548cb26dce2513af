// import FILE [--dry-run]: the stations of an export file written in one transaction, after the whole file
// has been checked.
#include <fstream>
#include <ostream>
#include <set>
#include <sstream>

#include "base64.h"
#include "choice_output.h"
#include "command.h"
#include "host/host_system.h"
#include "json.h"

namespace zw::tool {

namespace {

// The member of that name of an object; nullptr when there is none or the value is no object.
const Json* Find(const Json& object, const std::string& name) {
    if (!object.is_object())
        return nullptr;
    const auto member = object.find(name);
    return member == object.end() ? nullptr : &*member;
}

// A text member's text; empty for anything else.
std::string Text(const Json* value) {
    return value != nullptr && value->is_string() ? value->get<std::string>() : std::string();
}

// The items of an array; none for anything else.
const std::vector<Json>& Items(const Json& value) {
    static const std::vector<Json> none;
    return value.is_array() ? value.get_ref<const Json::array_t&>() : none;
}

std::string ReadWhole(Invocation& run, const std::string& file) {
    if (file == "-") {
        const auto input = run.streams.readInput();
        if (!input)
            throw UsageError{"standard input could not be read", false};
        return *input;
    }
    std::ifstream in(host::PathFromUtf8(file), std::ios::binary);
    if (!in)
        throw UsageError{"cannot read " + file, false};
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// One raw value: "name" (text or null) or "nameBase64" (text); problems are added to the list.
std::optional<std::string> RawValue(const Json& station, const std::string& name, std::vector<std::string>& problems,
                                    const std::string& where) {
    const Json* text = Find(station, name);
    const Json* encoded = Find(station, name + "Base64");
    if (text != nullptr && encoded != nullptr) {
        problems.push_back(where + ": both " + name + " and " + name + "Base64");
        return std::nullopt;
    }
    if (encoded != nullptr) {
        if (encoded->is_string()) {
            try {
                return FromBase64(Text(encoded));
            } catch (const UsageError&) {
            }
        }
        problems.push_back(where + ": " + name + "Base64 is not base64 text");
        return std::nullopt;
    }
    if (text == nullptr) {
        problems.push_back(where + ": no " + name + " (a text, or null when nothing is stored)");
        return std::nullopt;
    }
    if (text->is_string())
        return Text(text);
    if (!text->is_null())
        problems.push_back(where + ": " + name + " is neither a text nor null");
    return std::nullopt;
}

// The decoded fields as written in the file, in the layout ChoiceJson writes, so that they can be compared
// with what the raw values decode to; unknown codes are problems of their own.
void CheckDecoded(const Json& station, const StationValues& values, std::vector<std::string>& problems,
                  const std::string& where) {
    const WorkstationChoice choice = ForPeople(Decode(values));
    if (const Json* bridges = Find(station, "bridges")) {
        std::vector<BridgeChoice> listed;
        for (const Json& bridge : Items(*bridges)) {
            const Json* code = Find(bridge, "code");
            if (code == nullptr || !code->is_string() || FindBridgeCode(Text(code)) == nullptr) {
                problems.push_back(where + ": unknown bridge code " + (code ? Escaped(Text(code)) : "(none)"));
                return;
            }
            listed.push_back({Text(code), Text(Find(bridge, "commandLine"))});
        }
        if (!bridges->is_array() || listed != choice.bridges)
            problems.push_back(where + ": bridges do not agree with the raw xray value");
    }
    if (const Json* devices = Find(station, "devices")) {
        std::vector<std::string> listed;
        for (const Json& device : Items(*devices)) {
            if (FindDeviceCode(Text(&device)) == nullptr) {
                problems.push_back(where + ": unknown device code " + Escaped(Text(&device)));
                return;
            }
            listed.push_back(Text(&device));
        }
        if (!devices->is_array() || listed != choice.devices)
            problems.push_back(where + ": devices do not agree with the raw xray value");
    }
    if (const Json* probe = Find(station, "probeProgram")) {
        ProbeChoice listed;
        if (probe->is_object())
            listed = {Text(Find(*probe, "code")), Text(Find(*probe, "commandLine"))};
        if (listed != choice.probe)
            problems.push_back(where + ": probeProgram does not agree with the raw probe value");
    }
}

std::vector<StationValues> CheckFile(const Json& document) {
    std::vector<std::string> problems;
    std::vector<StationValues> stations;
    const Json* format = Find(document, "format");
    if (format == nullptr || !format->is_number() || format->get<double>() != 1)
        problems.push_back("\"format\" is not 1");
    const Json* list = Find(document, "stations");
    if (list == nullptr || !list->is_array())
        problems.push_back("\"stations\" is not a list");
    std::set<std::string> seen;
    const std::set<std::string> known = {"station",     "xray",    "xrayBase64", "probe",
                                         "probeBase64", "bridges", "devices",    "probeProgram"};
    const std::vector<Json>& items = list != nullptr ? Items(*list) : Items(Json());
    for (size_t i = 0; i < items.size(); ++i) {
        const Json& station = items[i];
        std::string where = "station " + std::to_string(i + 1);
        const Json* name = Find(station, "station");
        if (name == nullptr || !name->is_string()) {
            problems.push_back(where + ": no station name");
            continue;
        }
        const std::string stationName = Text(name);
        where += " (" + Escaped(stationName) + ")";
        try {
            CheckStationName(stationName);
        } catch (const UsageError& error) {
            problems.push_back(where + ": " + error.message);
        }
        if (!seen.insert(stationName).second)
            problems.push_back(where + ": the station is listed twice");
        for (auto member = station.begin(); member != station.end(); ++member)
            if (known.count(member.key()) == 0)
                problems.push_back(where + ": unknown member \"" + Escaped(member.key()) + "\"");
        const size_t before = problems.size();
        StationValues values{stationName, RawValue(station, "xray", problems, where),
                             RawValue(station, "probe", problems, where)};
        if (problems.size() == before)
            CheckDecoded(station, values, problems, where);
        stations.push_back(values);
    }
    if (!problems.empty()) {
        std::string text = "the file was not imported:";
        for (const std::string& problem : problems)
            text += "\n  " + problem;
        throw UsageError{text, false};
    }
    return stations;
}

int Run(Invocation& run) {
    const bool dryRun = run.args.Flag("--dry-run");
    const std::string file = run.args.Rest(1, 1)[0];
    run.station = std::string("*"); // every station
    const std::vector<StationValues> stations = CheckFile(ParseJson(ReadWhole(run, file)));

    SqliteDatabase& database = run.Database();
    std::vector<SettingChange> changes;
    size_t changed = 0; // the stations whose values the import changes: what the count at the end says
    for (const StationValues& station : stations) {
        const auto more = ChangesTo(ReadStation(database, station.station), station, run.Out());
        if (more.empty())
            run.Out() << station.station << ": unchanged\n";
        changed += more.empty() ? 0 : 1;
        changes.insert(changes.end(), more.begin(), more.end());
    }
    const int code = WriteChanges(run, changes, dryRun, "zwsettings import");
    if (!changes.empty() && !dryRun)
        run.Out() << changed << " station(s) imported\n";
    return code;
}

const Registration registration{{"import",
                                 "  import FILE [--dry-run]  an export file (- for standard input): checked whole, "
                                 "then every\n"
                                 "                          station written in one transaction, or nothing\n",
                                 Run}};

} // namespace

} // namespace zw::tool
