#include <gtest/gtest.h>
#include <sqlite3.h>

#include <atomic>
#include <thread>
#include <vector>

#include "controls/runtime_error.h"
#include "env_test_support.h"
#include "environment/product_database.h"
#include "environment/settings_store.h"
#include "environment/sqlite_database.h"

namespace zw {
namespace {

class EnvSettingsStore : public ::testing::Test {
protected:
    void SetUp() override { CreateProductDatabase(path, "pw", 500); }

    std::shared_ptr<SqliteDatabase> Open(bool readOnly = false) {
        return std::static_pointer_cast<SqliteDatabase>(engine.OpenDatabase(path, false, readOnly, ";pwd=pw"));
    }

    envtest::TempFolder folder;
    std::string path = folder.File("ZELTWIN.MDB");
    SqliteDatabaseEngine engine;
};

TEST_F(EnvSettingsStore, ValuesComeBackByteForByte) {
    auto database = Open();
    const std::string values[] = {
        std::string("NONE\n\n\r"),   std::string("TROPHY\nC:\\TW\\TW.EXE\n\rDEXIS\n\n\r"),
        std::string("\r\r\n\n"),     std::string("Zähne ✓ 歯"),
        std::string("with\0nul", 8), std::string(""),
        std::string(100000, 'x'),
    };
    int n = 0;
    for (const std::string& value : values) {
        const std::string key = "XRAY" + std::to_string(++n);
        WriteStoredSetting(*database, "INTERFACE", key, value);
        EXPECT_EQ(ReadStoredSetting(*database, "INTERFACE", key), value) << key;
    }
    // Another connection sees the same bytes.
    auto other = Open(true);
    EXPECT_EQ(ReadStoredSetting(*other, "INTERFACE", "XRAY1"), values[0]);
    EXPECT_EQ(ReadStoredSetting(*other, "INTERFACE", "XRAY5"), values[4]);
}

TEST_F(EnvSettingsStore, WritingReplacesOnlyThatValueAndKeysMatchExactly) {
    auto database = Open();
    WriteStoredSetting(*database, "INTERFACE", "XRAYWS7", "first");
    WriteStoredSetting(*database, "INTERFACE", "PROBEWS7", "probe");
    WriteStoredSetting(*database, "INTERFACE", "XRAYWS7", "second");

    EXPECT_EQ(ReadStoredSetting(*database, "INTERFACE", "XRAYWS7"), "second");
    EXPECT_EQ(ReadStoredSetting(*database, "INTERFACE", "PROBEWS7"), "probe");
    EXPECT_EQ(ReadStoredSetting(*database, "INTERFACE", "XRAYws7"), std::nullopt);
    EXPECT_EQ(ReadStoredSetting(*database, "interface", "XRAYWS7"), std::nullopt);
    EXPECT_EQ(ReadStoredSetting(*database, "OTHER", "XRAYWS7"), std::nullopt);

    const auto all = ListStoredSettings(*database);
    ASSERT_EQ(all.size(), 2u);
    EXPECT_EQ(all[0].key, "PROBEWS7");
    EXPECT_EQ(all[1].key, "XRAYWS7");
    EXPECT_EQ(all[1].value, "second");
}

TEST_F(EnvSettingsStore, TwoWorkstationsWritingAtOnceLoseNothing) {
    constexpr int PerWriter = 40;
    std::atomic<int> failures{0};
    auto writer = [&](const std::string& station) {
        auto database = Open();
        for (int i = 0; i < PerWriter; ++i) {
            try {
                WriteStoredSetting(*database, "INTERFACE", "XRAY" + station + "-" + std::to_string(i),
                                   station + "\n" + std::to_string(i) + "\n\r");
                // Both also rewrite one shared key, the hardest case for the locking.
                WriteStoredSetting(*database, "INTERFACE", "SHARED", station);
            } catch (const RuntimeError&) {
                ++failures;
            }
        }
    };
    std::thread first(writer, "WS1");
    std::thread second(writer, "WS2");
    first.join();
    second.join();

    EXPECT_EQ(failures.load(), 0);
    auto database = Open(true);
    for (const std::string station : {"WS1", "WS2"})
        for (int i = 0; i < PerWriter; ++i)
            EXPECT_EQ(ReadStoredSetting(*database, "INTERFACE", "XRAY" + station + "-" + std::to_string(i)),
                      station + "\n" + std::to_string(i) + "\n\r");
    EXPECT_EQ(ListStoredSettings(*database).size(), size_t(2 * PerWriter + 1));
}

TEST_F(EnvSettingsStore, WriteBlockedPastTheBusyTimeoutFailsAndKeepsTheOldValue) {
    auto database = Open();
    WriteStoredSetting(*database, "INTERFACE", "XRAYWS7", "old");
    database->SetBusyTimeout(100);

    // Another workstation holds the write lock.
    sqlite3* holder = nullptr;
    ASSERT_EQ(sqlite3_open_v2(path.c_str(), &holder, SQLITE_OPEN_READWRITE, nullptr), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(holder, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);

    int number = 0;
    std::string description;
    try {
        WriteStoredSetting(*database, "INTERFACE", "XRAYWS7", "new");
    } catch (const RuntimeError& error) {
        number = error.Number();
        description = error.what();
    }
    EXPECT_EQ(number, 3218);
    EXPECT_NE(description.find("locked"), std::string::npos) << description;

    sqlite3_exec(holder, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(holder);
    EXPECT_EQ(ReadStoredSetting(*database, "INTERFACE", "XRAYWS7"), "old");
    // The failed write left no transaction behind: the next one goes through.
    WriteStoredSetting(*database, "INTERFACE", "XRAYWS7", "newer");
    EXPECT_EQ(ReadStoredSetting(*Open(true), "INTERFACE", "XRAYWS7"), "newer");
}

TEST_F(EnvSettingsStore, CommitHeldUpByAReaderRollsBack) {
    auto database = Open();
    WriteStoredSetting(*database, "INTERFACE", "XRAYWS7", "old");
    database->SetBusyTimeout(100);

    // A reader in the middle of a read keeps the writer from committing.
    sqlite3* reader = nullptr;
    ASSERT_EQ(sqlite3_open_v2(path.c_str(), &reader, SQLITE_OPEN_READONLY, nullptr), SQLITE_OK);
    sqlite3_stmt* read = nullptr;
    ASSERT_EQ(sqlite3_prepare_v2(reader, "SELECT Value FROM Settings", -1, &read, nullptr), SQLITE_OK);
    ASSERT_EQ(sqlite3_step(read), SQLITE_ROW);

    EXPECT_THROW(WriteStoredSetting(*database, "INTERFACE", "XRAYWS7", "new"), RuntimeError);
    EXPECT_NE(sqlite3_get_autocommit(database->Connection()), 0) << "the transaction was left open";

    sqlite3_finalize(read);
    sqlite3_close(reader);
    EXPECT_EQ(ReadStoredSetting(*Open(true), "INTERFACE", "XRAYWS7"), "old");
}

TEST_F(EnvSettingsStore, ReadOnlyDatabaseRefusesWrites) {
    WriteStoredSetting(*Open(), "INTERFACE", "XRAYWS7", "old");
    auto readOnly = Open(true);
    int number = 0;
    try {
        WriteStoredSetting(*readOnly, "INTERFACE", "XRAYWS7", "new");
    } catch (const RuntimeError& error) {
        number = error.Number();
    }
    EXPECT_EQ(number, 3027);
    EXPECT_EQ(ReadStoredSetting(*readOnly, "INTERFACE", "XRAYWS7"), "old");
}

} // namespace
} // namespace zw
