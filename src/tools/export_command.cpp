// export [--station S ...] [--output FILE]: the workstations' choices as JSON, raw values authoritative.
#include <algorithm>
#include <ostream>
#include <sstream>

#include "choice_output.h"
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
            stations.push_back(ReadStation(run.Database(), station));
            if (!stations.back().Stored())
                throw UsageError{"nothing is stored for " + station};
        }
    }

    std::ostringstream text;
    text << "{\"format\": 1, \"stations\": [";
    for (size_t i = 0; i < stations.size(); ++i)
        text << (i ? ",\n  " : "\n  ") << ChoiceJson(stations[i], true);
    text << "\n]}\n";
    if (!output) {
        run.Out() << text.str();
        return toolexit::Success;
    }
    // The export carries passwords of the bridges that use one: the file is its owner's only.
    if (!host::WritePrivateFile(host::PathFromUtf8(*output), text.str()))
        throw UsageError{"cannot write " + *output};
    run.Out() << stations.size() << " station(s) exported to " << *output << "\n";
    return toolexit::Success;
}

const Registration registration{
    {"export",
     "  export [--station S ...] [--output FILE]\n"
     "                          the choices as JSON (every station by default), raw values byte exact\n",
     Run}};

} // namespace

} // namespace zw::tool
