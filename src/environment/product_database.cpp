#include "product_database.h"

#include <filesystem>
#include <memory>
#include <system_error>

#include "../controls/runtime_error.h"
#include "database_errors.h"
#include "host_system.h"
#include "sqlite_database.h"
#include "sqlite_statement.h"

namespace zw {

namespace {

// The settings table is a contract: support tools read it directly.
const char* const Schema = "CREATE TABLE Security(Salt BLOB NOT NULL, Verifier BLOB NOT NULL, Iterations INTEGER "
                           "NOT NULL);"
                           "CREATE TABLE Settings(Section TEXT NOT NULL, Key TEXT NOT NULL, Value TEXT NOT NULL, "
                           "PRIMARY KEY (Section, Key));";

[[noreturn]] void NotProductDatabase(const std::string& name) {
    throw RuntimeError(dberrors::UnrecognisedFormat, "Unrecognized database format '" + name + "'.");
}

crypto::Bytes BytesOf(const std::string& data) {
    return crypto::Bytes(data.begin(), data.end());
}

bool HasTable(sqlite3* connection, const std::string& name, const char* table) {
    sqlite::Statement query(connection, "SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = ?1", name);
    query.BindText(1, table);
    return query.Step();
}

// True when the statement compiles: the table has the columns it names.
bool Compiles(sqlite3* connection, const char* sql) {
    sqlite3_stmt* statement = nullptr;
    const int rc = sqlite3_prepare_v2(connection, sql, -1, &statement, nullptr);
    sqlite3_finalize(statement);
    return rc == SQLITE_OK;
}

PasswordVerifier ReadVerifier(sqlite3* connection, const std::string& name) {
    sqlite::Statement query(connection, "SELECT Salt, Verifier, Iterations FROM Security", name);
    if (!query.Step())
        NotProductDatabase(name);
    if (query.ColumnType(0) != SQLITE_BLOB || query.ColumnType(1) != SQLITE_BLOB ||
        query.ColumnType(2) != SQLITE_INTEGER)
        NotProductDatabase(name);
    PasswordVerifier stored;
    stored.salt = BytesOf(query.ColumnBlob(0));
    stored.verifier = BytesOf(query.ColumnBlob(1));
    const int64_t iterations = query.ColumnInt(2);
    // A second row would make it unclear which password the database accepts.
    if (query.Step())
        NotProductDatabase(name);
    if (stored.salt.empty() || stored.verifier.size() != VerifierSize || iterations < 1 || iterations > MaxIterations)
        NotProductDatabase(name);
    stored.iterations = uint32_t(iterations);
    return stored;
}

struct ConnectionCloser {
    void operator()(sqlite3* connection) const { sqlite3_close_v2(connection); }
};

} // namespace

void CheckProductDatabase(sqlite3* connection, const std::string& name, const std::string& password) {
    if (!HasTable(connection, name, "Security") || !HasTable(connection, name, "Settings"))
        NotProductDatabase(name);
    if (!Compiles(connection, "SELECT Section, Key, Value FROM Settings"))
        NotProductDatabase(name);
    const PasswordVerifier stored = ReadVerifier(connection, name);
    if (!PasswordMatches(stored, password))
        throw RuntimeError(dberrors::InvalidPassword, "Not a valid password.");
}

void CreateProductDatabase(const std::string& path, const std::string& password, uint32_t iterations) {
    if (path.empty())
        throw RuntimeError(dberrors::FileNotFound, "No file name was given for the new database.");
    if (iterations < 1 || iterations > MaxIterations)
        throw RuntimeError(componenterrors::InvalidArgument, "The verifier's iteration count is out of range.");
    const std::filesystem::path file = host::PathFromUtf8(path);
    std::error_code ignored;
    if (std::filesystem::exists(file, ignored))
        throw RuntimeError(dberrors::AlreadyExists, "Database already exists: '" + path + "'.");

    sqlite3* raw = nullptr;
    const int rc = sqlite3_open_v2(path.c_str(), &raw, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    std::unique_ptr<sqlite3, ConnectionCloser> connection(raw);
    if (rc != SQLITE_OK)
        sqlite::Fail(connection.get(), rc, path);
    try {
        sqlite3_busy_timeout(connection.get(), DefaultBusyTimeoutMs);
        sqlite::Execute(connection.get(), "PRAGMA journal_mode = DELETE", path);
        sqlite::Execute(connection.get(), "BEGIN IMMEDIATE", path);
        // Another process may have made the file between the check above and the open.
        if (HasTable(connection.get(), path, "Security") || HasTable(connection.get(), path, "Settings"))
            throw RuntimeError(dberrors::AlreadyExists, "Database already exists: '" + path + "'.");
        sqlite::Execute(connection.get(), Schema, path);
        const PasswordVerifier verifier = MakePasswordVerifier(password, iterations);
        sqlite::Statement insert(connection.get(),
                                 "INSERT INTO Security(Salt, Verifier, Iterations) VALUES (?1, ?2, ?3)", path);
        insert.BindBlob(1, verifier.salt.data(), verifier.salt.size());
        insert.BindBlob(2, verifier.verifier.data(), verifier.verifier.size());
        insert.BindInt(3, verifier.iterations);
        insert.Step();
        sqlite::Execute(connection.get(), "COMMIT", path);
    } catch (const RuntimeError& error) {
        connection.reset();
        // A half-made database must not be mistaken for a product database later; a database that someone
        // else made in the meantime stays.
        if (error.Number() != dberrors::AlreadyExists)
            std::filesystem::remove(file, ignored);
        throw;
    }
}

} // namespace zw
