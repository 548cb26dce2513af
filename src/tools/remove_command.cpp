// remove --station S: a retired workstation's stored values gone.
#include <ostream>

#include "command.h"
#include "stations.h"

namespace zw::tool {

namespace {

int Run(Invocation& run) {
    const auto station = run.args.Value("--station");
    const bool dryRun = run.args.Flag("--dry-run");
    run.args.Rest(0, 0);
    if (!station)
        throw UsageError{"remove needs --station STATION"};
    CheckStationName(*station);
    run.station = *station;

    SqliteDatabase& database = run.Database();
    const std::string name = StoredStationName(database, *station);
    run.station = name;
    const auto changes = ChangesTo(ReadStation(database, name), {name, std::nullopt, std::nullopt}, run.changeLines);
    return WriteChanges(run, changes, dryRun, "zwsettings remove", name + ": nothing stored, nothing to change");
}

const Registration registration{
    {"remove", "  remove --station S [--dry-run]\n                          a retired workstation's values gone\n",
     Run}};

} // namespace

} // namespace zw::tool
