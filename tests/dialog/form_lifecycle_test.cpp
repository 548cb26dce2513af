#include <gtest/gtest.h>

#include <algorithm>

#include "support/dialog_harness.h"

namespace zw::test {
namespace {

size_t Position(const FakeEnvironment& env, const std::string& prefix) {
    auto it = std::find_if(env.log.begin(), env.log.end(),
                           [&](const std::string& entry) { return entry.rfind(prefix, 0) == 0; });
    return static_cast<size_t>(it - env.log.begin());
}

TEST(StartupTest, InitialisesTheComponentWithTheTransformedText) {
    DialogHarness h;
    h.F().Initialize();
    const std::string text = InitialisationText;
    EXPECT_EQ(h.Env().log,
              (std::vector<std::string>{"TransformText " + text, "InitValue T:" + text, "InitText " + text}));
}

TEST(StartupTest, CommandLineWordsAndTheProductFolder) {
    struct Case {
        std::string commandLine;
        bool failFolder;
        bool med;
        std::string folder;
    };
    const std::vector<Case> cases = {
        {"  med  ", false, true, "C:\\ZELTWIN\\"},  {"MED X", false, false, "C:\\ZELTWIN\\"},
        {"MEDX", false, false, "C:\\ZELTWIN\\"},    {"FROM_VB", false, false, "C:\\ZELTWIN\\"},
        {"FROM_VB", true, false, "D:\\ELSE\\"},    // the folder change failed: the current folder is another
        {"from_vb", true, false, "C:\\ZELTWIN\\"}, // exact words only
        {" FROM_VB", true, false, "C:\\ZELTWIN\\"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("'" + c.commandLine + "' failFolder=" + std::to_string(c.failFolder));
        DialogHarness h;
        h.fakes.process.commandLine = c.commandLine;
        h.fakes.process.failDrive = c.failFolder;
        h.fakes.process.failFolder = c.failFolder;
        h.fakes.process.currentFolder = "D:\\ELSE";
        h.fakes.databaseEngine.databases["D:\\ELSE\\ZELTWIN.MDB"] = "secret";
        h.Load();
        EXPECT_EQ(h.Env().medMode, c.med);
        EXPECT_EQ(h.F().Picture1(2).Enabled(), !c.med) << "only the compact arrangement disables the probe frame";
        EXPECT_EQ(h.Env().programFolder, c.folder);
        EXPECT_EQ(h.F().Tag(), "") << "failed folder changes are ignored";
    }
}

TEST(StartupTest, OpensTheDatabaseNamedByTheComponentThenReadsTheSettings) {
    DialogHarness h;
    h.fakes.process.programFolder = "C:\\";
    h.Prepare([](FakeEnvironment& env) { env.loadedFolder = "C:\\ZELTWIN\\"; });
    h.Load();
    EXPECT_EQ(h.fakes.databaseEngine.opens, std::vector<std::string>{"C:\\ZELTWIN\\ZELTWIN.MDB|;pwd=secret"});
    size_t last = 0;
    for (const char* entry :
         {"MedMode=False", "MedMode?", "CallerKind=1", "ProgramFolder=C:\\\\", "LoadEnvironment", "ProgramFolder?",
          "DatabasePassword?", "ActiveDatabase=C:\\ZELTWIN\\ZELTWIN.MDB", "StationId", "ReadSetting"}) {
        const size_t at = Position(h.Env(), entry);
        ASSERT_LT(at, h.Env().log.size()) << entry;
        EXPECT_GE(at, last) << entry;
        last = at;
    }
}

TEST(StartupTest, DatabaseFailuresShowOneMessageAndTheDialogClosesItself) {
    const std::vector<std::pair<const char*, std::function<void(DialogHarness&)>>> cases = {
        {"missing database", [](DialogHarness& h) { h.fakes.databaseEngine.databases.clear(); }},
        {"wrong password", [](DialogHarness& h) { h.Prepare([](FakeEnvironment& e) { e.password = "wrong"; }); }},
        {"component fails",
         [](DialogHarness& h) { h.Prepare([](FakeEnvironment& e) { e.failOn.insert("LoadEnvironment"); }); }},
        {"hand-over fails",
         [](DialogHarness& h) { h.Prepare([](FakeEnvironment& e) { e.failOn.insert("SetActiveDatabase"); }); }},
    };
    for (const auto& [name, arrange] : cases) {
        SCOPED_TRACE(name);
        DialogHarness h;
        h.StoreXray("TROPHY\nC:\\TW.EXE\n\r");
        arrange(h);
        h.F().SetLeft(12345);
        h.Load();
        EXPECT_EQ(
            h.fakes.messageBoxes.Described(),
            std::vector<std::string>{
                "0 ZELT Windows Interface Setup: Can not open database, This program must run in ZELTWIN directory"});
        EXPECT_EQ(h.F().Tag(), "ERROR_UNLOAD");
        EXPECT_EQ(h.F().Left(), 12345) << "the dialog is not placed";
        EXPECT_EQ(Position(h.Env(), "StationId"), h.Env().log.size()) << "no setting is read";

        const size_t calls = h.Env().log.size();
        h.F().Show();
        EXPECT_FALSE(h.F().IsLoaded()) << "the first activation unloads";
        EXPECT_EQ(h.Env().log.size(), calls) << "the unload leaves the database to the component";
    }
}

TEST(StartupTest, NormalCloseClosesTheDatabaseBeforeTheComponentIsReleased) {
    DialogHarness h;
    h.Load();
    h.F().Show();
    auto database = h.fakes.databaseEngine.lastOpened;
    ASSERT_TRUE(h.F().Unload(UnloadMode::FormCode));
    EXPECT_FALSE(database->IsOpen());
    EXPECT_EQ(h.Env().log.back(), "ActiveDatabase=Nothing");
    h.F().Terminate();
    EXPECT_EQ(h.fakes.environmentFactory.released, 1);
}

} // namespace
} // namespace zw::test
