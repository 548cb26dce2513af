#include "store/settings_store.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <chrono>
#include <thread>

#include "host/environment_overrides.h"
#include "store/database_key.h"
#include "store/product_database.h"
#include "store/sqlite_statement.h"
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
}

TEST_F(SettingsStore, EveryWriteLeavesAHistoryRowAndTheHistoryEndsInEachValue) {
    envtest::ScopedVariable station("ZELT_STATION", "FRONTDESK");
    auto database = Open();
    WriteStoredSetting(*database, "INTERFACE", "XRAYWS7", "DEXIS\n\n\r", "ZWInterfaceSetup");
    WriteStoredSettings(*database, {{"INTERFACE", "XRAYWS7", "DEXIS\n\n\r"}, {"INTERFACE", "PROBEWS7", std::nullopt}},
                        "zwsettings apply");
    // Newest first; a confirmed value and a removal of nothing are recorded too.
    std::string rows;
    for (const HistoryRow& row : ReadHistory(*database))
        rows += row.writer + " " + row.workstation + " " + row.key + " " + row.oldValue.value_or("-") + " > " +
                row.newValue.value_or("-") + (row.user.empty() || row.time.size() != 24 ? " ?" : "") + "|";
    EXPECT_EQ(rows, "zwsettings apply FRONTDESK PROBEWS7 - > -|"
                    "zwsettings apply FRONTDESK XRAYWS7 DEXIS\n\n\r > DEXIS\n\n\r|"
                    "ZWInterfaceSetup FRONTDESK XRAYWS7 - > DEXIS\n\n\r|");
    EXPECT_TRUE(HistoryDisagreements(*database).empty());
    // A value changed behind the history's back shows.
    sqlite::Execute(database->Connection(), "UPDATE Settings SET Value = 'SCHICK' WHERE Key = 'XRAYWS7'", path);
    EXPECT_EQ(HistoryDisagreements(*database).size(), 1u);
    // A write that fails after changing the value (its history cannot be kept) is the engine's failure, undone.
    sqlite::Execute(database->Connection(), "ALTER TABLE History RENAME TO Gone", path);
    EXPECT_EQ(envtest::ErrorNumberOf([&] { WriteStoredSetting(*database, "INTERFACE", "XRAYWS7", "new"); }), 3000);
    EXPECT_EQ(ReadStoredSetting(*database, "INTERFACE", "XRAYWS7"), "SCHICK");
}

// Another workstation holds the write lock, or reads while the commit waits, past the busy timeout.
TEST_F(SettingsStore, WriteBlockedPastTheBusyTimeoutFailsAndKeepsTheOldValue) {
    for (const char* blocker : {"BEGIN EXCLUSIVE", "SELECT Value FROM Settings"}) {
        SCOPED_TRACE(blocker);
        auto database = Open();
        WriteStoredSetting(*database, "INTERFACE", "XRAYWS7", "old");
        database->SetBusyTimeout(100);
        sqlite3* other = nullptr;
        sqlite3_stmt* statement = nullptr;
        ASSERT_EQ(sqlite3_open(database->Name().c_str(), &other), SQLITE_OK);
        ApplyDatabaseKey(other, BuiltInDatabasePassword, database->Name());
        ASSERT_EQ(sqlite3_prepare_v2(other, blocker, -1, &statement, nullptr), SQLITE_OK);
        ASSERT_NE(sqlite3_step(statement), SQLITE_BUSY);

        EXPECT_EQ(envtest::ErrorNumberOf([&] { WriteStoredSetting(*database, "INTERFACE", "XRAYWS7", "new"); }), 3218);
        sqlite3_finalize(statement);
        sqlite3_close_v2(other); // ends its transaction
        EXPECT_EQ(ReadStoredSetting(*Open(), "INTERFACE", "XRAYWS7"), "old");
        // No transaction was left open behind the failure: the next write goes through.
        WriteStoredSetting(*database, "INTERFACE", "XRAYWS7", "newer");
        EXPECT_EQ(ReadStoredSetting(*Open(), "INTERFACE", "XRAYWS7"), "newer");
    }
}

// Another workstation's save under way: the write waits for it rather than failing. A write that took its read
// lock first could not wait for the other's write lock (SQLite refuses at once, as both would wait forever).
TEST_F(SettingsStore, AWriteWaitsForAnotherWritersCommit) {
    auto database = Open();
    WriteStoredSetting(*database, "INTERFACE", "XRAYWS7", "old");
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(database->Name().c_str(), &other), SQLITE_OK);
    ApplyDatabaseKey(other, BuiltInDatabasePassword, database->Name());
    sqlite3_busy_timeout(other, 10000);
    ASSERT_EQ(sqlite3_exec(other, "BEGIN IMMEDIATE; UPDATE Settings SET Value = 'theirs'", nullptr, nullptr, nullptr),
              SQLITE_OK);
    std::thread commitLater([other] {
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        EXPECT_EQ(sqlite3_exec(other, "COMMIT", nullptr, nullptr, nullptr), SQLITE_OK);
    });
    EXPECT_EQ(envtest::ErrorNumberOf([&] { WriteStoredSetting(*database, "INTERFACE", "XRAYWS7", "ours"); }), 0);
    commitLater.join();
    sqlite3_close_v2(other);
    EXPECT_EQ(ReadStoredSetting(*database, "INTERFACE", "XRAYWS7"), "ours");
}

} // namespace
} // namespace zw
