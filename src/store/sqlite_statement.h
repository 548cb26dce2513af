#pragma once
#include <sqlite3.h>

#include <string>
#include <string_view>

namespace zw::sqlite {

// Turns a failed SQLite call into the RuntimeError the database engine would raise: the number tells the
// kind of failure (locked, read-only, not a database...), the description names the file and SQLite's
// own explanation.
[[noreturn]] void Fail(sqlite3* connection, int resultCode, const std::string& databaseName);

// A write that cannot make its journal beside the database: the folder is read-only for this user.
[[noreturn]] void ReadOnlyFolder(const std::string& databaseName);

// Makes the connection wait up to the timeout for another connection's lock. Waiters look again every
// few milliseconds, with a random share, so a writer that has waited long has the same chance at the next
// release as one that has just come (SQLite's own handler looks ever more rarely, and under contention the
// longest waits grow to seconds).
void SetBusyTimeout(sqlite3* connection, int milliseconds);

// Runs statements that return no rows.
void Execute(sqlite3* connection, const char* sql, const std::string& databaseName);

// One prepared statement, finalised on every path out.
class Statement {
public:
    Statement(sqlite3* connection, const char* sql, const std::string& databaseName);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    // Texts are bound with their length, so any byte (CR, LF, NUL, any UTF-8) goes in unchanged.
    void BindText(int index, std::string_view text);
    void BindBlob(int index, const void* data, size_t size);
    void BindInt(int index, int64_t value);
    void BindNull(int index);
    // Makes the statement ready to run again; its bindings stay.
    void Reset();

    // True while a row is available.
    bool Step();
    std::string ColumnText(int column) const;
    std::string ColumnBlob(int column) const;
    int64_t ColumnInt(int column) const;
    int ColumnType(int column) const;

private:
    sqlite3* connection_;
    sqlite3_stmt* statement_ = nullptr;
    std::string databaseName_;
};

} // namespace zw::sqlite
