#include "product_database.h"

#include <sqlite3.h>

#include <filesystem>
#include <memory>
#include <system_error>

#include "base/error_numbers.h"
#include "base/runtime_error.h"
#include "database_error.h"
#include "database_key.h"
#include "host/host_system.h"
#include "sqlite_database.h"
#include "sqlite_statement.h"
#include "sqlite_transaction.h"
#include "temporary_database_file.h"

namespace zw {

namespace {

// The settings table is a contract: the settings tool and support staff rely on it. The history keeps one
// row for every value written, in the same transaction as the value; each write looks up its setting's rows
// to keep them within their retention, through the index, so that a write costs the same however long the
// history of the other settings is.
const char* const Schema =
    "CREATE TABLE Settings(Section TEXT NOT NULL, Key TEXT NOT NULL, Value TEXT NOT NULL, "
    "PRIMARY KEY (Section, Key));"
    "CREATE TABLE History(Id INTEGER PRIMARY KEY, Time TEXT NOT NULL, Workstation TEXT NOT NULL, "
    "UserName TEXT NOT NULL, Writer TEXT NOT NULL, Section TEXT NOT NULL, Key TEXT NOT NULL, "
    "OldValue TEXT, NewValue TEXT);"
    "CREATE INDEX HistoryOfSetting ON History(Section, Key);";

struct ConnectionCloser {
    void operator()(sqlite3* connection) const { sqlite3_close_v2(connection); }
};
using Connection = std::unique_ptr<sqlite3, ConnectionCloser>;

[[noreturn]] void NotProductDatabase(const std::string& name) {
    throw DatabaseError(dberrors::UnrecognisedFormat, "Unrecognized database format '" + name + "'.");
}

// True when the statement compiles: the tables have the columns it names.
bool Compiles(sqlite3* connection, const char* sql) {
    sqlite3_stmt* statement = nullptr;
    const int rc = sqlite3_prepare_v2(connection, sql, -1, &statement, nullptr);
    sqlite3_finalize(statement);
    return rc == SQLITE_OK;
}

int64_t PragmaNumber(sqlite3* connection, const char* sql, const std::string& name) {
    sqlite::Statement query(connection, sql, name);
    return query.Step() ? query.ColumnInt(0) : 0;
}

Connection OpenConnection(const std::string& path, int flags) {
    sqlite3* raw = nullptr;
    const int rc = sqlite3_open_v2(path.c_str(), &raw, flags, nullptr);
    Connection connection(raw);
    if (rc != SQLITE_OK)
        sqlite::Fail(connection.get(), rc, path);
    sqlite::SetBusyTimeout(connection.get(), DefaultBusyTimeoutMs);
    return connection;
}

// Makes a complete, encrypted product database at a fresh temporary name beside path and returns the open
// connection to it; the caller fills it and closes it before moving it into place.
Connection BuildEncrypted(const TemporaryDatabaseFile& file, const std::string& password) {
    Connection connection = OpenConnection(file.Name(), SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
    ApplyDatabaseKey(connection.get(), password, file.Name());
    sqlite::Execute(connection.get(), "PRAGMA journal_mode = DELETE", file.Name());
    sqlite::Execute(connection.get(), Schema, file.Name());
    return connection;
}

void RequireNewPassword(const std::string& password) {
    if (const std::string problem = NewPasswordProblem(password); !problem.empty())
        throw DatabaseError(errors::InvalidProcedureCall, "The password cannot be used: " + problem + ".");
}

// Copies every setting, and the history where the old database has one, inside the target's transaction.
void CopyContents(sqlite3* from, const std::string& fromName, sqlite3* to, const std::string& toName) {
    sqlite::Transaction transaction(to, toName, sqlite::Transaction::Kind::Immediate);
    {
        sqlite::Statement read(from, "SELECT Section, Key, Value FROM Settings", fromName);
        sqlite::Statement write(to, "INSERT INTO Settings(Section, Key, Value) VALUES (?1, ?2, ?3)", toName);
        while (read.Step()) {
            for (int column = 0; column < 3; ++column)
                write.BindText(column + 1, read.ColumnText(column));
            write.Step();
            write.Reset();
        }
    }
    if (Compiles(from,
                 "SELECT Id, Time, Workstation, UserName, Writer, Section, Key, OldValue, NewValue FROM History")) {
        sqlite::Statement read(from,
                               "SELECT Id, Time, Workstation, UserName, Writer, Section, Key, OldValue, NewValue "
                               "FROM History",
                               fromName);
        sqlite::Statement write(to, "INSERT INTO History VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9)", toName);
        while (read.Step()) {
            write.BindInt(1, read.ColumnInt(0));
            for (int column = 1; column < 9; ++column) {
                if (read.ColumnType(column) == SQLITE_NULL)
                    write.BindNull(column + 1);
                else
                    write.BindText(column + 1, read.ColumnText(column));
            }
            write.Step();
            write.Reset();
        }
    }
    transaction.Commit();
}

// An earlier version's database in write-ahead-log mode keeps recent writes in "-wal" beside it. They are
// folded into the file and the log removed before the file is encrypted: nothing readable stays beside
// the encrypted database. Another program that has it open keeps the log: the database is then refused.
void FoldInWriteAheadLog(sqlite3* connection, const std::string& path) {
    auto mode = [&] {
        sqlite::Statement query(connection, "PRAGMA journal_mode", path);
        return query.Step() ? query.ColumnText(0) : std::string();
    };
    if (mode() != "wal")
        return;
    sqlite3_exec(connection, "PRAGMA journal_mode = DELETE", nullptr, nullptr, nullptr);
    if (mode() == "wal")
        throw DatabaseError(dberrors::FileInUse,
                            "Could not use '" + path +
                                "'; file already in use: it keeps its latest changes in a write-ahead log that "
                                "another program holds open. Close every program that uses it and try again.");
}

// The database encrypted with the new password (or, for an earlier version's, at all): built beside and moved
// over it when complete, so that a kill at any moment leaves exactly one password that opens the file. The
// library's own re-key in place is not used: in the version this program carries, a failure while it
// re-keys in rollback-journal mode can leave a journal that neither password plays back.
void RebuildEncrypted(const std::string& path, const std::optional<std::string>& currentPassword,
                      const std::string& newPassword) {
    // The new database is begun first: a folder where this user cannot make files is named as such, before
    // SQLite fails to make the old database's shared memory there and finds no settings table.
    TemporaryDatabaseFile building(path);
    Connection copy;
    try {
        copy = BuildEncrypted(building, newPassword);
    } catch (const RuntimeError& error) {
        if (error.Number() == dberrors::FileNotFound || error.Number() == dberrors::ReadOnly)
            sqlite::ReadOnlyFolder(path);
        throw;
    }
    Connection old = OpenConnection(path, SQLITE_OPEN_READWRITE);
    if (currentPassword) {
        ApplyDatabaseKey(old.get(), *currentPassword, path);
        CheckProductDatabase(old.get(), path);
    } else {
        // An earlier version's database has the settings table but no history yet.
        if (!Compiles(old.get(), "SELECT Section, Key, Value FROM Settings"))
            NotProductDatabase(path);
        FoldInWriteAheadLog(old.get(), path);
    }
    {
        // The exclusive lock keeps every other workstation from writing while the copy is made.
        sqlite::Transaction exclusive(old.get(), path, sqlite::Transaction::Kind::Exclusive);
        CopyContents(old.get(), path, copy.get(), building.Name());
        copy.reset();
#ifndef _WIN32
        host::MoveReplacing(host::PathFromUtf8(building.Name()), host::PathFromUtf8(path));
        building.Release();
#endif
    }
#ifdef _WIN32
    // Windows does not rename over a file that is open: the old database is closed first. Another
    // workstation that holds it open makes the move fail, and the old database stays as it was.
    old.reset();
    host::MoveReplacing(host::PathFromUtf8(building.Name()), host::PathFromUtf8(path));
    building.Release();
#endif
}

} // namespace

void CheckProductDatabase(sqlite3* connection, const std::string& name) {
    // The first read decrypts page 1: a key that does not fit shows here and nowhere earlier.
    sqlite3_stmt* statement = nullptr;
    int rc = sqlite3_prepare_v2(connection, "SELECT count(*) FROM sqlite_master", -1, &statement, nullptr);
    if (rc == SQLITE_OK)
        rc = sqlite3_step(statement) == SQLITE_ROW ? SQLITE_OK : sqlite3_errcode(connection);
    sqlite3_finalize(statement);
    if ((rc & 0xff) == SQLITE_NOTADB)
        throw DatabaseError(dberrors::InvalidPassword, "Not a valid password.");
    if (rc != SQLITE_OK)
        sqlite::Fail(connection, rc, name);
    if (!Compiles(connection, "SELECT Section, Key, Value FROM Settings") ||
        !Compiles(connection, "SELECT Time, Workstation, UserName, Writer, Section, Key, OldValue, NewValue "
                              "FROM History"))
        NotProductDatabase(name);
    // A file cut short (a copy that did not finish) would fail later, in the middle of a read or a write.
    // Page count and file size are compared inside one read transaction, where no writer can grow the file.
    sqlite::Transaction reading(connection, name, sqlite::Transaction::Kind::Deferred);
    const int64_t expected =
        PragmaNumber(connection, "PRAGMA page_count", name) * PragmaNumber(connection, "PRAGMA page_size", name);
    std::error_code error;
    const auto size = std::filesystem::file_size(host::PathFromUtf8(name), error);
    reading.Commit();
    if (!error && int64_t(size) < expected)
        throw DatabaseError(dberrors::Corrupt, "Cannot open database '" + name +
                                                   "'. The file is shorter than the database it holds: it is damaged.");
}

std::vector<std::string> DatabaseIntegrityProblems(sqlite3* connection, const std::string& name) {
    auto check = [&](const std::string& sql, std::vector<std::string>& problems) {
        sqlite::Statement query(connection, sql.c_str(), name);
        while (query.Step())
            if (const std::string line = query.ColumnText(0); line != "ok" && !line.starts_with("*** in database"))
                problems.push_back(line);
    };
    std::vector<std::string> problems;
    try {
        check("PRAGMA integrity_check", problems);
        return problems;
    } catch (const DatabaseError& error) {
        // A page that fails its check stops the whole-file check at once: each table is checked on its
        // own then, so that everything that can be read is, and every damaged table is named.
        if (error.Number() != dberrors::Corrupt)
            throw;
    }
    problems.clear();
    std::vector<std::string> tables;
    {
        sqlite::Statement query(connection, "SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name", name);
        while (query.Step())
            tables.push_back(query.ColumnText(0));
    }
    for (const std::string& table : tables) {
        std::string quoted = "\"";
        for (const char c : table)
            quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
        try {
            check("PRAGMA integrity_check(" + quoted + "\")", problems);
        } catch (const DatabaseError& error) {
            if (error.Number() != dberrors::Corrupt)
                throw;
            problems.push_back("table " + table + ": a page of it fails its check, the table cannot be read whole");
        }
    }
    if (problems.empty())
        problems.push_back("a page that belongs to no table fails its check");
    return problems;
}

void CreateProductDatabase(const std::string& path, const std::string& password) {
    if (path.empty())
        throw DatabaseError(dberrors::FileNotFound, "No file name was given for the new database.");
    RequireNewPassword(password);
    const std::filesystem::path file = host::PathFromUtf8(path);
    std::error_code ignored;
    if (std::filesystem::exists(file, ignored))
        throw DatabaseError(dberrors::AlreadyExists, "Database already exists: '" + path + "'.");

    TemporaryDatabaseFile building(path);
    BuildEncrypted(building, password).reset();
    // Another process may have made the file meanwhile; the move never replaces it.
    if (!host::MoveNoReplace(host::PathFromUtf8(building.Name()), file))
        throw DatabaseError(dberrors::AlreadyExists, "Database already exists: '" + path + "'.");
    building.Release();
}

void ReencryptProductDatabase(const std::string& path, const std::optional<std::string>& currentPassword,
                              const std::string& newPassword) {
    RequireNewPassword(newPassword);
    std::error_code ignored;
    if (path.empty() || !std::filesystem::is_regular_file(host::PathFromUtf8(path), ignored))
        throw DatabaseError(dberrors::FileNotFound, "Could not find file '" + path + "'.");
    if (!currentPassword && !IsPlainSqliteFile(path))
        throw DatabaseError(dberrors::UnrecognisedFormat, "'" + path + "' is not an unencrypted product database.");
    if (currentPassword && IsPlainSqliteFile(path))
        throw DatabaseError(dberrors::UnrecognisedFormat,
                            "'" + path + "' is not encrypted: encrypt it with 'zwsettings encrypt-database'.");

    RebuildEncrypted(path, currentPassword, newPassword);
}

} // namespace zw
