#pragma once
#include <string>

#include <nlohmann/json.hpp>

namespace zw::tool {

// JSON documents as nlohmann/json holds them, members in the order they were put in.
using Json = nlohmann::ordered_json;

// The one way the tool writes JSON: members as `"name": value` separated by ", "; the arrays of the first
// lineLevels levels one item a line (indented two blanks a level), everything deeper on one line. Texts that
// are not UTF-8 are written by the rule of every format (ShownUtf8).
std::string JsonText(const Json& value, int lineLevels = 0);

// One JSON document, strictly: RFC 8259 and nothing more (no hexadecimal, no leading zeros, no bare point, no
// infinities, no lone or encoded surrogates, no text that is not UTF-8), and no member given twice in an
// object; a UTF-8 byte order mark at the start is allowed. UsageError naming the line and column of the fault.
Json ParseJson(const std::string& document);

} // namespace zw::tool
