#include "choice_output.h"

#include <algorithm>
#include <ostream>

#include "base/text_conversion.h"
#include "json.h"

namespace zw::tool {

namespace {

bool Utf8(const std::string& text) {
    return ToUtf8(ToUtf16(text)) == text;
}

} // namespace

std::string RawJsonMember(const char* name, const std::optional<std::string>& value) {
    if (!value)
        return json::Quote(name) + ": null";
    if (Utf8(*value))
        return json::Quote(name) + ": " + json::Quote(*value);
    return json::Quote(std::string(name) + "Base64") + ": " + json::Quote(json::Base64(*value));
}

namespace {

size_t Width(const std::string& text) {
    return ToUtf16(text).size();
}

} // namespace

Format TakeFormat(Arguments& args) {
    const auto format = args.Value("--format").value_or("table");
    if (format == "table")
        return Format::Table;
    if (format == "json")
        return Format::Json;
    if (format == "csv")
        return Format::Csv;
    throw UsageError{"--format is table, json or csv, not " + format};
}

WorkstationChoice ForPeople(const WorkstationChoice& choice) {
    const auto text = [](const std::string& bytes) { return ToUtf8(ToUtf16(bytes)); };
    WorkstationChoice shown = choice;
    for (BridgeChoice& bridge : shown.bridges)
        bridge.commandLine = text(bridge.commandLine);
    shown.probe.commandLine = text(shown.probe.commandLine);
    return shown;
}

std::string ChoiceJson(const StationValues& values, bool withRaw) {
    const WorkstationChoice choice = ForPeople(Decode(values));
    std::string text = "{\"station\": " + json::Quote(values.station);
    if (withRaw)
        text += ", " + RawJsonMember("xray", values.xray) + ", " + RawJsonMember("probe", values.probe);
    text += ", \"bridges\": [";
    for (size_t i = 0; i < choice.bridges.size(); ++i) {
        const BridgeChoice& bridge = choice.bridges[i];
        const bool hidden = !withRaw && IsPassword(bridge) && !bridge.commandLine.empty();
        text += (i ? ", " : "") + std::string("{\"code\": ") + json::Quote(bridge.code) +
                ", \"commandLine\": " + json::Quote(hidden ? "***" : bridge.commandLine) + "}";
    }
    text += "], \"devices\": [";
    for (size_t i = 0; i < choice.devices.size(); ++i)
        text += (i ? ", " : "") + json::Quote(choice.devices[i]);
    text += "], \"probeProgram\": ";
    if (choice.probe.code == NoneCode)
        text += "null";
    else
        text += "{\"code\": " + json::Quote(choice.probe.code) +
                ", \"commandLine\": " + json::Quote(choice.probe.commandLine) + "}";
    return text + "}";
}

std::string BridgesText(const WorkstationChoice& choice) {
    std::string text;
    for (const BridgeChoice& bridge : choice.bridges) {
        const std::string shown = ShownCommandLine(bridge);
        text += (text.empty() ? "" : ", ") + bridge.code + (shown.empty() ? "" : "=" + shown);
    }
    return text.empty() ? "NONE" : text;
}

std::string DevicesText(const WorkstationChoice& choice) {
    std::string text;
    for (const std::string& device : choice.devices)
        text += (text.empty() ? "" : " ") + device;
    return text.empty() ? "NONE" : text;
}

std::string ProbeText(const WorkstationChoice& choice) {
    if (choice.probe.code == NoneCode)
        return "NONE";
    return choice.probe.code + "=" + Escaped(choice.probe.commandLine, false);
}

void WriteTable(std::ostream& out, const std::vector<std::vector<std::string>>& rows) {
    std::vector<size_t> widths;
    for (const auto& row : rows)
        for (size_t i = 0; i < row.size(); ++i) {
            widths.resize(std::max(widths.size(), row.size()));
            widths[i] = std::max(widths[i], Width(row[i]));
        }
    for (const auto& row : rows) {
        std::string line;
        for (size_t i = 0; i < row.size(); ++i)
            line += row[i] + (i + 1 < row.size() ? std::string(widths[i] - Width(row[i]) + 2, ' ') : "");
        out << line.substr(0, line.find_last_not_of(' ') + 1) << '\n';
    }
}

void WriteCsv(std::ostream& out, const std::vector<std::vector<std::string>>& rows) {
    for (const auto& row : rows) {
        for (size_t i = 0; i < row.size(); ++i) {
            std::string cell = row[i];
            if (cell.find_first_of(",\"\r\n") != std::string::npos) {
                std::string quoted = "\"";
                for (const char c : cell)
                    quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
                cell = quoted + "\"";
            }
            out << (i ? "," : "") << cell;
        }
        out << "\r\n";
    }
}

} // namespace zw::tool
