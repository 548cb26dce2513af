#pragma once
#include <string>

struct sqlite3;

namespace zw::sqlite {

// One transaction of a connection: begun when made, rolled back when it goes unless Commit() ended it.
// Every write path of the store goes through one, so an exception anywhere leaves the database as it was.
class Transaction {
public:
    enum class Kind { Deferred, Immediate, Exclusive };

    Transaction(sqlite3* connection, const std::string& databaseName, Kind kind);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    void Commit();

private:
    sqlite3* connection_;
    std::string databaseName_;
    bool ended_ = false;
};

// Ends a failed transaction of the connection, if one is still open. (After a page that could not be read
// SQLite keeps the journal until the file is opened again: SqliteDatabase::PutBackFailedWrite.)
void RollBack(sqlite3* connection);

} // namespace zw::sqlite
