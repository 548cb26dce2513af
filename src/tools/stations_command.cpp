// stations: every workstation with a stored choice, one row each; --grid: stations against programs.
#include <algorithm>
#include <map>
#include <ostream>

#include "choice_output.h"
#include "command.h"
#include "history.h"
#include "host/host_system.h"
#include "json.h"
#include "output_format.h"
#include "station_health_text.h"

namespace zw::tool {

namespace {

// The codes chosen anywhere, in the order of the code table, as the grid's columns.
std::vector<std::string> ChosenCodes(const std::vector<WorkstationChoice>& choices) {
    std::vector<std::string> codes;
    for (const InterfaceCode& entry : InterfaceCodes()) {
        if (std::string(entry.code) == NoneCode || std::find(codes.begin(), codes.end(), entry.code) != codes.end())
            continue;
        const bool chosen = std::any_of(choices.begin(), choices.end(), [&](const WorkstationChoice& c) {
            return std::any_of(c.bridges.begin(), c.bridges.end(), [&](auto& b) { return b.code == entry.code; }) ||
                   std::find(c.devices.begin(), c.devices.end(), entry.code) != c.devices.end() ||
                   c.probe.code == entry.code;
        });
        if (chosen)
            codes.push_back(entry.code);
    }
    return codes;
}

bool Chose(const WorkstationChoice& c, const std::string& code) {
    return std::any_of(c.bridges.begin(), c.bridges.end(), [&](auto& b) { return b.code == code; }) ||
           std::find(c.devices.begin(), c.devices.end(), code) != c.devices.end() || c.probe.code == code;
}

int Run(Invocation& run) {
    const Format format = TakeFormat(run);
    const bool grid = run.args.Flag("--grid");
    const bool onlyBroken = run.args.Flag("--broken");
    run.args.Rest(0, 0);
    run.station = std::string("*"); // every station
    std::vector<StationValues> stations = ReadStations(run.Database());

    // Each station's health as check-station --record left it; --broken keeps the broken, the never
    // checked and those not checked for a week.
    const std::map<std::string, StationHealth> healths = ReadStationHealth(run.Database());
    const std::string now = host::UtcTimestamp();
    auto healthOf = [&](const std::string& station) {
        const auto found = healths.find(station);
        return found == healths.end() ? nullptr : &found->second;
    };
    if (onlyBroken)
        std::erase_if(stations, [&](const StationValues& s) { return !NeedsLooking(healthOf(s.station), now); });
    std::vector<WorkstationChoice> choices;
    for (const StationValues& values : stations)
        choices.push_back(Decode(values));

    // When each station's values were last written, and by whom: a retired or renamed station stands out.
    const std::map<std::string, LastChange> last = LastChanges(run.Database());
    auto lastTime = [&](const std::string& station) {
        const auto found = last.find(station);
        return found == last.end() ? std::string() : found->second.time;
    };
    auto lastUser = [&](const std::string& station) {
        const auto found = last.find(station);
        return found == last.end() ? std::string() : found->second.user;
    };

    if (format == Format::Json) {
        if (grid)
            throw UsageError{"--grid is a table or CSV"};
        Json list = Json::array();
        for (const StationValues& values : stations) {
            Json choice = ChoiceJson(values, false);
            const std::string& name = values.station;
            choice["lastChange"] =
                last.contains(name) ? Json{{"time", lastTime(name)}, {"user", lastUser(name)}} : Json(nullptr);
            choice["health"] = HealthJson(healthOf(name), now);
            list.push_back(std::move(choice));
        }
        run.Out() << JsonText(list, 1) << "\n";
        return toolexit::Success;
    }

    Rows rows;
    if (grid) {
        const std::vector<std::string> codes = ChosenCodes(choices);
        rows.push_back({"STATION"});
        rows[0].insert(rows[0].end(), codes.begin(), codes.end());
        for (size_t i = 0; i < stations.size(); ++i) {
            rows.push_back({Escaped(stations[i].station)});
            for (const std::string& code : codes)
                rows.back().push_back(Chose(choices[i], code) ? "x" : (format == Format::Table ? "." : ""));
        }
    } else {
        rows.push_back({"STATION", "BRIDGES", "DEVICES", "PROBE", "LAST CHANGE", "BY", "HEALTH", "CHECKED"});
        for (size_t i = 0; i < stations.size(); ++i) {
            rows.push_back({Escaped(stations[i].station), BridgesText(choices[i]), DevicesText(choices[i]),
                            ProbeText(choices[i]), lastTime(stations[i].station),
                            Escaped(lastUser(stations[i].station))});
            for (const std::string& cell : HealthCells(healthOf(stations[i].station), now))
                rows.back().push_back(cell);
        }
    }
    run.shortened = WriteRows(run.Out(), format, rows);
    return toolexit::Success;
}

const Registration registration{
    {"stations",
     "  stations [--format table|json|csv] [--grid] [--broken]\n"
     "                          every workstation with a stored choice: bridges (a password as ***), devices,\n"
     "                          probe, health (check-station --record); --grid marks each station's programs\n"
     "                          in a column per program; --broken lists only the broken, the never checked\n"
     "                          and those not checked for a week\n",
     Run}};

} // namespace

} // namespace zw::tool
