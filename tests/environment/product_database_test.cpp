#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>
#include <functional>

#include "controls/runtime_error.h"
#include "env_test_support.h"
#include "environment/product_database.h"
#include "environment/sqlite_database.h"

namespace zw {
namespace {

using envtest::TempFolder;

// Few iterations keep the many opens of these tests quick; the verifier works the same way at any count.
constexpr uint32_t QuickIterations = 500;
const char* const Password = "Secret#1";

int ErrorNumberOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const RuntimeError& error) {
        return error.Number();
    }
    return 0;
}

// Runs SQL on a file directly, as a foreign program would.
void RawExecute(const std::string& path, const std::string& sql) {
    sqlite3* connection = nullptr;
    ASSERT_EQ(sqlite3_open_v2(path.c_str(), &connection, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr),
              SQLITE_OK);
    char* message = nullptr;
    const int rc = sqlite3_exec(connection, sql.c_str(), nullptr, nullptr, &message);
    sqlite3_close(connection);
    ASSERT_EQ(rc, SQLITE_OK) << (message ? message : "");
}

class EnvProductDatabase : public ::testing::Test {
protected:
    void SetUp() override { CreateProductDatabase(path, Password, QuickIterations); }

    DatabaseRef Open(const std::string& connect, bool readOnly = false) {
        return engine.OpenDatabase(path, false, readOnly, connect);
    }

    TempFolder folder;
    std::string path = folder.File("ZELTWIN.MDB");
    SqliteDatabaseEngine engine;
};

TEST_F(EnvProductDatabase, OpensWithItsPasswordAndClosesOnce) {
    DatabaseRef database = Open(std::string(";pwd=") + Password);
    ASSERT_TRUE(database);
    EXPECT_EQ(database->Name(), path);
    EXPECT_TRUE(database->IsOpen());
    EXPECT_NE(dynamic_cast<SqliteDatabase*>(database.get()), nullptr);

    database->Close();
    EXPECT_FALSE(database->IsOpen());
    EXPECT_EQ(ErrorNumberOf([&] { database->Close(); }), 3420);
}

TEST_F(EnvProductDatabase, RefusesEveryOtherPassword) {
    for (const char* connect :
         {"", ";pwd=", ";pwd=secret#1", ";pwd=Secret#1 ", ";pwd=Secret#", ";pwd=Secret#12", ";uid=Secret#1"}) {
        EXPECT_EQ(ErrorNumberOf([&] { Open(connect); }), 3031) << connect;
    }
}

TEST_F(EnvProductDatabase, KeepsOnlyASaltedVerifierNeverThePassword) {
    EXPECT_EQ(envtest::ReadFile(path).find(Password), std::string::npos);

    // The same password gives another salt and verifier in another database.
    const std::string other = folder.File("OTHER.MDB");
    CreateProductDatabase(other, Password, QuickIterations);
    auto verifierOf = [&](const std::string& file) {
        auto database =
            std::static_pointer_cast<SqliteDatabase>(engine.OpenDatabase(file, false, true, ";pwd=Secret#1"));
        sqlite3_stmt* statement = nullptr;
        sqlite3_prepare_v2(database->Connection(), "SELECT hex(Salt) || hex(Verifier) FROM Security", -1, &statement,
                           nullptr);
        EXPECT_EQ(sqlite3_step(statement), SQLITE_ROW);
        std::string text = reinterpret_cast<const char*>(sqlite3_column_text(statement, 0));
        sqlite3_finalize(statement);
        return text;
    };
    const std::string first = verifierOf(path);
    EXPECT_EQ(first.size(), 2u * (16 + 32));
    EXPECT_NE(first, verifierOf(other));
}

TEST_F(EnvProductDatabase, DefaultVerifierStrengthOpensWithThePasswordOnly) {
    const std::string plain = folder.File("PLAIN.MDB");
    CreateProductDatabase(plain, "ZeltWin#Db1");
    EXPECT_NO_THROW(engine.OpenDatabase(plain, false, false, ";pwd=ZeltWin#Db1"));
    EXPECT_EQ(ErrorNumberOf([&] { engine.OpenDatabase(plain, false, false, ";pwd=ZeltWin#Db2"); }), 3031);
}

TEST_F(EnvProductDatabase, MissingFileFailsAndIsNotCreated) {
    const std::string missing = folder.File("MISSING.MDB");
    EXPECT_EQ(ErrorNumberOf([&] { engine.OpenDatabase(missing, false, false, ";pwd=Secret#1"); }), 3024);
    EXPECT_FALSE(std::filesystem::exists(folder.Path() / "MISSING.MDB"));
    EXPECT_EQ(ErrorNumberOf([&] { engine.OpenDatabase("", false, false, ";pwd=Secret#1"); }), 3024);
    // A folder is not a database file.
    EXPECT_EQ(ErrorNumberOf([&] { engine.OpenDatabase(folder.File(""), false, false, ";pwd=Secret#1"); }), 3024);
}

