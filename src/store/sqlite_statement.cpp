#include "sqlite_statement.h"

#include <chrono>
#include <cstdint>
#include <random>
#include <thread>

#include "base/error_numbers.h"
#include "base/runtime_error.h"
#include "database_error.h"

namespace zw::sqlite {

void ReadOnlyFolder(const std::string& databaseName) {
    throw DatabaseError(dberrors::ReadOnly,
                        "Cannot update. Database or object is read-only: the folder of '" + databaseName +
                            "' does not allow this user to make files in it.",
                        SQLITE_READONLY_DIRECTORY);
}

namespace {

[[noreturn]] void PasswordChanged(const std::string& databaseName, int engineCode) {
    throw DatabaseError(dberrors::InvalidPassword,
                        "Not a valid password: the password of '" + databaseName +
                            "' was changed while this program had it open. Run it again with the new password.",
                        engineCode);
}

} // namespace

void Fail(sqlite3* connection, int resultCode, const std::string& databaseName) {
    const int engineCode = connection != nullptr ? sqlite3_extended_errcode(connection) : resultCode;
    const std::string detail = connection != nullptr ? sqlite3_errmsg(connection) : sqlite3_errstr(resultCode);
    const std::string suffix = " (" + detail + ")";
    // A connection whose file was replaced by another (a change of the password) sees the new file's
    // journal beside the old name as its own, left by a crash, and fails to play it back: what failed
    // is the replacing, whatever SQLite names.
    if (connection != nullptr && (resultCode & 0xff) == SQLITE_CORRUPT) {
        int moved = 0;
        if (sqlite3_file_control(connection, "main", SQLITE_FCNTL_HAS_MOVED, &moved) == SQLITE_OK && moved != 0)
            PasswordChanged(databaseName, engineCode);
    }
    switch (resultCode & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        throw DatabaseError(dberrors::Locked, "Could not update; currently locked: '" + databaseName + "'." + suffix,
                            engineCode);
    case SQLITE_READONLY:
        if (engineCode == SQLITE_READONLY_DIRECTORY)
            ReadOnlyFolder(databaseName);
        // Only a change of the password puts a new file in the database's place while others have it open.
        if (engineCode == SQLITE_READONLY_DBMOVED)
            PasswordChanged(databaseName, engineCode);
        throw DatabaseError(dberrors::ReadOnly,
                            "Cannot update. Database or object is read-only: '" + databaseName + "'." + suffix,
                            engineCode);
    case SQLITE_NOTADB:
        // The connection had read page 1 with its password when it was opened: now no page decrypts with it.
        PasswordChanged(databaseName, engineCode);
    case SQLITE_CORRUPT:
        throw DatabaseError(dberrors::Corrupt,
                            "The database '" + databaseName +
                                "' is damaged: a page of it fails its check. 'zwsettings check' lists what can be "
                                "read." +
                                suffix,
                            engineCode);
    case SQLITE_CANTOPEN:
        throw DatabaseError(dberrors::FileNotFound, "Could not open file '" + databaseName + "'." + suffix, engineCode);
    default:
        throw DatabaseError(dberrors::EngineFailure, "Database error in '" + databaseName + "'." + suffix, engineCode);
    }
}

namespace {

int WaitForLock(void* timeout, int count) {
    using Clock = std::chrono::steady_clock;
    thread_local Clock::time_point waitStarted;
    thread_local std::minstd_rand jitter(std::random_device{}());
    if (count == 0)
        waitStarted = Clock::now();
    const auto waited = std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - waitStarted).count();
    if (waited >= reinterpret_cast<intptr_t>(timeout))
        return 0;
    std::this_thread::sleep_for(std::chrono::microseconds(1000 + jitter() % 3000));
    return 1;
}

} // namespace

void SetBusyTimeout(sqlite3* connection, int milliseconds) {
    sqlite3_busy_handler(connection, WaitForLock, reinterpret_cast<void*>(intptr_t(milliseconds)));
}

void Execute(sqlite3* connection, const char* sql, const std::string& databaseName) {
    const int rc = sqlite3_exec(connection, sql, nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK)
        Fail(connection, rc, databaseName);
}

Statement::Statement(sqlite3* connection, const char* sql, const std::string& databaseName)
    : connection_(connection), databaseName_(databaseName) {
    const int rc = sqlite3_prepare_v2(connection, sql, -1, &statement_, nullptr);
    if (rc != SQLITE_OK)
        Fail(connection, rc, databaseName);
}

Statement::~Statement() {
    sqlite3_finalize(statement_);
}

void Statement::BindText(int index, std::string_view text) {
    const int rc = sqlite3_bind_text64(statement_, index, text.data(), text.size(), SQLITE_TRANSIENT, SQLITE_UTF8);
    if (rc != SQLITE_OK)
        Fail(connection_, rc, databaseName_);
}

void Statement::BindBlob(int index, const void* data, size_t size) {
    const int rc = sqlite3_bind_blob64(statement_, index, data, size, SQLITE_TRANSIENT);
    if (rc != SQLITE_OK)
        Fail(connection_, rc, databaseName_);
}

void Statement::BindNull(int index) {
    const int rc = sqlite3_bind_null(statement_, index);
    if (rc != SQLITE_OK)
        Fail(connection_, rc, databaseName_);
}

void Statement::Reset() {
    sqlite3_reset(statement_);
}

void Statement::BindInt(int index, int64_t value) {
    const int rc = sqlite3_bind_int64(statement_, index, value);
    if (rc != SQLITE_OK)
        Fail(connection_, rc, databaseName_);
}

bool Statement::Step() {
    const int rc = sqlite3_step(statement_);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    Fail(connection_, rc, databaseName_);
}

std::string Statement::ColumnText(int column) const {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement_, column));
    const int size = sqlite3_column_bytes(statement_, column);
    return text == nullptr ? std::string() : std::string(text, size_t(size));
}

std::string Statement::ColumnBlob(int column) const {
    const auto* data = static_cast<const char*>(sqlite3_column_blob(statement_, column));
    const int size = sqlite3_column_bytes(statement_, column);
    return data == nullptr ? std::string() : std::string(data, size_t(size));
}

int64_t Statement::ColumnInt(int column) const {
    return sqlite3_column_int64(statement_, column);
}

int Statement::ColumnType(int column) const {
    return sqlite3_column_type(statement_, column);
}

} // namespace zw::sqlite
