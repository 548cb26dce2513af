// The encrypted product database as the real program meets it: a missing file, and every kind of file that is
// not a usable product database, gives the one database message at start-up and stays as it was; a database locked past
// the busy timeout at save ends the program with the run-time error box, and the stored value stays whole.
#include <sqlite3.h>

#include <filesystem>
#include <optional>
#include <vector>

#include "harness.h"
#include "host/environment_overrides.h"
#include "store/database_key.h"
#include "support/env_test_support.h"

namespace zw::e2e {
namespace {

using DatabaseTest = DialogTest;

TEST_F(DatabaseTest, AMissingOrUnusableDatabaseGivesTheDatabaseMessageAndNothingChanges) {
    // Each kind of unusable file gets its own error from the store (see the store's tests); here, that any of
    // them reaches the user as the one message and leaves the file as it was.
    const std::string real = envtest::ReadFile(Narrow(Database()));
    // Missing comes last: after it, nothing may stand where the database was.
    const std::pair<const char*, std::optional<std::string>> cases[] = {
        {"empty", ""}, {"cut short", real.substr(0, real.size() - 100)}, {"missing", std::nullopt}};
    for (const auto& [kind, bytes] : cases) {
        SCOPED_TRACE(kind);
        bytes ? envtest::WriteFile(Narrow(Database()), *bytes) : void(DeleteFileW(Database().c_str()));
        Start(false);
        auto box = WaitForMessageBox();
        ASSERT_TRUE(box) << "no message box; on screen: " << OpenBoxes();
        EXPECT_EQ(box->Text(), L"Can not open database, This program must run in ZELTWIN directory");
        box->Answer(IDOK);
        ExpectExit();
        if (bytes)
            EXPECT_EQ(envtest::ReadFile(Narrow(Database())), *bytes);
    }
    // Opening never made a database, nor anything else, in passing.
    std::vector<std::wstring> files;
    for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::path(Folder())))
        files.push_back(entry.path().filename().wstring());
    EXPECT_EQ(files, std::vector<std::wstring>{L"ZWInterfaceSetup.exe"});
}

TEST_F(DatabaseTest, ASaveBlockedPastTheBusyTimeoutEndsWithTheRunTimeErrorAndKeepsTheValue) {
    RunTool({L"--database", Database(), L"set", L"INTERFACE", XrayKey}, "VIPERSOFT\n\n\r");
    Start();
    Click(CheckBox1 + 7);
    // Another workstation holds the database exclusively for longer than the program waits.
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open16(Database().c_str(), &other), SQLITE_OK);
    ApplyDatabaseKey(other, BuiltInDatabasePassword, "other");
    ASSERT_EQ(sqlite3_exec(other, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
    PostClick(OK);
    auto box = WaitForMessageBox();
    sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(other);
    ASSERT_TRUE(box) << "no run-time error box; on screen: " << OpenBoxes();
    EXPECT_EQ(box->Text().rfind(L"Run-time error '3218':\r\n\r\nCould not update; currently locked", 0), 0u)
        << Narrow(box->Text());
    box->Answer(IDOK);
    ExpectExit(1);
    EXPECT_EQ(StoredXray(), "VIPERSOFT\n\n\r");
}

} // namespace
} // namespace zw::e2e
