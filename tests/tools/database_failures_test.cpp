// The settings tool where a database command is refused or fails: every file stays as it was, nothing is
// made beside it, and the message names the cause and its number.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <map>

#include "store/database_key.h"
#include "support/env_test_support.h"
#include "support/tool_run.h"
#include "tools/settings_tool.h"

namespace zw {
namespace {

// Every file of the folder with its bytes.
std::map<std::string, std::string> Snapshot(const envtest::TempFolder& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path)) {
        const std::u8string name = entry.path().filename().u8string();
        files[std::string(name.begin(), name.end())] =
            envtest::ReadFile(folder.File(std::string(name.begin(), name.end())));
    }
    return files;
}

// A database of an earlier version in write-ahead-log mode, as a crash left it: its newest setting, a
// bridge password among them, still only in the log beside it.
void MakeEarlierDatabaseWithLog(const std::string& path) {
    const std::string live = path + ".live";
    sqlite3* raw = nullptr;
    ASSERT_EQ(sqlite3_open(live.c_str(), &raw), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(raw,
                           "PRAGMA journal_mode = WAL; PRAGMA wal_autocheckpoint = 0; "
                           "CREATE TABLE Settings(Section, Key, Value); "
                           "INSERT INTO Settings VALUES ('INTERFACE', 'XRAYWS1', 'DIMAXIS\nhunter2-secret\n')",
                           nullptr, nullptr, nullptr),
              SQLITE_OK);
    std::filesystem::copy_file(envtest::PathOf(live), envtest::PathOf(path));
    std::filesystem::copy_file(envtest::PathOf(live + "-wal"), envtest::PathOf(path + "-wal"));
    sqlite3_close(raw);
    std::filesystem::remove(envtest::PathOf(live));
}

// Spoils one byte in the middle of a page: its tag no longer fits.
void DamagePage(const std::string& path, int page) {
    std::string bytes = envtest::ReadFile(path);
    const size_t pageSize = size_t(uint8_t(bytes[16])) << 8 | uint8_t(bytes[17]); // kept plain by the library
    bytes[size_t(page - 1) * pageSize + pageSize / 2] ^= 0x5a;
    envtest::WriteFile(path, bytes);
}

using DatabaseFailures = tooltest::ToolOnADatabase;
using tooltest::ToolRun;

TEST_F(DatabaseFailures, RefusedCommandsChangeNoFileAndNameTheCauseAndAnEarlierDatabaseIsEncryptedWhole) {
    ASSERT_EQ(Run({"--password", BuiltInDatabasePassword, "change-password", "right"}).code, 0);
    const std::string earlier = folder.File("EARLIER.MDB");
    MakeEarlierDatabaseWithLog(earlier);
    struct Case {
        std::vector<std::string> args;
        int code;
        std::string saying;
    };
    const std::vector<Case> cases = {
        // A password is taken whole or refused, for opening as for re-keying.
        {{"--password", "", "list"}, 2, "may not be empty"},
        {{"--password", "right", "change-password", "new;er"}, 2, "may not contain ';'"},
        {{"--password", "wrong", "set", "INTERFACE", "XRAYWS1"}, 3, "(error 3031)"},
        // Looking at an earlier version's database makes no log or shared memory beside it.
        {{"--database", earlier, "list"}, 3, "made by an earlier version. Encrypt it with: zwsettings encrypt"},
        {{"--password", "right", "encrypt-database", db}, 3, "is not an unencrypted product database"},
    };
    for (const Case& c : cases) {
        const auto before = Snapshot(folder);
        const ToolRun run = Run(c.args, "DEXIS\n");
        EXPECT_EQ(run.code, c.code) << c.args.back() << run.err;
        EXPECT_NE(run.err.find(c.saying), std::string::npos) << run.err;
        EXPECT_EQ(Snapshot(folder), before) << c.args.back();
    }
    // Without --password the tool takes ZELT_DB_PASSWORD.
    envtest::ScopedVariable right("ZELT_DB_PASSWORD", "right");
    EXPECT_EQ(Run({"list"}).code, 0);

    // Encrypting the earlier database takes its log and leaves nothing readable beside it.
    ASSERT_EQ(Run({"encrypt-database", earlier}).code, 0);
    for (const char* suffix : {"-wal", "-shm", "-journal"})
        EXPECT_FALSE(std::filesystem::exists(envtest::PathOf(earlier + suffix))) << suffix;
    EXPECT_EQ(envtest::ReadFile(earlier).find("hunter2-secret"), std::string::npos);
    EXPECT_EQ(Run({"--database", earlier, "get", "INTERFACE", "XRAYWS1", "--show-passwords"}).out,
              "DIMAXIS\nhunter2-secret\n");
}

TEST_F(DatabaseFailures, ADamagedPageIsNamedByCheckAndAWriteThatMeetsItChangesNothing) {
    ASSERT_EQ(Run({"set", "INTERFACE", "XRAYWS1"}, "SCHICK\n").code, 0);
    // Page 4 holds the history: a write that records its change fails, and says no change as done.
    DamagePage(db, 4);
    const auto before = Snapshot(folder);
    const ToolRun apply = Run({"apply", "--station", "WS2", "--bridge", "DEXIS=C:\\DEXIS.EXE"});
    EXPECT_EQ(apply.code, 3);
    EXPECT_NE(apply.err.find("(error 3049)"), std::string::npos) << apply.err;
    EXPECT_EQ(apply.out.find("DEXIS"), std::string::npos) << "no change line for a write that failed";
    EXPECT_EQ(Snapshot(folder), before);
    const ToolRun check = Run({"check"});
    EXPECT_EQ(check.code, 1) << check.err;
    EXPECT_NE(check.err.find("table History"), std::string::npos) << check.err;
    EXPECT_EQ(check.err.find("table Settings"), std::string::npos) << check.err;
}

} // namespace
} // namespace zw
