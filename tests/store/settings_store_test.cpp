#include "store/settings_store.h"

#include <gtest/gtest.h>

#include "host/environment_overrides.h"
#include "store/database_key.h"
#include "store/product_database.h"
#include "store/sqlite_statement.h"
#include "store/sqlite_transaction.h"
#include "support/env_test_support.h"

namespace zw {
namespace {

class SettingsStore : public ::testing::Test {
protected:
    SettingsStore() { CreateProductDatabase(path, BuiltInDatabasePassword); }
    std::shared_ptr<SqliteDatabase> Open() {
        return std::static_pointer_cast<SqliteDatabase>(
            SqliteDatabaseEngine().OpenDatabase(path, false, false, std::string(";pwd=") + BuiltInDatabasePassword));
    }
    // The new values of the setting's history, newest first.
    std::vector<std::string> HistoryOf(SqliteDatabase& database, const std::string& key) {
        std::vector<std::string> values;
        ForEachHistoryRow(database, [&](HistoryRow&& row) {
            if (row.key == key)
                values.push_back(row.newValue.value_or("-").substr(0, 8));
        });
        return values;
    }

    envtest::TempFolder folder;
    std::string path = folder.File("ZELTWIN.MDB");
};

TEST_F(SettingsStore, ATransactionNotCommittedIsRolledBackAndLeavesNoJournal) {
    auto database = Open();
    sqlite3* connection = database->Connection();
    {
        sqlite::Transaction transaction(connection, path, sqlite::Transaction::Kind::Immediate);
        sqlite::Execute(connection, "INSERT INTO Settings VALUES ('S', 'K', 'dropped')", path);
    }
    {
        sqlite::Transaction transaction(connection, path, sqlite::Transaction::Kind::Exclusive);
        sqlite::Execute(connection, "INSERT INTO Settings VALUES ('S', 'K', 'kept')", path);
        transaction.Commit();
    }
    EXPECT_EQ(ReadStoredSetting(*database, "S", "K"), "kept");
    EXPECT_FALSE(std::filesystem::exists(envtest::PathOf(path + "-journal")));
    // A write that fails half-way (the history table is gone) leaves the value it would have replaced.
    sqlite::Execute(connection, "ALTER TABLE History RENAME TO Gone", path);
    EXPECT_EQ(envtest::ErrorNumberOf([&] { WriteStoredSetting(*database, "S", "K", "new"); }), 3000);
    EXPECT_EQ(ReadStoredSetting(*database, "S", "K"), "kept");
    EXPECT_NE(sqlite3_get_autocommit(connection), 0);
}

TEST_F(SettingsStore, EveryWriteKeepsItsSettingsHistoryWithinTheRetention) {
    auto database = Open();
    // By count: the newest rows of each setting, other settings untouched. (One write may change a value
    // many times; each change is a row and prunes.)
    WriteStoredSetting(*database, "S", "OTHER", "o");
    std::vector<SettingChange> changes;
    for (int i = 0; i < HistoryRowsKept + 5; ++i)
        changes.push_back({"S", "MANY", "v" + std::to_string(i)});
    WriteStoredSettings(*database, changes, "test");
    const std::vector<std::string> many = HistoryOf(*database, "MANY");
    ASSERT_EQ(many.size(), size_t(HistoryRowsKept));
    EXPECT_EQ(many.front(), "v" + std::to_string(HistoryRowsKept + 4));
    EXPECT_EQ(many.back(), "v5");
    EXPECT_EQ(HistoryOf(*database, "OTHER").size(), 1u);
    // By size: each row holds an eighth of the budget twice (old and new value), so four rows fill it.
    const size_t eighth = size_t(HistoryBytesKept / 8);
    changes.clear();
    for (const char* value : {"big-1", "big-2", "big-3", "big-4", "big-5", "big-6"})
        changes.push_back({"S", "BIG", value + std::string(eighth - 5, 'x')});
    WriteStoredSettings(*database, changes, "test");
    EXPECT_EQ(HistoryOf(*database, "BIG"), (std::vector<std::string>{"big-6xxx", "big-5xxx", "big-4xxx", "big-3xxx"}));
    EXPECT_TRUE(HistoryDisagreements(*database).empty());
}

} // namespace
} // namespace zw