TEST_F(EnvProductDatabase, FilesThatAreNotProductDatabasesAreRefused) {
    const std::string tables = "CREATE TABLE Security(Salt, Verifier, Iterations); CREATE TABLE Settings(Section, "
                               "Key, Value); ";
    const std::pair<const char*, std::string> files[] = {
        {"a text file", "this is not a database\r\n"},
        {"an empty file", ""},
        {"a file of random bytes", std::string(4096, '\x5a')},
    };
    const std::pair<const char*, std::string> databases[] = {
        {"a database of another program", "CREATE TABLE Patients(Id);"},
        {"settings without a verifier", "CREATE TABLE Settings(Section TEXT NOT NULL, Key TEXT NOT NULL, Value TEXT "
                                        "NOT NULL, PRIMARY KEY (Section, Key));"},
        {"an empty verifier table", tables},
        {"two verifiers", tables + "INSERT INTO Security VALUES (x'01', zeroblob(32), 1), (x'02', zeroblob(32), 1);"},
        {"a verifier stored as text", tables + "INSERT INTO Security VALUES ('salt', 'Secret#1', 1);"},
        {"a verifier of the wrong size", tables + "INSERT INTO Security VALUES (x'01', zeroblob(20), 1);"},
        {"no iterations", tables + "INSERT INTO Security VALUES (x'01', zeroblob(32), 0);"},
        {"a settings table without values", "CREATE TABLE Security(Salt, Verifier, Iterations); CREATE TABLE "
                                            "Settings(Section, Key); INSERT INTO Security VALUES (x'01', "
                                            "zeroblob(32), 1);"},
    };
    int n = 0;
    auto expectRefused = [&](const char* what, const std::function<void(const std::string&)>& make) {
        const std::string file = folder.File("case" + std::to_string(++n) + ".mdb");
        make(file);
        EXPECT_EQ(ErrorNumberOf([&] { engine.OpenDatabase(file, false, false, ";pwd=Secret#1"); }), 3343) << what;
    };
    for (const auto& [what, bytes] : files)
        expectRefused(what, [&](const std::string& file) { envtest::WriteFile(file, bytes); });
    for (const auto& [what, sql] : databases)
        expectRefused(what, [&](const std::string& file) { RawExecute(file, sql); });
}

TEST_F(EnvProductDatabase, CreatingOverAnythingThatExistsFails) {
    const std::string before = envtest::ReadFile(path);
    EXPECT_EQ(ErrorNumberOf([&] { CreateProductDatabase(path, "other", QuickIterations); }), 3204);
    EXPECT_EQ(envtest::ReadFile(path), before);
    EXPECT_NO_THROW(Open(";pwd=Secret#1"));

    const std::string text = folder.File("notes.txt");
    envtest::WriteFile(text, "keep me");
    EXPECT_EQ(ErrorNumberOf([&] { CreateProductDatabase(text, "other", QuickIterations); }), 3204);
    EXPECT_EQ(envtest::ReadFile(text), "keep me");
}

TEST_F(EnvProductDatabase, UsesTheRollbackJournal) {
    auto database = std::static_pointer_cast<SqliteDatabase>(Open(";pwd=Secret#1"));
    sqlite3_stmt* statement = nullptr;
    ASSERT_EQ(sqlite3_prepare_v2(database->Connection(), "PRAGMA journal_mode", -1, &statement, nullptr), SQLITE_OK);
    ASSERT_EQ(sqlite3_step(statement), SQLITE_ROW);
    EXPECT_STREQ(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)), "delete");
    sqlite3_finalize(statement);
}

TEST_F(EnvProductDatabase, ExclusiveOpenKeepsOthersOutUntilClosed) {
    engine.SetBusyTimeout(50);
    DatabaseRef first = engine.OpenDatabase(path, true, false, ";pwd=Secret#1");
    EXPECT_EQ(ErrorNumberOf([&] { Open(";pwd=Secret#1"); }), 3045);
    first->Close();
    EXPECT_NO_THROW(Open(";pwd=Secret#1"));
}

TEST_F(EnvProductDatabase, PathsAreUtf8) {
    const std::string unicodeFolder = folder.File("Praxis Zähne ü");
    std::filesystem::create_directories(
        std::filesystem::path(std::u8string(unicodeFolder.begin(), unicodeFolder.end())));
    const std::string file = unicodeFolder + "/ZELTWIN.MDB";
    CreateProductDatabase(file, Password, QuickIterations);
    EXPECT_TRUE(engine.OpenDatabase(file, false, false, ";pwd=Secret#1")->IsOpen());
}

TEST(EnvConnectText, PasswordIsTheTextAfterPwdUpToASemicolon) {
    const std::pair<const char*, const char*> cases[] = {
        {";pwd=abc", "abc"},           {";PWD=abc", "abc"}, {"pwd=a b", "a b"}, {";pwd=a=b;x=1", "a=b"},
        {";uid=u;pwd=p;", "p"},        {";pwd=", ""},       {"", ""},           {";xpwd=q", ""},
        {";pwd=first;pwd=2", "first"}, {";pwd=#Ü%", "#Ü%"}, {";pwd", ""},
    };
    for (const auto& [connect, password] : cases)
        EXPECT_EQ(PasswordFromConnect(connect), password) << connect;
}

} // namespace
} // namespace zw
