#pragma once
#include <functional>
#include <memory>
#include <string>

#include "platform/database.h"

struct sqlite3;

namespace zw {

// How long a connection waits for another workstation's lock before it gives up.
constexpr int DefaultBusyTimeoutMs = 5000;

// An open product database: one SQLite connection.
class SqliteDatabase : public Database {
public:
    SqliteDatabase(std::string name, sqlite3* connection, bool readOnly, bool exclusive = false,
                   std::string password = {});
    ~SqliteDatabase() override;
    SqliteDatabase(const SqliteDatabase&) = delete;
    SqliteDatabase& operator=(const SqliteDatabase&) = delete;

    const std::string& Name() const override { return name_; }
    bool IsOpen() const override { return connection_ != nullptr; }
    void Close() override;

    void SetBusyTimeout(int milliseconds);
    // The connection; RuntimeError 3420 once the database is closed.
    sqlite3* Connection() const;
    // After a write that met a page it could not read, SQLite leaves the write's journal beside the file
    // (the file itself was not yet changed) and no later connection removes it. This closes the connection,
    // opens the file again with the same key, and removes that journal under the write lock. When that
    // fails the database stays closed.
    void PutBackFailedWrite();
    // Runs one write in a transaction that takes the write lock at once: committed when write returns,
    // rolled back when it throws. The failure names its real cause: where the journal cannot be made beside
    // the file, the folder is read-only for this user; after a damaged page the file is put back as it was.
    void Write(const std::function<void(sqlite3*)>& write);

private:
    std::string name_;
    sqlite3* connection_;
    bool readOnly_;
    bool exclusive_;
    std::string password_;
};

// Opens product databases. The file must exist (it is never created here), be a product database and
// accept the password of the connect text.
class SqliteDatabaseEngine : public DatabaseEngine {
public:
    // exclusive keeps other connections out for as long as this one is open; readOnly refuses writes.
    DatabaseRef OpenDatabase(const std::string& name, bool exclusive, bool readOnly,
                             const std::string& connect) override;
    // The busy timeout of the connections opened from now on.
    void SetBusyTimeout(int milliseconds) { busyTimeoutMs_ = milliseconds; }

private:
    int busyTimeoutMs_ = DefaultBusyTimeoutMs;
};

// Opens the file with the password and removes the journal that a write which failed on a damaged page
// left beside it (see PutBackFailedWrite); then closes it. Nothing is thrown: what fails is left as it is.
void PlayBackJournal(const std::string& name, const std::string& password);

// The password of a connect text such as ";pwd=secret": everything after "pwd=" (any case) up to the next
// ";"; empty when the text names none.
std::string PasswordFromConnect(const std::string& connect);

} // namespace zw
