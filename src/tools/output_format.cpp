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

Rows Shown(const Rows& rows) {
    Rows shown = rows;
    for (auto& row : shown)
        for (std::string& cell : row)
            cell = ShownUtf8(cell);
    return shown;
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

void WriteTable(std::ostream& out, const Rows& given) {
    const Rows rows = Shown(given);
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
}

void WriteCsv(std::ostream& out, const Rows& rows) {
    for (const auto& row : Shown(rows)) {
        for (size_t i = 0; i < row.size(); ++i)
            out << (i ? "," : "") << CsvCell(row[i]);
        out << "\r\n";
    }
}

void WriteRows(std::ostream& out, Format format, const Rows& rows) {
    format == Format::Csv ? WriteCsv(out, rows) : WriteTable(out, rows);
}

} // namespace zw::tool
