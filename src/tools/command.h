#pragma once
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "settings_tool.h"
#include "store/settings_store.h"
#include "store/sqlite_database.h"

namespace zw::tool {

// A command line or a file the tool cannot use: exit code 2 with the reason, and for a command line the
// command's usage.
struct UsageError {
    std::string message;
    bool showUsage = true; // false for a file's problems: the usage would not help
};

// The words after the command's name. A command takes its options out of them and then its remaining
// words; anything left over that looks like an option is refused.
class Arguments {
public:
    explicit Arguments(std::vector<std::string> words) : words_(std::move(words)) {}
    // --name VALUE, once at most.
    std::optional<std::string> Value(const std::string& name);
    // --name VALUE, as often as given.
    std::vector<std::string> Values(const std::string& name);
    // --name followed by every word up to the next option.
    std::vector<std::string> List(const std::string& name);
    bool Flag(const std::string& name);
    // The remaining words, between min and max of them.
    std::vector<std::string> Rest(size_t min, size_t max);

private:
    std::vector<std::string> words_;
};

// The product version that --version prints: compiled with each program rather than into the tool's library
// (zwsettings_version.cpp), so that another version's program links the same library.
extern const char* const ProductVersion;

// A password for a new or re-encrypted database: UsageError when nobody could open the database with it.
std::string NewDatabasePassword(const std::string& password);

// One run of one command.
struct Invocation {
    Invocation(Arguments words, const ToolStreams& io, std::optional<std::string> path, std::optional<std::string> pw)
        : args(std::move(words)), streams(io), databasePath(std::move(path)), password(std::move(pw)) {}

    Arguments args;
    const ToolStreams& streams;
    std::optional<std::string> databasePath;
    std::optional<std::string> password;
    std::string station = "-"; // the station the run is about, for the log
    std::string result;        // a short word for the log; "done" when the command says nothing
    // What a write does, line by line: printed by WriteChanges once the changes are in (or for a dry run, as
    // what would be done), and never for a write that failed.
    std::ostringstream changeLines;
    bool bom = false;       // standard output starts with a UTF-8 byte order mark (--format csv --bom)
    bool shortened = false; // a table's cell was cut short: standard error says how to see it whole

    std::ostream& Out() const { return streams.out; }
    // The database as the dialog opens it: --database (ZELTWIN.MDB in the current folder), --password
    // (else ZELT_DB_PASSWORD, else the product's own). Opened on first use.
    SqliteDatabase& Database();
    std::string DatabasePath() const;
    std::string Password() const;

private:
    std::shared_ptr<SqliteDatabase> database_;
};

// The end of every command that writes: the changes in one transaction under the writer's name, or, for a
// dry run, nothing; says so when there is nothing to change. Returns the exit code.
int WriteChanges(Invocation& run, const std::vector<SettingChange>& changes, bool dryRun, const char* writer,
                 const std::string& nothingToChange = "nothing to change");

// A command: its name, its usage lines, and what it does. Registered by a file of its own:
//     const tool::Registration registration{{"name", "usage", Run}};
struct Command {
    const char* name;
    const char* usage;
    int (*run)(Invocation&);
};
struct Registration {
    explicit Registration(const Command& command);
};
const std::vector<Command>& Commands();
// The registered command of that name; nullptr when there is none.
const Command* FindCommand(const std::string& name);

} // namespace zw::tool
