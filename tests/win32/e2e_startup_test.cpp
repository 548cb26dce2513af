// Start-up and the plain ends of the program, seen from outside: the database message when the product
// database cannot be opened, and a clean end when the dialog is closed.
#include <gtest/gtest.h>

#include "e2e_harness.h"

namespace zw::e2e {
namespace {

constexpr const wchar_t* DatabaseMessage = L"Can not open database, This program must run in ZELTWIN directory";

// The database message: the only box, titled with the program title, OK only, no icon; after OK the
// program ends normally.
void ExpectDatabaseMessageThenCleanEnd(RunningProgram& program) {
    auto box = program.WaitForMessageBox(BoxTitle, StartTimeout);
    ASSERT_TRUE(box) << "no message box; exited: " << program.HasExited();
    EXPECT_EQ(box->Title(), BoxTitle);
    EXPECT_EQ(box->Text(), DatabaseMessage);
    EXPECT_TRUE(box->HasButton(IDOK));
    EXPECT_FALSE(box->HasButton(IDCANCEL));
    EXPECT_FALSE(box->HasButton(IDYES));
    EXPECT_FALSE(box->HasIcon());
    box->Answer(IDOK);

    const auto exitCode = program.WaitForExit();
    ASSERT_TRUE(exitCode) << "still running after OK; on screen: " << program.DescribeOpenBoxes();
    EXPECT_EQ(*exitCode, 0u);
}

TEST(EndToEndStartup, FolderWithoutDatabaseShowsTheDatabaseMessageAndWritesNothing) {
    ProductFolder folder;
    {
        RunningProgram program(folder);
        ExpectDatabaseMessageThenCleanEnd(program);
    }
    // Opening must not have created an empty database in passing.
    EXPECT_FALSE(folder.HasDatabase());
}

TEST(EndToEndStartup, WrongPasswordShowsTheDatabaseMessageAndLeavesTheSettingsAlone) {
    ProductFolder folder;
    folder.CreateDatabase();
    SettingsTool settings = folder.Settings();
    settings.Set("INTERFACE", XrayKey, "TROPHY\nC:\\TW\\TW.EXE\n\r");
    const std::string before = settings.List();

    {
        RunningProgram program(folder, {}, {{L"ZELT_DB_PASSWORD", L"not the password"}});
        ExpectDatabaseMessageThenCleanEnd(program);
    }
    EXPECT_EQ(settings.List(), before);
    EXPECT_EQ(settings.Get("INTERFACE", XrayKey), "TROPHY\nC:\\TW\\TW.EXE\n\r");
}

TEST(EndToEndStartup, GoodDatabaseShowsTheDialogAndClosingItEndsCleanly) {
    ProductFolder folder;
    folder.CreateDatabase();
    RunningProgram program(folder);

    ASSERT_NE(program.WaitForDialog(), nullptr) << "no dialog; on screen: " << program.DescribeOpenBoxes();
    EXPECT_TRUE(program.DialogBoxes().empty()) << program.DescribeOpenBoxes();

    program.PostClose();
    const auto exitCode = program.WaitForExit();
    ASSERT_TRUE(exitCode) << "still running after the close; on screen: " << program.DescribeOpenBoxes();
    EXPECT_EQ(*exitCode, 0u);
}

} // namespace
} // namespace zw::e2e
