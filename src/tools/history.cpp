#include "history.h"

#include <algorithm>

#include "choice/interface_codes.h"
#include "secrets.h"
#include "stations.h"

namespace zw::tool {

namespace {

const std::string Minus = "\xE2\x88\x92"; // U+2212, as people write a removal

// The station a key of the interface section belongs to, and which of its values it is.
std::pair<std::string, std::string> StationOfKey(const HistoryRow& row) {
    if (row.section != InterfaceSection)
        return {};
    for (const std::string word : {"XRAY", "PROBE"})
        if (row.key.size() > word.size() && row.key.compare(0, word.size(), word) == 0)
            return {row.key.substr(word.size()), word == "XRAY" ? "xray" : "probe"};
    return {};
}

std::string Bridge(const BridgeChoice& bridge) {
    const std::string shown = ShownCommandLine(bridge);
    return shown.empty() ? bridge.code : bridge.code + " " + Escaped(shown, false);
}

void CompareXray(const WorkstationChoice& before, const WorkstationChoice& after, std::vector<std::string>& lines) {
    for (const BridgeChoice& old : before.bridges) {
        auto now = std::find_if(after.bridges.begin(), after.bridges.end(),
                                [&](const BridgeChoice& b) { return b.code == old.code; });
        if (now == after.bridges.end())
            lines.push_back(Minus + " " + old.code);
        else if (now->commandLine != old.commandLine)
            lines.push_back("~ " + Bridge(*now) + " (was " + ShownCommandLine(old) + ")");
    }
    for (const BridgeChoice& now : after.bridges)
        if (std::none_of(before.bridges.begin(), before.bridges.end(),
                         [&](const BridgeChoice& b) { return b.code == now.code; }))
            lines.push_back("+ " + Bridge(now));
    for (const std::string& device : before.devices)
        if (std::find(after.devices.begin(), after.devices.end(), device) == after.devices.end())
            lines.push_back(device + " removed");
    for (const std::string& device : after.devices)
        if (std::find(before.devices.begin(), before.devices.end(), device) == before.devices.end())
            lines.push_back(device + " added");
}

} // namespace

ChoiceChange DescribeChange(const HistoryRow& row) {
    ChoiceChange change;
    const auto [station, what] = StationOfKey(row);
    change.station = station;
    change.what = what.empty() ? row.section + " " + row.key : what;
    if (what == "xray") {
        CompareXray(Decode({station, row.oldValue, std::nullopt}), Decode({station, row.newValue, std::nullopt}),
                    change.lines);
    } else if (what == "probe") {
        const ProbeChoice before = Decode({station, std::nullopt, row.oldValue}).probe;
        const ProbeChoice after = Decode({station, std::nullopt, row.newValue}).probe;
        if (!(before == after))
            change.lines.push_back("probe " + after.code +
                                   (after.commandLine.empty() ? "" : " " + Escaped(after.commandLine, false)));
    } else if (row.oldValue != row.newValue) {
        change.lines.push_back(row.newValue ? "\"" + Escaped(*row.newValue) + "\"" : "removed");
    }
    if (!row.newValue && row.oldValue)
        change.lines.push_back("value removed");
    if (change.lines.empty())
        change.lines.push_back(row.oldValue ? "confirmed: no change" : "first stored: no change to the choice");
    return change;
}

std::map<std::string, LastChange> LastChanges(SqliteDatabase& database) {
    std::map<std::string, LastChange> last;
    for (const HistoryRow& row : NewestHistoryRows(database)) { // newest first
        const auto [station, what] = StationOfKey(row);
        if (!what.empty() && !last.contains(station))
            last[station] = {row.time, row.user};
    }
    return last;
}

} // namespace zw::tool
