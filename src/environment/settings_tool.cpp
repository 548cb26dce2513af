#include "settings_tool.h"

#include <iostream>
#include <iterator>
#include <optional>

#include "../controls/runtime_error.h"
#include "database_key.h"
#include "environment_overrides.h"
#include "product_database.h"
#include "settings_store.h"
#include "sqlite_database.h"

namespace zw {

namespace {

const char* const DefaultDatabase = "ZELTWIN.MDB";

const char* const Usage =
    "usage: zwsettings [--database PATH] [--password PW] COMMAND\n"
    "commands:\n"
    "  create-database PATH    make a new, empty product database encrypted with the password\n"
    "  encrypt-database PATH   encrypt, in place, an unencrypted product database made by an earlier\n"
    "                          version, with the password\n"
    "  change-password NEW     encrypt the database with the password NEW instead of the password\n"
    "  get SECTION KEY         write a setting's value exactly as stored, with no newline added\n"
    "  set SECTION KEY         store standard input, exactly as read, as a setting's value\n"
    "  check                   check every page of the database and that every setting's history ends in\n"
    "                          its value; prints ok or what is wrong\n"
    "  list                    show every setting, one a line: section, key and value separated by tabs,\n"
    "                          with \\n, \\r, \\t and \\\\ standing for LF, CR, tab and backslash\n"
    "The database is ZELTWIN.MDB in the current folder unless --database names another. The password is\n"
    "--password, else the environment variable ZELT_DB_PASSWORD, else the product's own.\n";

struct Arguments {
    std::optional<std::string> database;
    std::optional<std::string> password;
    std::vector<std::string> words;
    bool help = false;
};

// Thrown for a command line the tool does not understand.
struct UsageError {
    std::string message;
};

Arguments Parse(const std::vector<std::string>& args) {
    Arguments parsed;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--database" || arg == "--password") {
            if (i + 1 >= args.size())
                throw UsageError{arg + " needs a value"};
            (arg == "--database" ? parsed.database : parsed.password) = args[++i];
        } else if (arg == "--help" || arg == "-h") {
            parsed.help = true;
        } else if (arg.size() > 1 && arg[0] == '-' && arg[1] == '-') {
            throw UsageError{"unknown option " + arg};
        } else {
            parsed.words.push_back(arg);
        }
    }
    return parsed;
}

void ExpectWords(const Arguments& parsed, size_t count) {
    if (parsed.words.size() != count)
        throw UsageError{parsed.words[0] + " takes " + std::to_string(count - 1) + " argument(s)"};
}

std::shared_ptr<SqliteDatabase> Open(const Arguments& parsed, bool readOnly) {
    const std::string name = parsed.database.value_or(DefaultDatabase);
    const std::string password = parsed.password ? *parsed.password : ProductDatabasePassword();
    SqliteDatabaseEngine engine;
    return std::static_pointer_cast<SqliteDatabase>(engine.OpenDatabase(name, false, readOnly, ";pwd=" + password));
}

// A password for a new or re-encrypted database, refused as a usage error when nobody could open with it.
const std::string& NewPassword(const std::string& password) {
    if (const std::string problem = NewPasswordProblem(password); !problem.empty())
        throw UsageError{problem};
    return password;
}

int Run(const Arguments& parsed, std::istream& in, std::ostream& out, std::ostream& err) {
    const std::string& command = parsed.words[0];
    if (command == "create-database") {
        if (parsed.words.size() > 2)
            throw UsageError{"create-database takes one path"};
        const std::optional<std::string> path = parsed.words.size() == 2 ? parsed.words[1] : parsed.database;
        if (!path)
            throw UsageError{"create-database needs the path of the new database"};
        CreateProductDatabase(*path, NewPassword(parsed.password ? *parsed.password : ProductDatabasePassword()));
        return toolexit::Success;
    }
    if (command == "encrypt-database") {
        ExpectWords(parsed, 2);
        ReencryptProductDatabase(parsed.words[1], std::nullopt,
                                 NewPassword(parsed.password ? *parsed.password : ProductDatabasePassword()));
        return toolexit::Success;
    }
    if (command == "change-password") {
        ExpectWords(parsed, 2);
        ReencryptProductDatabase(parsed.database.value_or(DefaultDatabase),
                                 parsed.password ? *parsed.password : ProductDatabasePassword(),
                                 NewPassword(parsed.words[1]));
        return toolexit::Success;
    }
    if (command == "get") {
        ExpectWords(parsed, 3);
        const auto value = ReadStoredSetting(*Open(parsed, true), parsed.words[1], parsed.words[2]);
        if (!value) {
            err << "zwsettings: no setting " << parsed.words[2] << " in section " << parsed.words[1] << "\n";
            return toolexit::NoSuchSetting;
        }
        out << *value;
        out.flush();
        return toolexit::Success;
    }
    if (command == "set") {
        ExpectWords(parsed, 3);
        const std::string value((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        WriteStoredSetting(*Open(parsed, false), parsed.words[1], parsed.words[2], value);
        return toolexit::Success;
    }
    if (command == "check") {
        ExpectWords(parsed, 1);
        const auto database = Open(parsed, true);
        std::vector<std::string> problems = DatabaseIntegrityProblems(database->Connection(), database->Name());
        if (problems.empty())
            problems = HistoryDisagreements(*database);
        for (const std::string& problem : problems)
            out << problem << '\n';
        if (problems.empty())
            out << "ok\n";
        out.flush();
        return problems.empty() ? toolexit::Success : toolexit::Failure;
    }
    if (command == "list") {
        ExpectWords(parsed, 1);
        for (const StoredSetting& setting : ListStoredSettings(*Open(parsed, true)))
            out << EscapedForListing(setting.section) << '\t' << EscapedForListing(setting.key) << '\t'
                << EscapedForListing(setting.value) << '\n';
        out.flush();
        return toolexit::Success;
    }
    throw UsageError{"unknown command " + command};
}

} // namespace

std::string EscapedForListing(const std::string& value) {
    static const char digits[] = "0123456789ABCDEF";
    std::string result;
    for (const char c : value) {
        const auto byte = static_cast<unsigned char>(c);
        switch (c) {
        case '\\':
            result += "\\\\";
            break;
        case '\n':
            result += "\\n";
            break;
        case '\r':
            result += "\\r";
            break;
        case '\t':
            result += "\\t";
            break;
        default:
            if (byte < 0x20 || byte == 0x7f) {
                result += "\\x";
                result += digits[byte >> 4];
                result += digits[byte & 0x0f];
            } else {
                result += c;
            }
        }
    }
    return result;
}

int RunSettingsTool(const std::vector<std::string>& args, std::istream& in, std::ostream& out, std::ostream& err) {
    try {
        const Arguments parsed = Parse(args);
        if (parsed.help) {
            out << Usage;
            return toolexit::Success;
        }
        if (parsed.words.empty())
            throw UsageError{"no command given"};
        return Run(parsed, in, out, err);
    } catch (const UsageError& error) {
        err << "zwsettings: " << error.message << "\n" << Usage;
        return toolexit::BadArguments;
    } catch (const RuntimeError& error) {
        err << "zwsettings: " << error.what() << " (error " << error.Number() << ")\n";
        return toolexit::Failure;
    } catch (const std::exception& error) {
        err << "zwsettings: " << error.what() << "\n";
        return toolexit::Failure;
    }
}

} // namespace zw
