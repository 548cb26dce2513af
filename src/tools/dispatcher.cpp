// The settings tool's entry: the options every command shares, the choice of command, the exit codes, the
// log line. Each command lives in a file of its own and registers itself here.
#include <algorithm>
#include <fstream>
#include <iostream>
#include <sstream>

#include "base/runtime_error.h"
#include "code_lists.h"
#include "command.h"
#include "host/environment_overrides.h"
#include "host/host_system.h"
#include "output_format.h"
#include "result_stream.h"
#include "store/database_key.h"

namespace zw::tool {

namespace {

const char* const DefaultDatabase = "ZELTWIN.MDB";

const char* const UsageLine =
    "usage: zwsettings [--database PATH] [--password PW] [--quiet] [--log FILE] COMMAND ...\n";
const char* const UsageHead =
    "       zwsettings COMMAND --help\n"
    "       zwsettings --version\n"
    "The database is ZELTWIN.MDB in the current folder unless --database names another. The password is\n"
    "--password, else the environment variable ZELT_DB_PASSWORD, else the product's own. --quiet prints\n"
    "no results (problems go to standard error); --log appends one line per run to FILE. Exit codes: 0 done or nothing "
    "to change,\n"
    "1 checks failed, 2 bad arguments or bad file, 3 the database could not be opened, read or written.\n"
    "--format csv --bom starts the CSV with a UTF-8 byte order mark, for Excel.\n"
    "commands:\n";

std::vector<Command>& Registry() {
    static std::vector<Command> commands;
    return commands;
}

std::string Usage() {
    std::string text = std::string(UsageLine) + UsageHead;
    for (const Command& command : Commands())
        text += command.usage;
    return text + CodesHelp();
}

bool IsOption(const std::string& word) {
    return word.size() > 2 && word[0] == '-' && word[1] == '-';
}

struct Global {
    std::optional<std::string> database, password, log;
    bool quiet = false, help = false, version = false;
    std::vector<std::string> words;
};

// The shared options may stand anywhere on the line; everything else is the command's.
Global ParseGlobal(const std::vector<std::string>& args) {
    Global global;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--database" || arg == "--password" || arg == "--log") {
            if (i + 1 >= args.size())
                throw UsageError{arg + " needs a value"};
            (arg == "--database" ? global.database : arg == "--password" ? global.password : global.log) = args[++i];
        } else if (arg == "--quiet") {
            global.quiet = true;
        } else if (arg == "--help" || arg == "-h") {
            global.help = true;
        } else if (arg == "--version") {
            global.version = true;
        } else {
            global.words.push_back(arg);
        }
    }
    return global;
}

void AppendLog(const std::string& file, const Invocation* run, const std::string& command, int code) {
    const std::string stamp = host::UtcTimestamp();
    std::ofstream log(host::PathFromUtf8(file), std::ios::binary | std::ios::app);
    log << stamp << '\t' << (run ? run->station : "-") << '\t' << (command.empty() ? "-" : command) << '\t' << code
        << ' '
        << (run && !run->result.empty() ? run->result
            : code == 0                 ? "done"
                                        : "failed")
        << '\n';
    if (!log)
        throw UsageError{"cannot write the log " + file, false};
}

} // namespace

Registration::Registration(const Command& command) {
    Registry().push_back(command);
    std::sort(Registry().begin(), Registry().end(),
              [](const Command& a, const Command& b) { return std::string(a.name) < b.name; });
}

const std::vector<Command>& Commands() {
    return Registry();
}

const Command* FindCommand(const std::string& name) {
    for (const Command& command : Registry())
        if (name == command.name)
            return &command;
    return nullptr;
}

std::optional<std::string> Arguments::Value(const std::string& name) {
    const auto values = Values(name);
    if (values.size() > 1)
        throw UsageError{name + " is given more than once"};
    return values.empty() ? std::nullopt : std::optional(values[0]);
}

std::vector<std::string> Arguments::Values(const std::string& name) {
    std::vector<std::string> values, rest;
    for (size_t i = 0; i < words_.size(); ++i) {
        if (words_[i] != name) {
            rest.push_back(words_[i]);
            continue;
        }
        if (i + 1 >= words_.size() || IsOption(words_[i + 1]))
            throw UsageError{name + " needs a value"};
        values.push_back(words_[++i]);
    }
    words_ = rest;
    return values;
}

std::vector<std::string> Arguments::List(const std::string& name) {
    std::vector<std::string> values, rest;
    for (size_t i = 0; i < words_.size(); ++i) {
        if (words_[i] != name) {
            rest.push_back(words_[i]);
            continue;
        }
        const size_t before = values.size();
        while (i + 1 < words_.size() && !IsOption(words_[i + 1]))
            values.push_back(words_[++i]);
        if (values.size() == before)
            throw UsageError{name + " needs a value"};
    }
    words_ = rest;
    return values;
}

