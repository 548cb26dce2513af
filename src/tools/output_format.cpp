#include "output_format.h"

#include <algorithm>
#include <ostream>

#include "base/strings.h"
#include "base/text_conversion.h"
#include "base/utf8.h"

namespace zw::tool {

namespace {

// Columns are counted as the console counts them, in UTF-16 code units.
size_t Width(const std::string& text) {
    return ToUtf16(text).size();
}

std::string CsvCell(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (const char c : text)
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

// The text cut to TableCellWidth columns with "…" as the last one; a surrogate pair is never split.
std::string Shortened(const std::string& text) {
    std::u16string units = ToUtf16(text);
    if (units.size() <= TableCellWidth)
        return text;
    units.resize(TableCellWidth - 1);
    if (units.back() >= 0xD800 && units.back() <= 0xDBFF)
        units.pop_back();
    return ToUtf8(units) + "\u2026";
}

Rows Shown(const Rows& rows) {
    Rows shown = rows;
    for (auto& row : shown)
        for (std::string& cell : row)
            cell = ShownUtf8(cell);
    return shown;
}

} // namespace

Format TakeFormat(Invocation& run) {
    const auto format = run.args.Value("--format").value_or("table");
    run.bom = run.args.Flag("--bom");
    if (run.bom && format != "csv")
        throw UsageError{"--bom goes with --format csv only"};
    if (format == "table")
        return Format::Table;
    if (format == "json")
        return Format::Json;
    if (format == "csv")
        return Format::Csv;
    throw UsageError{"--format is table, json or csv, not " + format};
}

const std::string ShortenedHint = "(a cell wider than " + std::to_string(TableCellWidth) +
                                  " columns is cut short with \u2026; --format json or csv writes it whole)";

bool WriteTable(std::ostream& out, const Rows& given) {
    Rows rows = Shown(given);
    bool shortened = false;
    for (auto& row : rows)
        for (size_t i = 0; i + 1 < row.size(); ++i) {
            std::string cut = Shortened(row[i]);
            shortened = shortened || cut.size() != row[i].size();
            row[i] = std::move(cut);
        }
    std::vector<size_t> widths;
    for (const auto& row : rows) {
        widths.resize(std::max(widths.size(), row.size()));
        for (size_t i = 0; i < row.size(); ++i)
            widths[i] = std::max(widths[i], Width(row[i]));
    }
    for (const auto& row : rows) {
        std::string line;
        for (size_t i = 0; i < row.size(); ++i)
            line += row[i] + (i + 1 < row.size() ? std::string(widths[i] - Width(row[i]) + 2, ' ') : "");
        out << line.substr(0, line.find_last_not_of(' ') + 1) << '\n';
    }
    return shortened;
}

void WriteCsv(std::ostream& out, const Rows& rows) {
    for (const auto& row : Shown(rows)) {
        for (size_t i = 0; i < row.size(); ++i)
            out << (i ? "," : "") << CsvCell(row[i]);
        out << "\r\n";
    }
}

bool WriteRows(std::ostream& out, Format format, const Rows& rows) {
    if (format != Format::Csv)
        return WriteTable(out, rows);
    WriteCsv(out, rows);
    return false;
}

} // namespace zw::tool
