#include "sqlite_transaction.h"

#include <sqlite3.h>

#include "sqlite_statement.h"

namespace zw::sqlite {

namespace {

const char* BeginStatement(Transaction::Kind kind) {
    switch (kind) {
    case Transaction::Kind::Immediate:
        return "BEGIN IMMEDIATE";
    case Transaction::Kind::Exclusive:
        return "BEGIN EXCLUSIVE";
    default:
        return "BEGIN";
    }
}

} // namespace

void RollBack(sqlite3* connection) {
    if (sqlite3_get_autocommit(connection) == 0)
        sqlite3_exec(connection, "ROLLBACK", nullptr, nullptr, nullptr);
}

Transaction::Transaction(sqlite3* connection, const std::string& databaseName, Kind kind)
    : connection_(connection), databaseName_(databaseName) {
    Execute(connection_, BeginStatement(kind), databaseName_);
}

Transaction::~Transaction() {
    if (!ended_)
        RollBack(connection_);
}

void Transaction::Commit() {
    Execute(connection_, "COMMIT", databaseName_);
    ended_ = true;
}

} // namespace zw::sqlite
