#include "sqlite_database.h"

#include <sqlite3.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "base/error_numbers.h"
#include "base/runtime_error.h"
#include "database_error.h"
#include "database_key.h"
#include "host/host_system.h"
#include "product_database.h"
#include "sqlite_statement.h"
#include "sqlite_transaction.h"

namespace zw {

namespace {

struct ConnectionCloser {
    void operator()(sqlite3* connection) const { sqlite3_close_v2(connection); }
};

bool HasSettingsTable(const std::string& file) {
    sqlite3* raw = nullptr;
    bool hasSettings = false;
    if (sqlite3_open_v2(file.c_str(), &raw, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
        sqlite3_stmt* statement = nullptr;
        hasSettings =
            sqlite3_prepare_v2(raw, "SELECT Section, Key, Value FROM Settings", -1, &statement, nullptr) == SQLITE_OK;
        sqlite3_finalize(statement);
    }
    sqlite3_close_v2(raw);
    return hasSettings;
}

// True when the unencrypted file holds a settings table. Looking must not change or make anything beside
// the file: SQLite makes "-wal" and "-shm" files beside a database in write-ahead-log mode (byte 18 of the
// header is 2), and cannot read one at all in a folder where it may not make them. Such a database is
// looked at in a private copy, its log with it.
bool HoldsEarlierSettings(const std::string& name) {
    unsigned char header[20] = {};
    std::ifstream(host::PathFromUtf8(name), std::ios::binary).read(reinterpret_cast<char*>(header), sizeof header);
    if (header[18] != 2)
        return HasSettingsTable(name);
    namespace fs = std::filesystem;
    uint8_t random[4];
    host::FillRandom(random, sizeof random);
    std::error_code error;
    const fs::path folder = fs::temp_directory_path(error) /
                            ("zw-look-" + std::to_string(host::ProcessId()) + "-" +
                             std::to_string(random[0] | random[1] << 8 | random[2] << 16 | unsigned(random[3]) << 24));
    bool hasSettings = false;
    if (!error && fs::create_directory(folder, error)) {
        fs::copy_file(host::PathFromUtf8(name), folder / "look.db", error);
        if (!error && fs::exists(host::PathFromUtf8(name + "-wal")))
            fs::copy_file(host::PathFromUtf8(name + "-wal"), folder / "look.db-wal", error);
        const std::u8string look = (folder / "look.db").u8string();
        hasSettings = !error && HasSettingsTable(std::string(look.begin(), look.end()));
        fs::remove_all(folder, error);
    }
    return hasSettings;
}

// An unencrypted SQLite file: a database made by an earlier version of the program (named as such, with
// how to convert it), or another program's.
[[noreturn]] void RefusePlainDatabase(const std::string& name) {
    if (HoldsEarlierSettings(name))
        throw DatabaseError(dberrors::UnrecognisedFormat,
                            "'" + name +
                                "' is an unencrypted product database made by an earlier version. Encrypt it "
                                "with: zwsettings encrypt-database \"" +
                                name + "\"");
    throw DatabaseError(dberrors::UnrecognisedFormat, "Unrecognized database format '" + name + "'.");
}

// A connection to the file with the key, or none.
sqlite3* KeyedConnection(const std::string& name, const std::string& password, int busyTimeoutMs) {
    sqlite3* raw = nullptr;
    if (sqlite3_open_v2(name.c_str(), &raw, SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK) {
        try {
            sqlite::SetBusyTimeout(raw, busyTimeoutMs);
            ApplyDatabaseKey(raw, password, name);
            return raw;
        } catch (const RuntimeError&) {
        }
    }
    sqlite3_close_v2(raw);
    return nullptr;
}

// A write that failed on a page it could not read leaves its journal with the header SQLite writes before
// anything of the database is changed (no magic number yet): no connection would play it back or remove it.
// With the write lock held no other writer has a journal, so a journal of that kind is stale and goes. A
// journal that says it is hot is played back by the first read instead.
void RemoveStaleJournal(sqlite3* connection, const std::string& name) {
    if (sqlite3_exec(connection, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) != SQLITE_OK)
        return;
    const std::filesystem::path journal = host::PathFromUtf8(name + "-journal");
    char magic[8] = {1};
    std::ifstream(journal, std::ios::binary).read(magic, sizeof magic);
    if (std::all_of(std::begin(magic), std::end(magic), [](char c) { return c == 0; })) {
        std::error_code ignored;
        std::filesystem::remove(journal, ignored);
    }
    sqlite3_exec(connection, "ROLLBACK", nullptr, nullptr, nullptr);
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

void PlayBackJournal(const std::string& name, const std::string& password) {
    if (sqlite3* connection = KeyedConnection(name, password, DefaultBusyTimeoutMs)) {
        RemoveStaleJournal(connection, name);
        sqlite3_close_v2(connection);
    }
}

SqliteDatabase::SqliteDatabase(std::string name, sqlite3* connection, bool readOnly, bool exclusive,
                               std::string password)
    : name_(std::move(name)), connection_(connection), readOnly_(readOnly), exclusive_(exclusive),
      password_(std::move(password)) {}

void SqliteDatabase::PutBackFailedWrite() {
    if (connection_ == nullptr || password_.empty())
        return;
    sqlite3_close_v2(connection_);
    connection_ = KeyedConnection(name_, password_, DefaultBusyTimeoutMs);
    if (connection_ == nullptr)
        return;
    RemoveStaleJournal(connection_, name_);
    if (readOnly_)
        sqlite3_exec(connection_, "PRAGMA query_only = ON", nullptr, nullptr, nullptr);
    if (exclusive_)
        sqlite3_exec(connection_, "PRAGMA locking_mode = EXCLUSIVE", nullptr, nullptr, nullptr);
}

void SqliteDatabase::Write(const std::function<void(sqlite3*)>& write) {
    try {
        sqlite::Transaction transaction(Connection(), name_, sqlite::Transaction::Kind::Immediate);
        write(connection_);
        transaction.Commit();
    } catch (const RuntimeError& error) {
        if (error.Number() == dberrors::FileNotFound)
            sqlite::ReadOnlyFolder(name_);
        if (error.Number() == dberrors::Corrupt)
            PutBackFailedWrite();
        throw;
    }
}

SqliteDatabase::~SqliteDatabase() {
    if (connection_ != nullptr)
        sqlite3_close_v2(connection_);
}

void SqliteDatabase::Close() {
    if (connection_ == nullptr)
        throw DatabaseError(dberrors::ObjectInvalid, "Object invalid or no longer set.");
    sqlite3_close_v2(connection_);
    connection_ = nullptr;
}

void SqliteDatabase::SetBusyTimeout(int milliseconds) {
    sqlite::SetBusyTimeout(Connection(), milliseconds);
}

sqlite3* SqliteDatabase::Connection() const {
    if (connection_ == nullptr)
        throw DatabaseError(dberrors::ObjectInvalid, "Object invalid or no longer set.");
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
        throw DatabaseError(dberrors::FileNotFound, "Could not find file '" + name + "'.");
    if (IsPlainSqliteFile(name))
        RefusePlainDatabase(name);
    // An encrypted database is made of whole pages, and no page is smaller than 512 bytes.
    if (std::filesystem::file_size(host::PathFromUtf8(name), ignored) % 512 != 0)
        throw DatabaseError(dberrors::UnrecognisedFormat, "Unrecognized database format '" + name + "'.");

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
            throw DatabaseError(dberrors::FileInUse, "Could not use '" + name + "'; file already in use.");
        throw;
    }
    return std::make_shared<SqliteDatabase>(name, connection.release(), readOnly, exclusive,
                                            PasswordFromConnect(connect));
}

} // namespace zw
