// import FILE [--dry-run]: the stations of an export file written in one transaction, after the whole file
// has been checked.
#include <algorithm>
#include <fstream>
#include <map>
#include <ostream>
#include <set>
#include <sstream>

#include "base/strings.h"
#include "base/text_fields.h"
#include "base64.h"
#include "choice/choice_checks.h"
#include "choice_output.h"
#include "code_lists.h"
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

// A problem of one station entry.
struct Problems {
    std::vector<std::string> list;
    bool unknownCode = false; // the valid codes are listed at the end
    void Add(const std::string& where, const std::string& problem) { list.push_back(where + ": " + problem); }
};

// The raw values' codes, checked as the dialog reads them: a record whose code is not in the table is one the
// dialog drops without a word, a probe code other than NONE and FLORIDA PROBE one it reads as none.
void CheckRawCodes(const StationValues& values, Problems& problems, const std::string& where) {
    if (values.xray)
        for (const std::string& code : UnknownXrayCodes(*values.xray, FieldOf)) {
            problems.Add(where, "unknown code \"" + Escaped(code) + "\" in xray");
            problems.unknownCode = true;
        }
    if (values.probe) {
        const std::string code = UCase(FieldOf(*values.probe, '\n', 1));
        if (code != NoneCode && code != FloridaProbeCode) {
            problems.Add(where, "unknown code \"" + Escaped(code) + "\" in probe");
            problems.unknownCode = true;
        }
    }
}

// The bridges and devices of an entry as apply takes them: each code known (offeredOnly: a device one that the
// dialog offers), each row once; nullopt after adding the problems.
using GivenChoice = std::pair<std::vector<CheckedRow>, std::vector<int>>;
std::optional<GivenChoice> GivenRows(const Json& station, bool offeredOnly, Problems& problems,
                                     const std::string& where) {
    std::vector<CheckedRow> rows;
    std::vector<int> devices;
    const size_t before = problems.list.size();
    const Json* bridges = Find(station, "bridges");
    const Json* deviceList = Find(station, "devices");
    if ((bridges != nullptr && !bridges->is_array()) || (deviceList != nullptr && !deviceList->is_array())) {
        problems.Add(where, "bridges and devices are lists");
        return std::nullopt;
    }
    for (const Json& bridge : bridges != nullptr ? Items(*bridges) : Items(Json())) {
        const Json* code = Find(bridge, "code");
        const Json* commandLine = Find(bridge, "commandLine");
        if (code == nullptr || !code->is_string() || (commandLine != nullptr && !commandLine->is_string())) {
            problems.Add(where, "a bridge is {\"code\": text, \"commandLine\": text}");
            continue;
        }
        if (const std::string problem = BridgeCodeProblem(Text(code)); !problem.empty()) {
            problems.Add(where, problem);
            problems.unknownCode = true;
            continue;
        }
        const int row = FindBridgeCode(Text(code))->controlIndex;
        if (std::any_of(rows.begin(), rows.end(), [&](const CheckedRow& r) { return r.row == row; }))
            problems.Add(where, "the bridge of " + Escaped(Text(code)) + " is given more than once");
        rows.push_back({row, Text(commandLine)});
    }
    for (const Json& device : deviceList != nullptr ? Items(*deviceList) : Items(Json())) {
        if (const std::string problem = DeviceCodeProblem(Text(&device), offeredOnly); !problem.empty()) {
            problems.Add(where, problem);
            problems.unknownCode = true;
            continue;
        }
        const int index = FindDeviceCode(Text(&device))->controlIndex;
        if (std::find(devices.begin(), devices.end(), index) != devices.end())
            problems.Add(where, "the device " + Escaped(Text(&device)) + " is given more than once");
        devices.push_back(index);
    }
    if (problems.list.size() != before)
        return std::nullopt;
    std::sort(rows.begin(), rows.end(), [](const CheckedRow& a, const CheckedRow& b) { return a.row < b.row; });
    return std::pair(rows, devices);
}

// The X-ray value apply would store for the entry's bridges and devices: the dialog's checks of the names
// (the files are another workstation's), and its messages when they fail.
std::optional<std::string> EncodedXray(const GivenChoice& given, Problems& problems, const std::string& where) {
    const ChoiceCheck check = CheckChoice(given.first, given.second, MachineChecks{});
    if (check.passed)
        return check.value;
    for (const std::string& refusal : check.refusals)
        problems.Add(where, refusal);
    std::string message = check.problems;
    for (size_t at; (at = message.find("\r\n")) != std::string::npos;)
        message.replace(at, 2, at == 0 ? "" : "; ");
    if (!message.empty())
        problems.Add(where, message);
    return std::nullopt;
}

// The probe value for an entry's probeProgram: the program's code and command line, as the stored value
// holds them; nothing for null.
std::optional<std::string> EncodedProbe(const Json& probe, Problems& problems, const std::string& where) {
    if (probe.is_null())
        return std::nullopt;
    const Json* code = Find(probe, "code");
    if (code == nullptr || UCase(Text(code)) != FloridaProbeCode) {
        problems.Add(where, std::string("probeProgram is null or {\"code\": \"") + FloridaProbeCode +
                                "\", \"commandLine\": text}");
        return std::nullopt;
    }
    return std::string(FloridaProbeCode) + "\n" + Text(Find(probe, "commandLine"));
}

