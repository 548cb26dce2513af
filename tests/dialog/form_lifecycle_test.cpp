#include <gtest/gtest.h>

#include "support/dialog_harness.h"

namespace zw::test {
namespace {

TEST(StartupTest, CommandLineWordsAndTheProductFolder) {
    struct Case {
        std::string commandLine;
        bool failFolder;
        bool med;
        std::string folder;
    };
    const std::vector<Case> cases = {
        {"  med  ", false, true, "C:\\ZELTWIN\\"},  {"MED X", false, false, "C:\\ZELTWIN\\"},
        {"FROM_VB", true, false, "D:\\ELSE\\"},    // the folder change failed: the current folder is another
        {"from_vb", true, false, "C:\\ZELTWIN\\"}, // exact words only
        {" FROM_VB", true, false, "C:\\ZELTWIN\\"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("'" + c.commandLine + "' failFolder=" + std::to_string(c.failFolder));
        DialogHarness h;
        h.fakes.process.commandLine = c.commandLine;
        h.fakes.process.failChanges = c.failFolder;
        h.fakes.process.currentFolder = "D:\\ELSE";
        h.fakes.databaseEngine.databases["D:\\ELSE\\ZELTWIN.MDB"] = "secret";
        h.Load();
        EXPECT_EQ(h.Env().medMode, c.med);
        EXPECT_EQ(h.Env().programFolder, c.folder);
        EXPECT_EQ(h.F().Tag(), "") << "failed folder changes are ignored";
    }
}

// The component may move the program folder while it loads: the database is looked for where it says then.
TEST(StartupTest, OpensTheDatabaseInTheFolderTheComponentLoaded) {
    DialogHarness h;
    h.fakes.process.programFolder = "C:\\";
    h.Prepare([](FakeEnvironment& env) { env.loadedFolder = "C:\\ZELTWIN\\"; });
    h.Load();
    ASSERT_EQ(h.F().Tag(), "");
    EXPECT_EQ(h.fakes.databaseEngine.lastOpened->Name(), "C:\\ZELTWIN\\ZELTWIN.MDB");
}

// A missing or damaged database reaches the user through the real program (tests/e2e/database_test.cpp); here,
// a failure at the open and one at the last step of the database stretch.
TEST(StartupTest, DatabaseFailuresShowOneMessageAndTheDialogClosesItself) {
    for (const bool handOver : {false, true}) {
        SCOPED_TRACE(handOver ? "the hand-over fails" : "wrong password");
        DialogHarness h;
        h.Prepare([handOver](FakeEnvironment& e) {
            if (handOver)
                e.failOn.insert("SetActiveDatabase");
            else
                e.password = "wrong";
        });
        h.F().SetLeft(12345);
        h.Load();
        EXPECT_EQ(
            h.fakes.messageBoxes.Described(),
            std::vector<std::string>{
                "0 ZELT Windows Interface Setup: Can not open database, This program must run in ZELTWIN directory"});
        EXPECT_EQ(h.F().Tag(), "ERROR_UNLOAD");
        EXPECT_EQ(h.F().Left(), 12345) << "the dialog is not placed, nor its settings read";
        // The unload leaves the database to the component: asking it for one would fail.
        h.F().Show();
        EXPECT_FALSE(h.F().IsLoaded()) << "the first activation unloads";
    }
}

TEST(StartupTest, NormalCloseClosesTheDatabaseBeforeTheComponentIsReleased) {
    DialogHarness h;
    h.Load();
    h.F().Show();
    auto database = h.fakes.databaseEngine.lastOpened;
    ASSERT_TRUE(h.F().Unload(UnloadMode::FormCode));
    EXPECT_FALSE(database->IsOpen());
    EXPECT_EQ(h.Env().activeDatabase, nullptr);
    h.F().Terminate();
    EXPECT_EQ(h.fakes.environmentFactory.released, 1);
}

} // namespace
} // namespace zw::test
