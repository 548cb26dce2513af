#include <gtest/gtest.h>
#include <sqlite3.h>

#include "host/host_system.h"
#include "store/database_key.h"
#include "store/product_database.h"
#include "store/settings_store.h"
#include "store/sqlite_database.h"
#include "support/env_test_support.h"

namespace zw {
namespace {

const std::string Password = "Secret#1";

class EnvProductDatabase : public ::testing::Test {
protected:
    // A folder name outside ASCII: paths travel as UTF-8 and must not pass through a code page.
    void SetUp() override {
        std::filesystem::create_directories(envtest::PathOf(folder.File("Zähne")));
        CreateProductDatabase(path, Password);
    }
    std::shared_ptr<SqliteDatabase> Open(const std::string& file, const std::string& password = Password) {
        return std::static_pointer_cast<SqliteDatabase>(engine.OpenDatabase(file, false, false, ";pwd=" + password));
    }
    int OpenError(const std::string& file, const std::string& connect = ";pwd=" + Password) {
        return envtest::ErrorNumberOf([&] { engine.OpenDatabase(file, false, false, connect); });
    }
    // A plain SQLite file made by statements.
    std::string MakeSqliteFile(const std::string& name, const std::string& sql) {
        const std::string file = folder.File(name);
        sqlite3* raw = nullptr;
        EXPECT_EQ(sqlite3_open(file.c_str(), &raw), SQLITE_OK);
        EXPECT_EQ(sqlite3_exec(raw, sql.c_str(), nullptr, nullptr, nullptr), SQLITE_OK) << sql;
        sqlite3_close(raw);
        return file;
    }
    size_t FilesInFolder() const {
        return size_t(std::distance(std::filesystem::directory_iterator(folder.path / envtest::PathOf("Zähne")), {}));
    }

