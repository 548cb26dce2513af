#pragma once
#include <iosfwd>
#include <string>
#include <vector>

namespace zw {

// Exit codes of the settings tool.
namespace toolexit {
constexpr int Success = 0;
constexpr int Failure = 1;      // the database could not be made, opened, read or written
constexpr int BadArguments = 2; // the usage is printed
constexpr int NoSuchSetting = 3;
} // namespace toolexit

// The settings tool: makes product databases and reads and writes their settings, for demos, tests and
// support staff. args are the command-line words after the program's name, in UTF-8. Values travel raw
// through in (set) and out (get); messages go to err.
int RunSettingsTool(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err);

// A value made readable on one line: backslash, LF, CR, tab and other control characters are escaped.
std::string EscapedForListing(const std::string& value);

} // namespace zw
