#pragma once
#include <iosfwd>
#include <string>
#include <vector>

#include "command.h"

namespace zw::tool {

// The three ways a command writes what it found. Every text goes through the same rule whatever the format:
// a byte that is not UTF-8 is written as U+FFFD (ShownUtf8).
enum class Format { Table, Json, Csv };

// --format table|json|csv, table when not given: the one place the option is read. With csv, --bom starts
// the output with a UTF-8 byte order mark (run.bom), which Excel needs to read UTF-8 rather than the
// computer's code page; not by default, as a script's CSV reader would take it into the first heading.
Format TakeFormat(Invocation& run);

// Rows of cells, the first the heading.
using Rows = std::vector<std::vector<std::string>>;

// The widest a table's column is, in the console's columns: a longer cell is cut and ends in "…" (the whole
// text is in JSON and CSV), as one long command line would otherwise widen every row. The last column widens
// nothing and is written whole.
constexpr size_t TableCellWidth = 80;
// The line that tells how to see a shortened cell whole: on standard error after the table, unless --quiet.
extern const std::string ShortenedHint;

// Aligned in columns two blanks apart, trailing blanks dropped, each column but the last at most
// TableCellWidth wide. True when a cell was shortened.
bool WriteTable(std::ostream& out, const Rows& rows);
// CSV lines ending in CR LF, a cell quoted when it holds a comma, a quote, CR or LF (RFC 4180).
void WriteCsv(std::ostream& out, const Rows& rows);
// The rows in the format asked for; JSON is not a grid and is written by the command itself. True when a
// table's cell was shortened.
bool WriteRows(std::ostream& out, Format format, const Rows& rows);

} // namespace zw::tool
