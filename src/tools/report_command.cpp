// report [--output FILE]: the practice's imaging links as one HTML page to read in a browser, print or file.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <ostream>

#include "choice_output.h"
#include "command.h"
#include "history.h"
#include "host/environment_overrides.h"
#include "host/host_system.h"
#include "report_html.h"
#include "station_health_text.h"

namespace zw::tool {

namespace {

constexpr size_t RecentChanges = 30;

bool Chose(const WorkstationChoice& c, const std::string& code) {
    return std::any_of(c.bridges.begin(), c.bridges.end(), [&](auto& b) { return b.code == code; }) ||
           std::find(c.devices.begin(), c.devices.end(), code) != c.devices.end() || c.probe.code == code;
}

// The codes chosen anywhere, in the order of the code table: the grid's columns.
std::vector<std::string> ChosenCodes(const std::vector<WorkstationChoice>& choices) {
    std::vector<std::string> codes;
    for (const InterfaceCode& entry : InterfaceCodes())
        if (std::string(entry.code) != NoneCode && std::find(codes.begin(), codes.end(), entry.code) == codes.end() &&
            std::any_of(choices.begin(), choices.end(), [&](auto& c) { return Chose(c, entry.code); }))
            codes.push_back(entry.code);
    return codes;
}

Mark MarkOf(const WorkstationChoice& choice, const std::optional<StationHealth>& health, const std::string& code) {
    if (!Chose(choice, code))
        return Mark::NotChosen;
    if (health)
        for (const ProgramHealth& program : health->programs)
            if (program.code == code)
                return program.ok ? Mark::Ok : Mark::Broken;
    return Mark::Chosen;
}

// The database's full path, for the reader to know which practice's database this is.
std::string FullPath(const std::string& path) {
    std::error_code failed;
    const std::u8string full = std::filesystem::absolute(host::PathFromUtf8(path), failed).u8string();
    return failed ? path : std::string(full.begin(), full.end());
}

ReportData Gather(Invocation& run) {
    SqliteDatabase& database = run.Database();
    ReportData data{
        host::UtcTimestamp(), StationIdentifier(), host::UserName(), FullPath(run.DatabasePath()), {}, {}, {}};
    const std::vector<StationValues> stations = ReadStations(database);
    std::vector<WorkstationChoice> choices;
    for (const StationValues& values : stations)
        choices.push_back(ForPeople(Decode(values)));
    data.codes = ChosenCodes(choices);

    const std::map<std::string, StationHealth> healths = ReadStationHealth(database);
    const std::map<std::string, LastChange> last = LastChanges(database);
    for (size_t i = 0; i < stations.size(); ++i) {
        ReportStation station;
        station.name = Escaped(stations[i].station, false);
        if (const auto found = healths.find(stations[i].station); found != healths.end()) {
            station.health = found->second;
            station.checkedAgo = AgeText(SecondsBetween(found->second.time, data.made));
            station.stale = NeedsLooking(&found->second, data.made) && !found->second.Broken();
        }
        for (const std::string& code : data.codes)
            station.marks.push_back(MarkOf(choices[i], station.health, code));
        for (const BridgeChoice& bridge : choices[i].bridges)
            station.commandLines.emplace_back(bridge.code, ShownCommandLine(bridge));
        station.devices = DevicesText(choices[i]);
        station.probe = ProbeText(choices[i]);
        if (const auto found = last.find(stations[i].station); found != last.end()) {
            station.lastChange = found->second.time;
            station.lastChangeBy = Escaped(found->second.user, false);
        }
        data.stations.push_back(std::move(station));
    }

    const std::vector<HistoryRow> history = ReadHistory(database);
    for (size_t i = 0; i < history.size() && i < RecentChanges; ++i) {
        const HistoryRow& row = history[i];
        const ChoiceChange change = DescribeChange(row);
        data.changes.push_back({row.time, Escaped(change.station.empty() ? row.workstation : change.station, false),
                                row.user, row.writer, change.what, change.lines});
    }
    return data;
}

int Run(Invocation& run) {
    const auto output = run.args.Value("--output");
    run.args.Rest(0, 0);
    run.station = "*";
    const ReportData data = Gather(run);
    const std::string page = RenderReport(data);
    if (!output) {
        run.Out() << page;
        return toolexit::Success;
    }
    // Written beside the file and moved into place whole: an old report stays readable until then.
    const std::filesystem::path target = host::PathFromUtf8(*output);
    std::filesystem::path partial = target;
    partial += ".partial";
    {
        std::ofstream file(partial, std::ios::binary | std::ios::trunc);
        file << page;
        file.close();
        if (!file) {
            std::error_code ignored;
            std::filesystem::remove(partial, ignored);
            throw UsageError{"cannot write " + *output};
        }
    }
    host::MoveReplacing(partial, target);
    run.Out() << "report of " << data.stations.size() << " station(s) written to " << *output << "\n";
    return toolexit::Success;
}

const Registration registration{{"report",
                                 "  report [--output FILE]  the practice's stations, programs, health, command "
                                 "lines and recent\n                          changes as one HTML page that "
                                 "prints on A4 (a password as ***)\n",
                                 Run}};

} // namespace

} // namespace zw::tool
