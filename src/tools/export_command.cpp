// export [--station S ...] [--output FILE]: the workstations' choices as JSON, raw values authoritative.
#include <algorithm>
#include <ostream>

#include "choice_output.h"
#include "command.h"
#include "host/host_system.h"

namespace zw::tool {

namespace {

int Run(Invocation& run) {
    const auto wanted = run.args.List("--station");
    const auto output = run.args.Value("--output");
    run.args.Rest(0, 0);
    for (const std::string& station : wanted)
        CheckStationName(station);
    run.station = wanted.empty() ? "*" : wanted.size() == 1 ? wanted[0] : "+";

    std::vector<StationValues> stations;
    if (wanted.empty()) {
        stations = ReadStations(run.Database());
    } else {
        for (const std::string& station : wanted) {
            stations.push_back(ReadStation(run.Database(), StoredStationName(run.Database(), station)));
            if (!stations.back().Stored())
                throw UsageError{"nothing is stored for " + station, false};
        }
    }

    // The file that brings every value back: the only output that holds passwords.
    Json document = {{"format", 1}, {"stations", Json::array()}};
    for (const StationValues& values : stations)
        document["stations"].push_back(ChoiceJson(values, true));
    const std::string text = JsonText(document, 1) + "\n";
    if (!output) {
        run.Out() << text;
        return toolexit::Success;
    }
    // The export carries passwords of the bridges that use one: the file is its owner's only.
    if (!host::WritePrivateFile(host::PathFromUtf8(*output), text))
        throw UsageError{"cannot write " + *output, false};
    run.Out() << stations.size() << " station(s) exported to " << *output << "\n";
    return toolexit::Success;
}

const Registration registration{
    {"export",
     "  export [--station S ...] [--output FILE]\n"
     "                          the choices as JSON (every station by default), raw values byte exact,\n"
     "                          Dimaxis passwords included: the one output that holds them\n",
     Run}};

} // namespace

} // namespace zw::tool
