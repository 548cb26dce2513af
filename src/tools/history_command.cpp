// history [--station S] [--since DATE]: who changed which workstation's choice, when, from what to what.
#include <chrono>
#include <functional>
#include <ostream>

#include "choice_output.h"
#include "command.h"
#include "history.h"
#include "output_format.h"
#include "secrets.h"

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
    // A date and time that exist: 2026-13-45 or 24:00 is a mistake, not a time after every other.
    const auto number = [&](size_t from, size_t count) { return std::stoi(text.substr(from, count)); };
    const bool exists =
        date && time &&
        std::chrono::year_month_day(std::chrono::year(number(0, 4)), std::chrono::month(number(5, 2)),
                                    std::chrono::day(number(8, 2)))
            .ok() &&
        (text.size() == 10 || (number(11, 2) < 24 && number(14, 2) < 60 && (text.size() < 19 || number(17, 2) < 60)));
    if (!exists)
        throw UsageError{"--since takes a date such as 2026-12-06 or a UTC time such as 2026-12-06T14:30"};
    return text.back() == 'Z' ? text.substr(0, text.size() - 1) : text;
}

std::string Joined(const std::vector<std::string>& lines, const char* separator) {
    std::string text;
    for (size_t i = 0; i < lines.size(); ++i)
        text += (i ? separator : "") + lines[i];
    return text;
}

// A row with its raw values; a password in them hidden unless asked for.
Json RowJson(const HistoryRow& row, const ChoiceChange& change, bool showPasswords) {
    Json object = {{"time", row.time},
                   {"station", change.station},
                   {"value", change.what},
                   {"user", row.user},
                   {"workstation", row.workstation},
                   {"writer", row.writer},
                   {"section", row.section},
                   {"key", row.key},
                   {"changes", change.lines}};
    const auto raw = [&](const std::optional<std::string>& value) {
        return showPasswords ? value : HiddenValue(row.section, row.key, value);
    };
    AddRawValue(object, "old", raw(row.oldValue));
    AddRawValue(object, "new", raw(row.newValue));
    return object;
}

int Run(Invocation& run) {
    const Format format = TakeFormat(run);
    const std::optional<std::string> station = run.args.Value("--station");
    const std::optional<std::string> since = run.args.Value("--since");
    const bool showPasswords = TakeShowPasswords(run.args);
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
            if (!station || SameStation(change.station, *station))
                take(row, change);
        });
    };

    if (format == Format::Json) {
        // Written as JsonText writes a list a row a line, a row at a time.
        bool first = true;
        run.Out() << "[";
        forEachWanted([&](const HistoryRow& row, const ChoiceChange& change) {
            run.Out() << (first ? "\n  " : ",\n  ") << JsonText(RowJson(row, change, showPasswords));
            first = false;
        });
        run.Out() << (first ? "]" : "\n]") << "\n";
        return toolexit::Success;
    }
    Rows cells{{"time", "station", "value", "user", "workstation", "writer", "change"}};
    forEachWanted([&](const HistoryRow& row, const ChoiceChange& change) {
        cells.push_back({row.time, Escaped(change.station), change.what, Escaped(row.user), Escaped(row.workstation),
                         row.writer, Joined(change.lines, format == Format::Csv ? "\n" : "; ")});
    });
    run.shortened = WriteRows(run.Out(), format, cells);
    return toolexit::Success;
}

const Registration registration{{"history",
                                 "  history [--station S] [--since DATE] [--format table|json|csv] [--show-passwords]\n"
                                 "                          every recorded change, newest first: when, which "
                                 "workstation, who, what;\n"
                                 "                          --show-passwords writes a Dimaxis password of the raw "
                                 "values in clear\n",
                                 Run}};

} // namespace

} // namespace zw::tool
