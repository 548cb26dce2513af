#include <gtest/gtest.h>

#include <algorithm>

#include "fakes/dialog_harness.h"

namespace zw::test {
namespace {

bool Logged(const FakeEnvironment& env, const std::string& prefix) {
    return std::any_of(env.log.begin(), env.log.end(),
                       [&](const std::string& entry) { return entry.rfind(prefix, 0) == 0; });
}

size_t Position(const FakeEnvironment& env, const std::string& entry) {
    return static_cast<size_t>(std::find(env.log.begin(), env.log.end(), entry) - env.log.begin());
}

TEST(StartupTest, InitialisesTheComponentOnceWithTheTransformedText) {
    DialogHarness h;
    h.F().Initialize();
    const std::string text = InitialisationText;
    EXPECT_EQ(text.size(), 24u);
    EXPECT_EQ(text.find_first_not_of("0123456789ABCDEF"), std::string::npos);
    EXPECT_EQ(h.Env().log,
              (std::vector<std::string>{"TransformText " + text, "InitValue T:" + text, "InitText " + text}));
    FakeEnvironment* first = &h.Env();
    CreateEnvironment(h.fakes.environmentFactory);
    EXPECT_EQ(&h.Env(), first) << "a second creation keeps the component";
}

TEST(StartupTest, MedModeNeedsTheWordAloneInAnyCase) {
    const std::vector<std::pair<std::string, bool>> cases = {{"MED", true},     {"  med  ", true}, {"Med", true},
                                                             {"MED X", false},  {"MEDX", false},   {"", false},
                                                             {"FROM_VB", false}};
    for (const auto& [commandLine, med] : cases) {
        DialogHarness h;
        h.fakes.process.commandLine = commandLine;
        h.Load();
        EXPECT_EQ(h.Env().medMode, med) << "'" << commandLine << "'";
        EXPECT_EQ(h.F().Picture1(2).Enabled(), !med) << "only the compact arrangement disables the probe frame";
        EXPECT_LT(Position(h.Env(), "MedMode?"), Position(h.Env(), "CallerKind=1"));
    }
}

TEST(StartupTest, ProductFolderComesFromTheProgramUnlessFromVbFindsAnother) {
    struct Case {
        std::string commandLine;
        bool failFolder;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"", false, "C:\\ZELTWIN\\"},
        {"FROM_VB", false, "C:\\ZELTWIN\\"},  // the change succeeded: the current folder is the program's
        {"FROM_VB", true, "D:\\ELSEWHERE\\"}, // the change failed: the current folder is another
        {"from_vb", true, "C:\\ZELTWIN\\"},   // exact words only
        {" FROM_VB", true, "C:\\ZELTWIN\\"},
    };
    for (const auto& c : cases) {
        DialogHarness h;
        h.fakes.process.commandLine = c.commandLine;
        h.fakes.process.failFolder = c.failFolder;
        h.fakes.process.currentFolder = "D:\\ELSEWHERE";
        h.Load();
        EXPECT_EQ(h.Env().programFolder, c.expected) << "'" << c.commandLine << "' failFolder=" << c.failFolder;
    }
}

TEST(StartupTest, DriveAndFolderFailuresAreIgnored) {
    DialogHarness h;
    h.fakes.process.failDrive = true;
    h.fakes.process.failFolder = true;
    h.fakes.process.failCurrent = true;
    h.fakes.process.commandLine = "FROM_VB";
    h.Load();
    EXPECT_EQ(h.fakes.process.log, (std::vector<std::string>{"ChDrive C:\\ZELTWIN", "ChDir C:\\ZELTWIN", "CurDir"}));
    EXPECT_EQ(h.F().Tag(), "");
    EXPECT_EQ(h.Env().programFolder, "C:\\ZELTWIN\\");
}

TEST(StartupTest, DriveRootGetsASecondSeparatorAndTheDatabaseNameFollowsTheComponent) {
    DialogHarness h;
    h.fakes.process.programFolder = "C:\\";
    h.Prepare([](FakeEnvironment& env) { env.loadedFolder = "C:\\ZELTWIN\\"; });
    h.Load();
    EXPECT_TRUE(Logged(h.Env(), "ProgramFolder=C:\\\\"));
    ASSERT_EQ(h.fakes.databaseEngine.opens.size(), 1u);
    EXPECT_EQ(h.fakes.databaseEngine.opens[0], "C:\\ZELTWIN\\ZELTWIN.MDB|;pwd=secret");
    EXPECT_EQ(h.Env().activeDatabase, h.fakes.databaseEngine.lastOpened);
}

TEST(StartupTest, LoadOrderEndsWithTheStoredSettings) {
    DialogHarness h;
    h.Load();
    const auto& log = h.Env().log;
    const std::vector<std::string> order = {
        "MedMode=False",   "MedMode?",       "CallerKind=1",      "ProgramFolder=C:\\ZELTWIN\\",
        "LoadEnvironment", "ProgramFolder?", "DatabasePassword?", "ActiveDatabase=C:\\ZELTWIN\\ZELTWIN.MDB",
        "StationId"};
    size_t last = 0;
    for (const auto& entry : order) {
        const size_t at = Position(h.Env(), entry);
        ASSERT_LT(at, log.size()) << entry;
        EXPECT_GE(at, last) << entry;
        last = at;
    }
    EXPECT_EQ(h.F().Tag(), "");
    EXPECT_EQ(h.F().CheckBox1(0).Value(), 1);
}

TEST(StartupTest, DatabaseFailuresShowOneMessageAndTheDialogClosesItself) {
    struct Case {
        const char* name;
        std::function<void(DialogHarness&)> arrange;
    };
    const std::vector<Case> cases = {
        {"missing database", [](DialogHarness& h) { h.fakes.databaseEngine.databases.clear(); }},
        {"wrong password", [](DialogHarness& h) { h.Prepare([](FakeEnvironment& e) { e.password = "wrong"; }); }},
        {"component folder fails",
         [](DialogHarness& h) { h.Prepare([](FakeEnvironment& e) { e.failOn.insert("LoadEnvironment"); }); }},
        {"hand-over fails",
         [](DialogHarness& h) { h.Prepare([](FakeEnvironment& e) { e.failOn.insert("SetActiveDatabase"); }); }},
    };
    for (const auto& c : cases) {
        DialogHarness h;
        h.StoreXray("TROPHY\nC:\\TW.EXE\n\r");
        c.arrange(h);
        const float leftBefore = 12345;
        h.F().SetLeft(leftBefore);
        h.Load();

        ASSERT_EQ(h.fakes.messageBoxes.shown.size(), 1u) << c.name;
        EXPECT_EQ(h.fakes.messageBoxes.shown[0].text,
                  "Can not open database, This program must run in ZELTWIN directory");
        EXPECT_EQ(h.fakes.messageBoxes.shown[0].style, mb::OKOnly);
        EXPECT_EQ(h.fakes.messageBoxes.shown[0].title, "ZELT Windows Interface Setup");
        EXPECT_EQ(h.F().Tag(), "ERROR_UNLOAD");
        EXPECT_EQ(h.F().Left(), leftBefore) << c.name << ": the dialog is not placed";
        EXPECT_FALSE(Logged(h.Env(), "StationId")) << c.name;
        EXPECT_FALSE(Logged(h.Env(), "ReadSetting")) << c.name;
        EXPECT_EQ(h.F().CheckBox1(1).Value(), 0) << c.name << ": nothing stored is shown";

        const size_t calls = h.Env().log.size();
        h.F().Show();
        EXPECT_FALSE(h.F().IsLoaded()) << c.name << ": the first activation unloads";
        for (size_t i = calls; i < h.Env().log.size(); ++i)
            EXPECT_EQ(h.Env().log[i].find("Database"), std::string::npos) << c.name << ": " << h.Env().log[i];
        EXPECT_EQ(h.Env().writeCount, 0);
        if (h.fakes.databaseEngine.lastOpened)
            EXPECT_TRUE(h.fakes.databaseEngine.lastOpened->IsOpen()) << c.name << ": left to the component";
    }
}

TEST(StartupTest, NormalCloseClosesTheDatabaseBeforeTheComponentIsReleased) {
    DialogHarness h;
    h.Load();
    h.F().Show();
    auto database = h.fakes.databaseEngine.lastOpened;
    ASSERT_TRUE(database);
    ASSERT_TRUE(h.F().Unload(UnloadMode::FormCode));
    EXPECT_FALSE(database->IsOpen());
    EXPECT_EQ(h.Env().log.back(), "ActiveDatabase=Nothing");
    EXPECT_EQ(h.Env().writeCount, 0) << "closing from code writes nothing";
    h.F().Terminate();
    EXPECT_EQ(gEnvironment, nullptr);
}

TEST(StartupTest, UnloadWithoutAnOpenDatabaseIsARunTimeError) {
    DialogHarness h;
    h.Load();
    h.Env().activeDatabase.reset();
    EXPECT_THROW(h.F().Unload(UnloadMode::FormCode), RuntimeError);
}

} // namespace
} // namespace zw::test
