// copy --from S --to S2 [S3 ...]: one workstation's stored values to others, in one transaction.
#include <ostream>

#include "command.h"
#include "stations.h"

namespace zw::tool {

namespace {

int Run(Invocation& run) {
    const auto from = run.args.Value("--from");
    const auto to = run.args.List("--to");
    const bool dryRun = run.args.Flag("--dry-run");
    run.args.Rest(0, 0);
    if (!from || to.empty())
        throw UsageError{"copy needs --from STATION and --to STATION ..."};
    CheckStationName(*from);
    for (size_t i = 0; i < to.size(); ++i) {
        CheckStationName(to[i]);
        if (SameStation(to[i], *from))
            throw UsageError{"copy would copy " + to[i] + " onto itself"};
        for (size_t j = 0; j < i; ++j)
            if (SameStation(to[i], to[j]))
                throw UsageError{"--to names " + to[i] + " twice"};
    }
    run.station = *from;

    SqliteDatabase& database = run.Database();
    const StationNames names(database);
    const StationValues source = ReadStation(database, names.Stored(*from));
    if (!source.Stored()) {
        run.streams.err << "zwsettings: nothing is stored for " << *from << "\n";
        run.result = "nothing-stored";
        return toolexit::ChecksFailed;
    }
    std::vector<SettingChange> changes;
    for (const std::string& given : to) {
        const std::string station = names.Stored(given);
        const auto more =
            ChangesTo(ReadStation(database, station), {station, source.xray, source.probe}, run.changeLines);
        changes.insert(changes.end(), more.begin(), more.end());
    }
    return WriteChanges(run, changes, dryRun, "zwsettings copy");
}

const Registration registration{{"copy",
                                 "  copy --from S --to S2 [S3 ...] [--dry-run]\n"
                                 "                          one workstation's stored values to others, in one "
                                 "transaction\n",
                                 Run}};

} // namespace

} // namespace zw::tool
