// apply: stores the choice the dialog would store if exactly these rows were checked and these texts typed.
#include <algorithm>
#include <map>
#include <ostream>

#include "choice/interface_codes.h"
#include "choice_output.h"
#include "code_lists.h"
#include "command.h"
#include "detect/run_detect.h"
#include "this_machine.h"

namespace zw::tool {

namespace {

struct Wanted {
    std::map<int, std::optional<std::string>> rows; // CheckBox1 index: the typed text, or none to propose
    std::map<int, std::string> codes;               // CheckBox1 index: the code it was given by
    std::vector<int> devices;                       // DI_CheckBox1 indexes
};

Wanted ParseChoice(bool none, const std::vector<std::string>& bridges, const std::vector<std::string>& devices) {
    if (none && (!bridges.empty() || !devices.empty()))
        throw UsageError{"--none chooses no bridge and no device; it cannot go with --bridge or --device"};
    if (!none && bridges.empty() && devices.empty())
        throw UsageError{"apply needs --none, or --bridge and --device for what to choose"};

    Wanted wanted;
    for (const std::string& given : bridges) {
        const size_t equals = given.find('=');
        const std::string code = given.substr(0, equals);
        if (const std::string problem = BridgeCodeProblem(code); !problem.empty())
            throw UsageError{problem + "; the bridge codes are " + BridgeCodes()};
        const InterfaceCode* entry = FindBridgeCode(code);
        if (equals != std::string::npos && FindBridgeRow(entry->controlIndex)->text < 0)
            throw UsageError{code + " takes no command line"};
        if (wanted.rows.count(entry->controlIndex) != 0)
            throw UsageError{"the bridge of " + code + " is given more than once"};
        wanted.rows[entry->controlIndex] =
            equals == std::string::npos ? std::nullopt : std::optional(given.substr(equals + 1));
        wanted.codes[entry->controlIndex] = entry->code;
    }
    for (const std::string& code : devices) {
        if (const std::string problem = DeviceCodeProblem(code); !problem.empty())
            throw UsageError{problem + "; the device codes are " + OfferedDeviceCodes()};
        const InterfaceCode* entry = FindDeviceCode(code);
        if (std::find(wanted.devices.begin(), wanted.devices.end(), entry->controlIndex) != wanted.devices.end())
            throw UsageError{"the device " + code + " is given more than once"};
        wanted.devices.push_back(entry->controlIndex);
    }
    return wanted;
}

void PrintRefused(std::ostream& out, const ChoiceCheck& check) {
    for (const std::string& refusal : check.refusals)
        out << refusal << "\n";
    if (check.problems.empty())
        return;
    // The message's CR LF line breaks become the console's.
    const std::string message = ProblemMessage(check.problems);
    for (size_t i = 0; i < message.size(); ++i)
        if (!(message[i] == '\r' && i + 1 < message.size() && message[i + 1] == '\n'))
            out << message[i];
    out << "\n";
}

// The command line of each program row given without one: the dialog's proposal when its check accepts it,
// else the first place detect finds that the check accepts; false (with the places looked at) when there is
// none. Such a row is then checked with the dialog's proposal, whose refusal is the dialog's message.
bool TakeDetected(Wanted& wanted, std::ostream& out, std::ostream& err) {
    bool allFound = true;
    for (auto& [row, text] : wanted.rows) {
        if (text || !FindBridgeRow(row)->ChecksFile())
            continue;
        const std::string& code = wanted.codes[row];
        const DetectedProgram found = DetectProgram(code);
        if (found.path) {
            if (found.refusedProposal)
                out << code << ": the dialog would propose " << *found.refusedProposal
                    << ", which its check refuses; detect found " << *found.path << "\n";
            text = *found.path;
            continue;
        }
        allFound = false;
        err << code << ": not found on this workstation; looked at:\n";
        for (const std::string& place : found.tried)
            err << "  " << place << "\n";
    }
    return allFound;
}

int Run(Invocation& run) {
    const auto station = run.args.Value("--station");
    const bool dryRun = run.args.Flag("--dry-run");
    const bool detect = run.args.Flag("--detect");
    const bool none = run.args.Flag("--none");
    const auto bridges = run.args.Values("--bridge");
    const auto devices = run.args.Values("--device");
    run.args.Rest(0, 0);
    Wanted wanted = ParseChoice(none, bridges, devices);
    std::string name = station.value_or(ThisStation());
    CheckStationName(name);
    run.station = name;
    const bool here = SameStation(name, ThisStation());
    if (detect && !here)
        throw UsageError{"--detect looks for the programs on this workstation only, not on " + name};
    const bool allFound = !detect || TakeDetected(wanted, run.Out(), run.streams.err);

    // The rows as the dialog would hold them: a row given without a text gets the text the dialog proposes
    // on checking it; another workstation's registry cannot be read from here, a fixed path can be proposed.
    const RegistryRead registry =
        here ? ThisMachineRegistry() : RegistryRead([](const std::string&, uint32_t) { return std::string(); });
    std::vector<CheckedRow> rows;
    for (const auto& [row, text] : wanted.rows) {
        const CommandLineProposal* proposal = FindProposal(row);
        rows.push_back({row, text ? *text : proposal ? ProposedCommandLine(*proposal, registry) : ""});
    }
    const ChoiceCheck check = CheckChoice(rows, wanted.devices, here ? ThisMachineChecks() : MachineChecks{});
    if (!here)
        run.Out() << name << ": not this workstation (" << ThisStation()
                  << "): the program files were not checked there, only their names\n";
    // A program that --detect found nowhere is never stored, even should its proposal pass the check now.
    if (!check.passed || !allFound) {
        PrintRefused(run.streams.err, check);
        run.result = allFound ? "checks-failed" : "not-found";
        return toolexit::ChecksFailed;
    }

    SqliteDatabase& database = run.Database();
    name = StationNames(database).Stored(name);
    run.station = name;
    const StationValues stored = ReadStation(database, name);
    const StationValues applied{name, check.value, stored.probe};
    const WorkstationChoice choice = Decode(applied);
    run.changeLines << name << ": bridges " << BridgesText(choice) << "; devices " << DevicesText(choice) << "\n";
    const std::vector<SettingChange> changes = ChangesTo(stored, applied, run.changeLines);
    return WriteChanges(run, changes, dryRun, "zwsettings apply", name + ": nothing to change");
}

const Registration registration{
    {"apply",
     "  apply [--station S] (--none | --bridge CODE[=COMMAND_LINE] ... [--device CODE] ...) [--detect]\n"
     "        [--dry-run]       store the choice the dialog would store with these rows checked and these texts\n"
     "                          typed: the same proposals, checks and messages (another station: names only);\n"
     "                          --detect takes a bridge's command line from where detect finds one\n"
     "                          that the dialog's check accepts\n",
     Run}};

} // namespace

} // namespace zw::tool
