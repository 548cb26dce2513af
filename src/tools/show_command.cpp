// show [--station S]: one workstation's choice decoded in full, this workstation's by default.
#include <ostream>

#include "choice_output.h"
#include "command.h"
#include "output_format.h"

namespace zw::tool {

namespace {

int Run(Invocation& run) {
    const Format format = TakeFormat(run);
    std::string station = run.args.Value("--station").value_or(ThisStation());
    run.args.Rest(0, 0);
    CheckStationName(station);
    run.station = station;
    station = StoredStationName(run.Database(), station);
    const StationValues values = ReadStation(run.Database(), station);
    const WorkstationChoice choice = Decode(values);

    if (format == Format::Json) {
        run.Out() << JsonText(ChoiceJson(values, false)) << "\n";
        return toolexit::Success;
    }
    const bool csv = format == Format::Csv;
    Rows rows;
    if (csv)
        rows.push_back({"kind", "code", "commandLine"});
    else
        rows.push_back({"station", station + (values.Stored() ? "" : " (nothing stored: None)")});
    for (const BridgeChoice& bridge : choice.bridges)
        rows.push_back({"bridge", bridge.code, ShownCommandLine(bridge)});
    if (choice.bridges.empty() && !csv)
        rows.push_back({"bridge", "NONE"});
    for (const std::string& device : choice.devices)
        rows.push_back({"device", device, ""});
    if (choice.devices.empty() && !csv)
        rows.push_back({"device", "NONE"});
    if (choice.probe.code != NoneCode || !csv)
        rows.push_back({"probe", choice.probe.code, Escaped(choice.probe.commandLine, false)});
    run.shortened = WriteRows(run.Out(), format, rows);
    return toolexit::Success;
}

const Registration registration{{"show",
                                 "  show [--station S] [--format table|json|csv]\n"
                                 "                          one workstation's choice decoded in full (this one by "
                                 "default)\n",
                                 Run}};

} // namespace

} // namespace zw::tool
