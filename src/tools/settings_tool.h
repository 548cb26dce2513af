#pragma once
#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace zw {

// Exit codes of the settings tool, stable for deployment tools and scripts.
namespace toolexit {
constexpr int Success = 0;        // done, or nothing to change
constexpr int ChecksFailed = 1;   // the choice did not pass the dialog's checks; every problem is listed
constexpr int BadArguments = 2;   // a command line or a file the tool cannot use; the reason is given
constexpr int DatabaseFailed = 3; // the database could not be made, opened, read or written
} // namespace toolexit

// Where the tool's text goes and where standard input comes from. readInput gives everything on standard
// input, or nothing when it could not be read.
struct ToolStreams {
    std::function<std::optional<std::string>()> readInput;
    std::ostream& out;
    std::ostream& err;
};

// The settings tool: makes product databases and reads, writes, applies, copies, exports and imports the
// workstations' choices. args are the command-line words after the program's name, in UTF-8; all text in
// and out is UTF-8.
int RunSettingsTool(const std::vector<std::string>& args, const ToolStreams& streams);

} // namespace zw
