#include "sqlite_database.h"

#include <sqlite3.h>

#include <cctype>
#include <filesystem>
#include <system_error>

#include "../controls/runtime_error.h"
#include "database_errors.h"
#include "host_system.h"
#include "product_database.h"
#include "sqlite_statement.h"

namespace zw {

namespace {

struct ConnectionCloser {
    void operator()(sqlite3* connection) const { sqlite3_close_v2(connection); }
};

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

SqliteDatabase::SqliteDatabase(std::string name, sqlite3* connection, bool readOnly)
    : name_(std::move(name)), connection_(connection), readOnly_(readOnly) {}

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
    sqlite3_busy_timeout(Connection(), milliseconds);
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

    sqlite3* raw = nullptr;
    const int flags = readOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE;
    const int rc = sqlite3_open_v2(name.c_str(), &raw, flags, nullptr);
    std::unique_ptr<sqlite3, ConnectionCloser> connection(raw);
    if (rc != SQLITE_OK)
        sqlite::Fail(connection.get(), rc, name);
    sqlite3_busy_timeout(connection.get(), busyTimeoutMs_);

    try {
        if (exclusive)
            sqlite::Execute(connection.get(), "PRAGMA locking_mode = EXCLUSIVE", name);
        CheckProductDatabase(connection.get(), name, PasswordFromConnect(connect));
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
    return std::make_shared<SqliteDatabase>(name, connection.release(), readOnly);
}

} // namespace zw