    envtest::TempFolder folder;
    std::string path = folder.File("Zähne/ZELTWIN.MDB");
    SqliteDatabaseEngine engine;
};

TEST_F(EnvProductDatabase, NothingInTheFileIsReadableWithoutThePassword) {
    WriteStoredSetting(*Open(path), "INTERFACE", "XRAYSTATION42", "DIMAXIS\nhunter2-password\n\r");
    const std::string bytes = envtest::ReadFile(path);
    for (const char* text :
         {"SQLite format 3", "INTERFACE", "XRAYSTATION42", "hunter2-password", "Settings", "History"})
        EXPECT_EQ(bytes.find(text), std::string::npos) << text;
    // Only the exact password opens it; the built-in one takes a cheaper key derivation, which does not fit.
    EXPECT_TRUE(engine.OpenDatabase(path, false, false, ";uid=u;PWD=Secret#1;")->IsOpen());
    for (const char* connect : {"", ";pwd=", ";pwd=secret#1", ";pwd=Secret#1 ", ";pwd=Secret#", ";pwd=ZeltWin#Db1"})
        EXPECT_EQ(OpenError(path, connect), 3031) << connect;
}

TEST_F(EnvProductDatabase, EveryKindOfBadFileGetsItsErrorAndIsLeftAsItWas) {
    std::string random(8192, '\0');
    for (size_t i = 0; i < random.size(); ++i)
        random[i] = char((i * 2654435761u) >> 13);
    const std::string encrypted = envtest::ReadFile(path);
    envtest::WriteFile(folder.File("empty.mdb"), "");
    envtest::WriteFile(folder.File("random.mdb"), random);
    envtest::WriteFile(folder.File("cut.mdb"), encrypted.substr(0, encrypted.size() - 100));
    envtest::WriteFile(folder.File("short.mdb"), encrypted.substr(0, encrypted.size() - 4096));
    const std::pair<std::string, int> cases[] = {
        {folder.File("missing.mdb"), 3024},
        {folder.File(""), 3024},           // a folder
        {folder.File("empty.mdb"), 3343},  // an empty database without the tables
        {folder.File("cut.mdb"), 3343},    // not whole pages
        {folder.File("short.mdb"), 3049},  // whole pages, but fewer than it holds
        {folder.File("random.mdb"), 3031}, // as a wrong password: encryption hides the difference
        {MakeSqliteFile("plain.mdb", "CREATE TABLE Settings(Section, Key, Value)"), 3343}, // told to encrypt it
    };
    for (const auto& [file, number] : cases) {
        const bool isFile = std::filesystem::is_regular_file(envtest::PathOf(file));
        const std::string before = isFile ? envtest::ReadFile(file) : "";
        EXPECT_EQ(OpenError(file), number) << file;
        EXPECT_EQ(isFile ? envtest::ReadFile(file) : "", before) << file;
    }
    EXPECT_FALSE(std::filesystem::exists(folder.path / "missing.mdb"));
    try {
        Open(folder.File("plain.mdb"));
    } catch (const RuntimeError& error) {
        EXPECT_NE(std::string(error.what()).find("zwsettings encrypt-database"), std::string::npos) << error.what();
    }
}

TEST_F(EnvProductDatabase, CreatingRefusesWhatExistsAndPasswordsNobodyCouldOpenWith) {
    const std::string notes = folder.File("notes.txt");
    envtest::WriteFile(notes, "keep me");
    EXPECT_EQ(envtest::ErrorNumberOf([&] { CreateProductDatabase(notes, "other"); }), 3204);
    EXPECT_EQ(envtest::ReadFile(notes), "keep me");
    for (const char* password : {"", "ab;cd"}) {
        EXPECT_EQ(envtest::ErrorNumberOf([&] { CreateProductDatabase(folder.File("new.mdb"), password); }), 5);
        EXPECT_FALSE(std::filesystem::exists(folder.path / "new.mdb")) << password;
    }
    // What a killed builder left beside the path goes with the next build; a living builder's file stays.
    const std::string second = folder.File("Zähne/SECOND.MDB");
    envtest::WriteFile(second + ".new-999999999-1", "half made");
    envtest::WriteFile(second + ".new-999999999-1-journal", "half made");
    const std::string living = second + ".new-" + std::to_string(host::ProcessId()) + "-7";
    envtest::WriteFile(living, "being made");
    CreateProductDatabase(second, Password);
    EXPECT_EQ(envtest::ReadFile(living), "being made");
    std::filesystem::remove(envtest::PathOf(living));
    EXPECT_EQ(FilesInFolder(), 2u) << "only the two databases";
}

TEST_F(EnvProductDatabase, ReencryptingKeepsEveryValueAndTheHistoryAndSwapsTheFileWhole) {
    // A database of the earlier version: the verifier table beside the settings, nothing encrypted.
    const std::string value = "SCHICK\nC:\\CDR\\NCDR.EXE\n\r\x01Zähne";
    const std::string plain = MakeSqliteFile("Zähne/OLD.MDB", "CREATE TABLE Security(Salt, Verifier, Iterations); "
                                                              "CREATE TABLE Settings(Section, Key, Value); INSERT "
                                                              "INTO Settings VALUES ('INTERFACE', 'XRAYWS7', '" +
                                                                  value + "')");
    EXPECT_EQ(envtest::ErrorNumberOf([&] { ReencryptProductDatabase(plain, Password, "x"); }), 3343);
    ReencryptProductDatabase(plain, std::nullopt, Password);
    WriteStoredSetting(*Open(plain), "INTERFACE", "XRAYWS7", "NONE\n\r", "test");

    EXPECT_EQ(envtest::ErrorNumberOf([&] { ReencryptProductDatabase(plain, "wrong", "New#2"); }), 3031);
    EXPECT_EQ(envtest::ErrorNumberOf([&] { ReencryptProductDatabase(plain, Password, "a;b"); }), 5);
    // The database is built anew and moved over the old one. A connection opened before may not write, and is
    // told why; Windows does not replace a file that is open, so there the change waits until it is closed.
    auto before = Open(plain);
#ifdef _WIN32
    EXPECT_EQ(envtest::ErrorNumberOf([&] { ReencryptProductDatabase(plain, Password, "New#2"); }), 3045);
    EXPECT_EQ(ReadStoredSetting(*before, "INTERFACE", "XRAYWS7"), "NONE\n\r") << "the old database stays";
    before.reset();
    ReencryptProductDatabase(plain, Password, "New#2");
#else
    ReencryptProductDatabase(plain, Password, "New#2");
#endif
    EXPECT_EQ(OpenError(plain), 3031);
#ifndef _WIN32
    // A connection opened before is told its password was changed.
    EXPECT_EQ(envtest::ErrorNumberOf([&] { WriteStoredSetting(*before, "INTERFACE", "XRAYWS7", "lost"); }), 3031);
    // A writer of the new file has its journal beside the name: the old connection sees it as a crashed
    // writer's own and fails to play it back. It is told the same, not that its database is damaged.
    sqlite3* writer = nullptr;
    ASSERT_EQ(sqlite3_open(plain.c_str(), &writer), SQLITE_OK);
    ApplyDatabaseKey(writer, "New#2", plain);
    ASSERT_EQ(sqlite3_exec(writer,
                           "PRAGMA synchronous = OFF; BEGIN IMMEDIATE; INSERT INTO Settings VALUES ('A', 'B', 'C')",
                           nullptr, nullptr, nullptr),
              SQLITE_OK);
    EXPECT_EQ(envtest::ErrorNumberOf([&] { ReadStoredSetting(*before, "INTERFACE", "XRAYWS7"); }), 3031);
    sqlite3_exec(writer, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(writer);
    before.reset();
#endif
    auto reopened = Open(plain, "New#2");
    EXPECT_EQ(ReadStoredSetting(*reopened, "INTERFACE", "XRAYWS7"), "NONE\n\r");
    const std::vector<HistoryRow> history = ReadHistory(*reopened);
    ASSERT_EQ(history.size(), 1u);
    EXPECT_EQ(history[0].oldValue, value);
    EXPECT_EQ(FilesInFolder(), 2u) << "no file left over beside the databases";
}

} // namespace
} // namespace zw
