#include "sqlite_database.h"

#include <sqlite3.h>

#include <cctype>
#include <filesystem>
#include <system_error>

#include "base/error_numbers.h"
#include "base/runtime_error.h"
#include "database_key.h"
#include "host/host_system.h"
#include "product_database.h"
#include "sqlite_statement.h"

namespace zw {

namespace {

struct ConnectionCloser {
    void operator()(sqlite3* connection) const { sqlite3_close_v2(connection); }
};

// An unencrypted SQLite file: a database made by an earlier version of the program (named as such, with
// how to convert it), or another program's.
[[noreturn]] void RefusePlainDatabase(const std::string& name) {
    sqlite3* raw = nullptr;
    bool hasSettings = false;
    if (sqlite3_open_v2(name.c_str(), &raw, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
        sqlite3_stmt* statement = nullptr;
        hasSettings =
            sqlite3_prepare_v2(raw, "SELECT Section, Key, Value FROM Settings", -1, &statement, nullptr) == SQLITE_OK;
        sqlite3_finalize(statement);
    }
    sqlite3_close_v2(raw);
    if (hasSettings)
        throw RuntimeError(dberrors::UnrecognisedFormat,
                           "'" + name +
                               "' is an unencrypted product database made by an earlier version. Encrypt it "
                               "with: zwsettings encrypt-database \"" +
                               name + "\"");
    throw RuntimeError(dberrors::UnrecognisedFormat, "Unrecognized database format '" + name + "'.");
}

bool StartsWithPwd(const std::string& part) {
    static const char prefix[] = "pwd=";
    if (part.size() < 4)
        return false;
    for (size_t i = 0; i < 4; ++i)
        if (std::tolower(static_cast<unsigned char>(part[i])) != prefix[i])
            return false;
    return true;
}

} // namespace

SqliteDatabase::SqliteDatabase(std::string name, sqlite3* connection)
    : name_(std::move(name)), connection_(connection) {}

SqliteDatabase::~SqliteDatabase() {
    if (connection_ != nullptr)
        sqlite3_close_v2(connection_);
}

void SqliteDatabase::Close() {
    if (connection_ == nullptr)
        throw RuntimeError(dberrors::ObjectInvalid, "Object invalid or no longer set.");
    sqlite3_close_v2(connection_);
    connection_ = nullptr;
}

void SqliteDatabase::SetBusyTimeout(int milliseconds) {
    sqlite::SetBusyTimeout(Connection(), milliseconds);
}

sqlite3* SqliteDatabase::Connection() const {
    if (connection_ == nullptr)
        throw RuntimeError(dberrors::ObjectInvalid, "Object invalid or no longer set.");
    return connection_;
}

std::string PasswordFromConnect(const std::string& connect) {
    size_t start = 0;
    while (start <= connect.size()) {
        size_t end = connect.find(';', start);
        if (end == std::string::npos)
            end = connect.size();
        const std::string part = connect.substr(start, end - start);
        if (StartsWithPwd(part))
            return part.substr(4);
        start = end + 1;
    }
    return {};
}

DatabaseRef SqliteDatabaseEngine::OpenDatabase(const std::string& name, bool exclusive, bool readOnly,
                                               const std::string& connect) {
    // SQLite would make an empty database for a missing name; the product's database is never created
    // by opening it.
    std::error_code ignored;
    if (name.empty() || !std::filesystem::is_regular_file(host::PathFromUtf8(name), ignored))
        throw RuntimeError(dberrors::FileNotFound, "Could not find file '" + name + "'.");
    if (IsPlainSqliteFile(name))
        RefusePlainDatabase(name);
    // An encrypted database is made of whole pages, and no page is smaller than 512 bytes.
    if (std::filesystem::file_size(host::PathFromUtf8(name), ignored) % 512 != 0)
        throw RuntimeError(dberrors::UnrecognisedFormat, "Unrecognized database format '" + name + "'.");

    // Opened for writing even to read: after a writer was killed, the first reader rolls its journal back,
    // which a read-only connection cannot do. query_only then refuses every write of a reader.
    sqlite3* raw = nullptr;
    const int rc = sqlite3_open_v2(name.c_str(), &raw, SQLITE_OPEN_READWRITE, nullptr);
    std::unique_ptr<sqlite3, ConnectionCloser> connection(raw);
    if (rc != SQLITE_OK)
        sqlite::Fail(connection.get(), rc, name);
    sqlite::SetBusyTimeout(connection.get(), busyTimeoutMs_);

    try {
        ApplyDatabaseKey(connection.get(), PasswordFromConnect(connect), name);
        if (readOnly)
            sqlite::Execute(connection.get(), "PRAGMA query_only = ON", name);
        if (exclusive)
            sqlite::Execute(connection.get(), "PRAGMA locking_mode = EXCLUSIVE", name);
        CheckProductDatabase(connection.get(), name);
        if (!readOnly) {
            // The rollback journal keeps a database on a network share safe, where shared memory (which the
            // write-ahead log needs) does not work across machines.
            sqlite::Statement journal(connection.get(), "PRAGMA journal_mode = DELETE", name);
            journal.Step();
        }
        if (exclusive && !readOnly)
            sqlite::Execute(connection.get(), "BEGIN EXCLUSIVE; COMMIT", name);
    } catch (const RuntimeError& error) {
        if (error.Number() == dberrors::Locked)
            throw RuntimeError(dberrors::FileInUse, "Could not use '" + name + "'; file already in use.");
        throw;
    }
    return std::make_shared<SqliteDatabase>(name, connection.release());
}

} // namespace zw