// The decoded fields as written in the file, in the layout ChoiceJson writes, compared with what the raw
// values decode to.
void CheckDecoded(const Json& station, const StationValues& values, Problems& problems, const std::string& where) {
    const WorkstationChoice choice = ForPeople(Decode(values));
    if (const Json* bridges = Find(station, "bridges")) {
        std::vector<BridgeChoice> listed;
        for (const Json& bridge : Items(*bridges))
            listed.push_back({UCase(Text(Find(bridge, "code"))), Text(Find(bridge, "commandLine"))});
        if (!bridges->is_array() || listed != choice.bridges)
            problems.Add(where, "bridges do not agree with the raw xray value");
    }
    if (const Json* devices = Find(station, "devices")) {
        std::vector<std::string> listed;
        for (const Json& device : Items(*devices))
            listed.push_back(UCase(Text(&device)));
        if (!devices->is_array() || listed != choice.devices)
            problems.Add(where, "devices do not agree with the raw xray value");
    }
    if (const Json* probe = Find(station, "probeProgram")) {
        ProbeChoice listed;
        if (probe->is_object())
            listed = {UCase(Text(Find(*probe, "code"))), Text(Find(*probe, "commandLine"))};
        if (listed != choice.probe)
            problems.Add(where, "probeProgram does not agree with the raw probe value");
    }
}

// One entry's values: the raw ones as given (their codes checked), else those apply would store for the
// decoded members; where both are given they must agree.
StationValues EntryValues(const Json& station, const std::string& name, Problems& problems, const std::string& where) {
    const size_t before = problems.list.size();
    const bool rawXray = Find(station, "xray") || Find(station, "xrayBase64");
    const bool rawProbe = Find(station, "probe") || Find(station, "probeBase64");
    const bool decodedXray = Find(station, "bridges") || Find(station, "devices");
    const Json* probeProgram = Find(station, "probeProgram");
    StationValues values{name, std::nullopt, std::nullopt};
    // A device the dialog hides may be kept as stored, not chosen anew.
    const auto given = decodedXray ? GivenRows(station, !rawXray, problems, where) : std::nullopt;
    if (rawXray || !decodedXray)
        values.xray = RawValue(station, "xray", problems.list, where);
    else if (given)
        values.xray = EncodedXray(*given, problems, where);
    if (rawProbe || probeProgram == nullptr)
        values.probe = RawValue(station, "probe", problems.list, where);
    else
        values.probe = EncodedProbe(*probeProgram, problems, where);
    if (problems.list.size() != before)
        return values;
    CheckRawCodes(values, problems, where);
    if (problems.list.size() == before)
        CheckDecoded(station, values, problems, where);
    return values;
}

std::vector<StationValues> CheckFile(const Json& document) {
    Problems problems;
    std::vector<StationValues> stations;
    const Json* format = Find(document, "format");
    if (format == nullptr || !format->is_number() || format->get<double>() != 1)
        problems.list.push_back("\"format\" is not 1");
    const Json* list = Find(document, "stations");
    if (list == nullptr || !list->is_array())
        problems.list.push_back("\"stations\" is not a list");
    std::map<std::string, std::string> seen; // by the name as Windows compares it
    const std::set<std::string> known = {"station",     "xray",    "xrayBase64", "probe",
                                         "probeBase64", "bridges", "devices",    "probeProgram"};
    const std::vector<Json>& items = list != nullptr ? Items(*list) : Items(Json());
    for (size_t i = 0; i < items.size(); ++i) {
        const Json& station = items[i];
        std::string where = "station " + std::to_string(i + 1);
        const Json* name = Find(station, "station");
        if (name == nullptr || !name->is_string()) {
            problems.Add(where, "no station name");
            continue;
        }
        const std::string stationName = Text(name);
        where += " (" + Escaped(stationName) + ")";
        try {
            CheckStationName(stationName);
        } catch (const UsageError& error) {
            problems.Add(where, error.message);
        }
        if (const auto [first, added] = seen.emplace(UCase(stationName), stationName); !added)
            problems.Add(where, first->second == stationName
                                    ? "the station is listed twice"
                                    : "the station is listed twice (as " + Escaped(first->second) +
                                          " too: Windows does not tell names apart by case)");
        for (auto member = station.begin(); member != station.end(); ++member)
            if (known.count(member.key()) == 0)
                problems.Add(where, "unknown member \"" + Escaped(member.key()) + "\"");
        stations.push_back(EntryValues(station, stationName, problems, where));
    }
    if (!problems.list.empty()) {
        std::string text = "the file was not imported:";
        for (const std::string& problem : problems.list)
            text += "\n  " + problem;
        if (problems.unknownCode)
            text += "\nthe bridge codes are " + BridgeCodes() + "\nthe device codes are " + OfferedDeviceCodes() +
                    "\nthe probe programs are " + ProbeCodes();
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
    const StationNames names(database);
    std::vector<SettingChange> changes;
    size_t changed = 0; // the stations whose values the import changes: what the count at the end says
    for (StationValues station : stations) {
        station.station = names.Stored(station.station);
        const auto more = ChangesTo(ReadStation(database, station.station), station, run.changeLines);
        if (more.empty())
            run.changeLines << station.station << ": unchanged\n";
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
