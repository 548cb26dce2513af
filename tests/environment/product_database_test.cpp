#include <gtest/gtest.h>
#include <sqlite3.h>

#include "env_test_support.h"
#include "environment/product_database.h"
#include "environment/sha256.h"
#include "environment/sqlite_database.h"

namespace zw {
namespace {

class EnvProductDatabase : public ::testing::Test {
protected:
    // A folder name outside ASCII: paths travel as UTF-8 and must not pass through a code page.
    void SetUp() override {
        std::filesystem::create_directories(envtest::PathOf(folder.File("Zähne")));
        CreateProductDatabase(path, "Secret#1", 500);
    }
    int OpenError(const std::string& file, const std::string& connect = ";pwd=Secret#1") {
        return envtest::ErrorNumberOf([&] { engine.OpenDatabase(file, false, false, connect); });
    }

    envtest::TempFolder folder;
    std::string path = folder.File("Zähne/ZELTWIN.MDB");
    SqliteDatabaseEngine engine;
};

TEST_F(EnvProductDatabase, OpensWithItsPasswordOnlyAndNeverStoresIt) {
    EXPECT_TRUE(engine.OpenDatabase(path, false, false, ";uid=u;PWD=Secret#1;")->IsOpen());
    for (const char* connect : {"", ";pwd=", ";pwd=secret#1", ";pwd=Secret#1 ", ";pwd=Secret#", ";uid=Secret#1"})
        EXPECT_EQ(OpenError(path, connect), 3031) << connect;
    EXPECT_EQ(envtest::ReadFile(path).find("Secret#1"), std::string::npos);
}

TEST_F(EnvProductDatabase, MissingFilesAndFilesThatAreNotProductDatabasesAreRefused) {
    EXPECT_EQ(OpenError(folder.File("MISSING.MDB")), 3024);
    EXPECT_FALSE(std::filesystem::exists(folder.path / "MISSING.MDB"));
    EXPECT_EQ(OpenError(folder.File("")), 3024) << "a folder is no database";
    // Another program's database, and one with the right tables but no usable verifier.
    const std::string sql[] = {"CREATE TABLE Patients(Id);",
                               "CREATE TABLE Security(Salt, Verifier, Iterations); CREATE TABLE Settings(Section, Key, "
                               "Value); INSERT INTO Security VALUES (x'01', zeroblob(20), 1);"};
    envtest::WriteFile(folder.File("text.mdb"), "this is not a database\r\n");
    EXPECT_EQ(OpenError(folder.File("text.mdb")), 3343);
    for (const std::string& statements : sql) {
        const std::string file = folder.File(std::to_string(&statements - sql) + ".mdb");
        sqlite3* raw = nullptr;
        ASSERT_EQ(sqlite3_open(file.c_str(), &raw), SQLITE_OK);
        sqlite3_exec(raw, statements.c_str(), nullptr, nullptr, nullptr);
        sqlite3_close(raw);
        EXPECT_EQ(OpenError(file), 3343) << statements;
    }
}

TEST_F(EnvProductDatabase, CreatingOverAnythingThatExistsFailsAndKeepsIt) {
    envtest::WriteFile(folder.File("notes.txt"), "keep me");
    for (const std::string& file : {path, folder.File("notes.txt")}) {
        const std::string before = envtest::ReadFile(file);
        EXPECT_EQ(envtest::ErrorNumberOf([&] { CreateProductDatabase(file, "other", 500); }), 3204) << file;
        EXPECT_EQ(envtest::ReadFile(file), before) << file;
    }
}

// The verifier's hash and key derivation against published vectors; the 56-byte message is the one whose length
// no longer fits its last block.
TEST(EnvPasswordVerifier, DigestAndPbkdf2MatchPublishedVectors) {
    auto hex = [](const auto& bytes) {
        std::string text;
        for (uint8_t b : bytes)
            text += std::string(1, "0123456789abcdef"[b >> 4]) + "0123456789abcdef"[b & 0x0f];
        return text;
    };
    EXPECT_EQ(hex(crypto::Sha256Of("abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq")),
              "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1");
    EXPECT_EQ(hex(crypto::Pbkdf2HmacSha256("password", {'s', 'a', 'l', 't'}, 4096, 32)),
              "c5e478d59288c841aa530db6845c4c8d962893a001ce4e11a4963873aa98134a");
}

} // namespace
} // namespace zw
