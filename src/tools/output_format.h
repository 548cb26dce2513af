#pragma once
#include <iosfwd>
#include <string>
#include <vector>

#include "command.h"

namespace zw::tool {

// The three ways a command writes what it found. Every text goes through the same rule whatever the format:
// a byte that is not UTF-8 is written as U+FFFD (ShownUtf8).
enum class Format { Table, Json, Csv };

// --format table|json|csv, table when not given: the one place the option is read.
Format TakeFormat(Arguments& args);

// Rows of cells, the first the heading.
using Rows = std::vector<std::vector<std::string>>;

// Aligned in columns two blanks apart, trailing blanks dropped.
void WriteTable(std::ostream& out, const Rows& rows);
// CSV lines ending in CR LF, a cell quoted when it holds a comma, a quote, CR or LF (RFC 4180).
void WriteCsv(std::ostream& out, const Rows& rows);
// The rows in the format asked for; JSON is not a grid and is written by the command itself.
void WriteRows(std::ostream& out, Format format, const Rows& rows);

} // namespace zw::tool
