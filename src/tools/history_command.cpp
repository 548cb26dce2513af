// history [--station S] [--since DATE]: who changed which workstation's choice, when, from what to what.
#include <functional>
#include <ostream>

#include "choice_output.h"
#include "history.h"
#include "json.h"

namespace zw::tool {

namespace {

bool Digits(const std::string& text, size_t from, size_t count) {
    for (size_t i = from; i < from + count; ++i)
        if (i >= text.size() || text[i] < '0' || text[i] > '9')
            return false;
    return true;
}

// A date (2026-12-06) or a UTC time (2026-12-06T14:30, with seconds and Z or not), as the history writes
// its times; the history's texts then compare in time order.
std::string SinceTime(const std::string& text) {
    const bool date = text.size() >= 10 && Digits(text, 0, 4) && text[4] == '-' && Digits(text, 5, 2) &&
                      text[7] == '-' && Digits(text, 8, 2);
    const bool time = text.size() == 10 || (text.size() >= 16 && text[10] == 'T' && Digits(text, 11, 2) &&
                                            text[13] == ':' && Digits(text, 14, 2) &&
                                            (text.size() == 16 || (text.size() == 17 && text[16] == 'Z') ||
                                             (text.size() >= 19 && text[16] == ':' && Digits(text, 17, 2) &&
                                              (text.size() == 19 || (text.size() == 20 && text[19] == 'Z')))));
    if (!date || !time)
        throw UsageError{"--since takes a date such as 2026-12-06 or a UTC time such as 2026-12-06T14:30"};
    return text.back() == 'Z' ? text.substr(0, text.size() - 1) : text;
}

std::string Joined(const std::vector<std::string>& lines, const char* separator) {
    std::string text;
    for (size_t i = 0; i < lines.size(); ++i)
        text += (i ? separator : "") + lines[i];
    return text;
}

std::string RowJson(const HistoryRow& row, const ChoiceChange& change) {
    std::string text = "{\"time\": " + json::Quote(row.time) + ", \"station\": " + json::Quote(change.station) +
                       ", \"value\": " + json::Quote(change.what) + ", \"user\": " + json::Quote(row.user) +
                       ", \"workstation\": " + json::Quote(row.workstation) +
                       ", \"writer\": " + json::Quote(row.writer) + ", \"section\": " + json::Quote(row.section) +
                       ", \"key\": " + json::Quote(row.key) + ", \"changes\": [";
    for (size_t i = 0; i < change.lines.size(); ++i)
        text += (i ? ", " : "") + json::Quote(change.lines[i]);
    return text + "], " + RawJsonMember("old", row.oldValue) + ", " + RawJsonMember("new", row.newValue) + "}";
}

int Run(Invocation& run) {
    const Format format = TakeFormat(run.args);
    const std::optional<std::string> station = run.args.Value("--station");
    const std::optional<std::string> since = run.args.Value("--since");
    run.args.Rest(0, 0);
    if (station)
        CheckStationName(*station);
    const std::string from = since ? SinceTime(*since) : "";
    run.station = station.value_or("*");

    // Rows come one at a time: the values they carry may be large, and only the table keeps what it shows.
    auto forEachWanted = [&](const std::function<void(const HistoryRow&, const ChoiceChange&)>& take) {
        ForEachHistoryRow(run.Database(), [&](HistoryRow&& row) {
            if (row.time.compare(0, from.size(), from) < 0)
                return;
            const ChoiceChange change = DescribeChange(row);
            if (!station || change.station == *station)
                take(row, change);
        });
    };

    if (format == Format::Json) {
        run.Out() << "[";
        bool first = true;
        forEachWanted([&](const HistoryRow& row, const ChoiceChange& change) {
            run.Out() << (first ? "" : ",\n ") << RowJson(row, change);
            first = false;
        });
        run.Out() << "]\n";
        return toolexit::Success;
    }
    std::vector<std::vector<std::string>> cells{
        {"time", "station", "value", "user", "workstation", "writer", "change"}};
    forEachWanted([&](const HistoryRow& row, const ChoiceChange& change) {
        cells.push_back({row.time, Escaped(change.station), change.what, Escaped(row.user), Escaped(row.workstation),
                         row.writer, Joined(change.lines, format == Format::Csv ? "\n" : "; ")});
    });
    format == Format::Csv ? WriteCsv(run.Out(), cells) : WriteTable(run.Out(), cells);
    return toolexit::Success;
}

const Registration registration{{"history",
                                 "  history [--station S] [--since DATE] [--format table|json|csv]\n"
                                 "                          every recorded change, newest first: when, which "
                                 "workstation, who, what\n",
                                 Run}};

} // namespace

} // namespace zw::tool
