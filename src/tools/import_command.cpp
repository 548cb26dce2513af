// import FILE [--dry-run]: the stations of an export file written in one transaction, after the whole file
// has been checked.
#include <fstream>
#include <ostream>
#include <set>
#include <sstream>

#include "choice_output.h"
#include "host/host_system.h"
#include "json.h"

namespace zw::tool {

namespace {

using json::Value;

std::string ReadWhole(Invocation& run, const std::string& file) {
    if (file == "-") {
        const auto input = run.streams.readInput();
        if (!input)
            throw UsageError{"standard input could not be read"};
        return *input;
    }
    std::ifstream in(host::PathFromUtf8(file), std::ios::binary);
    if (!in)
        throw UsageError{"cannot read " + file};
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// One raw value: "name" (text or null) or "nameBase64" (text); problems are added to the list.
std::optional<std::string> RawValue(const Value& station, const std::string& name, std::vector<std::string>& problems,
                                    const std::string& where) {
    const Value* text = station.Find(name);
    const Value* encoded = station.Find(name + "Base64");
    if (text != nullptr && encoded != nullptr) {
        problems.push_back(where + ": both " + name + " and " + name + "Base64");
        return std::nullopt;
    }
    if (encoded != nullptr) {
        if (encoded->kind == Value::Kind::String) {
            try {
                return json::FromBase64(encoded->text);
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
    if (text->kind == Value::Kind::String)
        return text->text;
    if (text->kind != Value::Kind::Null)
        problems.push_back(where + ": " + name + " is neither a text nor null");
    return std::nullopt;
}

// The decoded fields as written in the file, in the layout ChoiceJson writes, so that they can be compared
// with what the raw values decode to; unknown codes are problems of their own.
void CheckDecoded(const Value& station, const StationValues& values, std::vector<std::string>& problems,
                  const std::string& where) {
    const WorkstationChoice choice = ForPeople(Decode(values));
    if (const Value* bridges = station.Find("bridges")) {
        std::vector<BridgeChoice> listed;
        for (const Value& bridge : bridges->items) {
            const Value* code = bridge.Find("code");
            const Value* line = bridge.Find("commandLine");
            if (code == nullptr || code->kind != Value::Kind::String || FindBridgeCode(code->text) == nullptr) {
                problems.push_back(where + ": unknown bridge code " + (code ? Escaped(code->text) : "(none)"));
                return;
            }
            listed.push_back({code->text, line != nullptr ? line->text : ""});
        }
        if (bridges->kind != Value::Kind::Array || listed != choice.bridges)
            problems.push_back(where + ": bridges do not agree with the raw xray value");
    }
    if (const Value* devices = station.Find("devices")) {
        std::vector<std::string> listed;
        for (const Value& device : devices->items) {
            if (FindDeviceCode(device.text) == nullptr) {
                problems.push_back(where + ": unknown device code " + Escaped(device.text));
                return;
            }
            listed.push_back(device.text);
        }
        if (devices->kind != Value::Kind::Array || listed != choice.devices)
            problems.push_back(where + ": devices do not agree with the raw xray value");
    }
    if (const Value* probe = station.Find("probeProgram")) {
        ProbeChoice listed;
        if (probe->kind == Value::Kind::Object) {
            const Value* code = probe->Find("code");
            const Value* line = probe->Find("commandLine");
            listed = {code ? code->text : "", line ? line->text : ""};
        }
        if (listed != choice.probe)
            problems.push_back(where + ": probeProgram does not agree with the raw probe value");
    }
}

std::vector<StationValues> CheckFile(const Value& document) {
    std::vector<std::string> problems;
    std::vector<StationValues> stations;
    const Value* format = document.Find("format");
    if (format == nullptr || format->kind != Value::Kind::Number || format->number != 1)
        problems.push_back("\"format\" is not 1");
    const Value* list = document.Find("stations");
    if (list == nullptr || list->kind != Value::Kind::Array)
        problems.push_back("\"stations\" is not a list");
    std::set<std::string> seen;
    const std::set<std::string> known = {"station",     "xray",    "xrayBase64", "probe",
                                         "probeBase64", "bridges", "devices",    "probeProgram"};
    for (size_t i = 0; list != nullptr && i < list->items.size(); ++i) {
        const Value& station = list->items[i];
        std::string where = "station " + std::to_string(i + 1);
        const Value* name = station.Find("station");
        if (name == nullptr || name->kind != Value::Kind::String) {
            problems.push_back(where + ": no station name");
            continue;
        }
        where += " (" + Escaped(name->text) + ")";
        try {
            CheckStationName(name->text);
        } catch (const UsageError& error) {
            problems.push_back(where + ": " + error.message);
        }
        if (!seen.insert(name->text).second)
            problems.push_back(where + ": the station is listed twice");
        for (const auto& [member, value] : station.members)
            if (known.count(member) == 0)
                problems.push_back(where + ": unknown member \"" + Escaped(member) + "\"");
        const size_t before = problems.size();
        StationValues values{name->text, RawValue(station, "xray", problems, where),
                             RawValue(station, "probe", problems, where)};
        if (problems.size() == before)
            CheckDecoded(station, values, problems, where);
        stations.push_back(values);
    }
    if (!problems.empty()) {
        std::string text = "the file was not imported:";
        for (const std::string& problem : problems)
            text += "\n  " + problem;
        throw UsageError{text};
    }
    return stations;
}

int Run(Invocation& run) {
    const bool dryRun = run.args.Flag("--dry-run");
    const std::string file = run.args.Rest(1, 1)[0];
    run.station = std::string("*"); // every station
    const std::vector<StationValues> stations = CheckFile(json::Parse(ReadWhole(run, file)));

    SqliteDatabase& database = run.Database();
    std::vector<SettingChange> changes;
    for (const StationValues& station : stations) {
        const auto more = ChangesTo(ReadStation(database, station.station), station, run.Out());
        if (more.empty())
            run.Out() << station.station << ": unchanged\n";
        changes.insert(changes.end(), more.begin(), more.end());
    }
    const int code = WriteChanges(run, changes, dryRun, "zwsettings import");
    if (!changes.empty() && !dryRun)
        run.Out() << stations.size() << " station(s) imported\n";
    return code;
}

const Registration registration{{"import",
                                 "  import FILE [--dry-run]  an export file (- for standard input): checked whole, "
                                 "then every\n"
                                 "                          station written in one transaction, or nothing\n",
                                 Run}};

} // namespace

} // namespace zw::tool