bool Arguments::Flag(const std::string& name) {
    const auto it = std::remove(words_.begin(), words_.end(), name);
    const bool found = it != words_.end();
    words_.erase(it, words_.end());
    return found;
}

std::vector<std::string> Arguments::Rest(size_t min, size_t max) {
    for (const std::string& word : words_)
        if (IsOption(word))
            throw UsageError{"unknown option " + word};
    if (words_.size() < min || words_.size() > max)
        throw UsageError{"wrong number of arguments"};
    return words_;
}

std::string Invocation::Password() const {
    // Taken whole or refused, the same for opening, making and re-keying: a connect text would cut it at ';'.
    return NewDatabasePassword(password ? *password : ProductDatabasePassword());
}

std::string Invocation::DatabasePath() const {
    return databasePath.value_or(DefaultDatabase);
}

int WriteChanges(Invocation& run, const std::vector<SettingChange>& changes, bool dryRun, const char* writer,
                 const std::string& nothingToChange) {
    if (!changes.empty() && !dryRun)
        WriteStoredSettings(run.Database(), changes, writer);
    run.Out() << run.changeLines.str();
    run.changeLines.str("");
    if (changes.empty()) {
        run.Out() << nothingToChange << "\n";
        run.result = "unchanged";
    } else if (dryRun) {
        run.Out() << "dry run: nothing written\n";
        run.result = "dry-run";
    }
    return toolexit::Success;
}

std::string NewDatabasePassword(const std::string& password) {
    if (const std::string problem = NewPasswordProblem(password); !problem.empty())
        throw UsageError{problem};
    return password;
}

SqliteDatabase& Invocation::Database() {
    if (!database_) {
        SqliteDatabaseEngine engine;
        database_ = std::static_pointer_cast<SqliteDatabase>(
            engine.OpenDatabase(DatabasePath(), false, false, ";pwd=" + Password()));
    }
    return *database_;
}

} // namespace zw::tool

namespace zw {

int RunSettingsTool(const std::vector<std::string>& args, const ToolStreams& streams) {
    using namespace tool;
    std::optional<Global> global;
    std::optional<Invocation> run;
    ResultStream results(streams.out);
    std::ostream out(&results);
    const ToolStreams held{streams.readInput, out, streams.err};
    std::string name;
    int code = toolexit::Success;
    try {
        global = ParseGlobal(args);
        if (global->quiet)
            results.Drop();
        const Command* command = global->words.empty() ? nullptr : FindCommand(global->words[0]);
        if (global->help) {
            streams.out << (command ? UsageLine + std::string(command->usage) : Usage());
            return toolexit::Success;
        }
        if (global->version) {
            streams.out << "zwsettings " << ProductVersion << "\n";
            return toolexit::Success;
        }
        if (global->words.empty())
            throw UsageError{"no command given"};
        name = global->words[0];
        if (command == nullptr)
            throw UsageError{"unknown command " + name};
        run.emplace(Arguments({global->words.begin() + 1, global->words.end()}), held, global->database,
                    global->password);
        results.LeadWithByteOrderMark(&run->bom);
        code = command->run(*run);
    } catch (const UsageError& error) {
        // A command line that was not understood gets the command's usage, or the list of commands.
        const Command* command = run ? FindCommand(name) : nullptr;
        streams.err << "zwsettings: " << error.message << "\n";
        if (error.showUsage)
            streams.err << (command ? UsageLine + std::string(command->usage)
                                    : "(zwsettings --help lists the commands)\n");
        code = toolexit::BadArguments;
    } catch (const RuntimeError& error) {
        streams.err << "zwsettings: " << error.what() << " (error " << error.Number() << ")\n";
        code = toolexit::DatabaseFailed;
    } catch (const std::exception& error) {
        streams.err << "zwsettings: " << error.what() << "\n";
        code = toolexit::DatabaseFailed;
    }
    // --quiet silences the results only: problems, refusals and errors are on standard error.
    if (!(global && global->quiet) && run && run->shortened)
        streams.err << ShortenedHint << "\n";
    streams.out.flush();
    if (global && global->log) {
        try {
            AppendLog(*global->log, run ? &*run : nullptr, name, code);
        } catch (const UsageError& error) {
            streams.err << "zwsettings: " << error.message << "\n";
            return code == toolexit::Success ? toolexit::BadArguments : code;
        }
    }
    return code;
}

} // namespace zw
