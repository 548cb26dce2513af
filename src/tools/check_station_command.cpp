// check-station [--record] [--format table|json|csv]: checks this workstation's stored choice as the dialog's OK
// would, says where detect finds each program that fails, and with --record keeps the result in the database.
#include <ostream>

#include "base/strings.h"
#include "choice_output.h"
#include "detect/run_detect.h"
#include "host/host_system.h"
#include "json.h"
#include "output_format.h"
#include "station_health_text.h"
#include "store/station_health.h"
#include "this_machine.h"

namespace zw::tool {

namespace {

struct ProgramCheck {
    ProgramHealth health;
    std::string commandLine;           // as people see it: a password as ***
    std::vector<std::string> lookedAt; // where detect looked, when it found the program nowhere
};

// The dialog's messages of a check, one per line.
std::string Messages(const ChoiceCheck& check) {
    std::string lines;
    for (const std::string& refusal : check.refusals)
        lines += refusal + "\n";
    size_t start = 0;
    while (start < check.problems.size()) {
        size_t end = check.problems.find(CRLF, start);
        end = end == std::string::npos ? check.problems.size() : end;
        if (end > start)
            lines += check.problems.substr(start, end - start) + "\n";
        start = end + CRLF.size();
    }
    return lines.empty() ? lines : lines.substr(0, lines.size() - 1);
}

// Each chosen bridge checked on its own, so that each gets its own verdict; the messages are those of the
// dialog, whose checks look at every row alike.
std::vector<ProgramCheck> CheckPrograms(const WorkstationChoice& choice, const MachineChecks& machine) {
    std::vector<ProgramCheck> checks;
    for (const BridgeChoice& bridge : choice.bridges) {
        const InterfaceCode* entry = FindBridgeCode(bridge.code);
        if (entry == nullptr)
            continue;
        const ChoiceCheck check = CheckChoice({{entry->controlIndex, bridge.commandLine}}, {}, machine);
        ProgramCheck program{{bridge.code, check.passed, Messages(check), ""}, ShownCommandLine(bridge), {}};
        if (!check.passed) {
            const DetectedProgram found = DetectProgram(bridge.code);
            program.health.found = found.path.value_or("");
            if (!found.path)
                program.lookedAt = found.tried;
        }
        checks.push_back(program);
    }
    return checks;
}

void WriteJson(std::ostream& out, const StationHealth& health, const std::vector<ProgramCheck>& checks, bool recorded) {
    Json programs = Json::array();
    for (const ProgramCheck& c : checks) {
        Json problems = Json::array();
        const std::string& text = c.health.problem;
        for (size_t start = 0; start < text.size();) {
            const size_t end = std::min(text.find('\n', start), text.size());
            problems.push_back(text.substr(start, end - start));
            start = end + 1;
        }
        programs.push_back({{"code", c.health.code},
                            {"ok", c.health.ok},
                            {"commandLine", c.commandLine},
                            {"problems", problems},
                            {"found", c.health.found.empty() ? Json(nullptr) : Json(c.health.found)},
                            {"lookedAt", c.lookedAt}});
    }
    const Json document = {{"station", health.station}, {"ok", !health.Broken()}, {"checked", health.time},
                           {"user", health.user},       {"recorded", recorded},   {"programs", programs}};
    out << JsonText(document, 1) << "\n";
}

// True when a cell of the table was shortened.
bool WriteText(std::ostream& out, Format format, const StationHealth& health, const std::vector<ProgramCheck>& checks) {
    if (format == Format::Csv) {
        std::vector<std::vector<std::string>> rows = {
            {"STATION", "PROGRAM", "VERDICT", "COMMAND LINE", "PROBLEM", "DETECT FINDS"}};
        for (const ProgramCheck& c : checks)
            rows.push_back({health.station, c.health.code, c.health.ok ? "ok" : "broken", c.commandLine,
                            c.health.problem, c.health.found});
        WriteCsv(out, rows);
        return false;
    }
    out << Escaped(health.station) << ": " << HealthText(&health)
        << (checks.empty() ? " (no imaging program is chosen)" : "") << "\n";
    if (checks.empty())
        return false;
    std::vector<std::vector<std::string>> rows = {{"PROGRAM", "VERDICT", "COMMAND LINE", "DETECT FINDS"}};
    for (const ProgramCheck& c : checks)
        rows.push_back({c.health.code, c.health.ok ? "ok" : "broken", c.commandLine,
                        c.health.ok              ? ""
                        : c.health.found.empty() ? "(nothing)"
                                                 : c.health.found});
    const bool shortened = WriteTable(out, rows);
    for (const ProgramCheck& c : checks) {
        if (c.health.ok)
            continue;
        out << "\n" << c.health.code << ": " << c.health.problem << "\n";
        if (!c.health.found.empty())
            out << c.health.code << ": detect finds " << c.health.found << "\n";
        else
            out << c.health.code << ": detect finds it nowhere; looked at:\n";
        for (const std::string& place : c.lookedAt)
            out << "  " << place << "\n";
    }
    return shortened;
}

int Run(Invocation& run) {
    const Format format = TakeFormat(run);
    const bool record = run.args.Flag("--record");
    run.args.Rest(0, 0);
    std::string name = ThisStation();
    CheckStationName(name);
    run.station = name;

    SqliteDatabase& database = run.Database();
    name = StationNames(database).Stored(name);
    const std::vector<ProgramCheck> checks = CheckPrograms(Decode(ReadStation(database, name)), ThisMachineChecks());
    StationHealth health{name, host::UtcTimestamp(), host::UserName(), {}};
    for (const ProgramCheck& c : checks)
        health.programs.push_back(c.health);
    if (record)
        RecordStationHealth(database, health);

    if (format == Format::Json)
        WriteJson(run.Out(), health, checks, record);
    else
        run.shortened = WriteText(run.Out(), format, health, checks);
    if (record && format == Format::Table)
        run.Out() << "recorded for " << Escaped(name) << "\n";
    run.result = health.Broken() ? "broken" : "ok";
    return health.Broken() ? toolexit::ChecksFailed : toolexit::Success;
}

const Registration registration{
    {"check-station",
     "  check-station [--record] [--format table|json|csv]\n"
     "                          check this workstation's chosen programs as the dialog's OK would, and say where\n"
     "                          detect finds each one that fails; exit code 1 when one fails; --record keeps\n"
     "                          the result in the database for stations and report\n",
     Run}};

} // namespace

} // namespace zw::tool
