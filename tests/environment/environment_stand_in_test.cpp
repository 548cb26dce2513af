#include <gtest/gtest.h>

#include "environment/environment_stand_in.h"
#include "host/host_system.h"
#include "store/product_database.h"
#include "support/env_test_support.h"

namespace zw {
namespace {

using envtest::ErrorNumberOf;
const int NotInitialised = -2147221504 + 513;

// The program's own handshake is exercised by every test that loads the environment.
TEST(EnvStandIn, AWrongHandshakeLeavesTheComponentUnusable) {
    const std::string transformed = TransformedInitialisationText(InitialisationText);
    const std::function<void(EnvironmentComponent&)> wrongSteps[] = {
        [](EnvironmentComponent& c) { c.SetInitValue(InitialisationText); },
        [](EnvironmentComponent& c) { c.InitText(InitialisationText); },
        [&](EnvironmentComponent& c) { c.SetInitValue(transformed), c.InitText("000000000000000000000000"); }};
    for (const auto& steps : wrongSteps) {
        EnvironmentStandIn component;
        EXPECT_EQ(ErrorNumberOf([&] { steps(component); }), NotInitialised);
        EXPECT_EQ(ErrorNumberOf([&] { component.LoadEnvironment(); }), NotInitialised);
    }
}

TEST(EnvStandIn, StationIdIsTheComputerNameUnlessOverridden) {
    const std::pair<std::optional<std::string>, std::string> cases[] = {
        {std::nullopt, host::ComputerName()}, {"", host::ComputerName()}, {"Empfang 2", "Empfang 2"}};
    for (const auto& [variable, station] : cases) {
        envtest::ScopedVariable scoped("ZELT_STATION", variable);
        EXPECT_EQ(EnvironmentStandIn().StationId(), station) << variable.value_or("<unset>");
    }
}

TEST(EnvStandIn, GetFieldCountsFromOneAndKeepsEmptyFields) {
    // Records split by CR hold fields split by LF; the last record, too, ends in CR.
    const std::string setting = "TROPHY\nC:\\TW\\TW.EXE\n\rDEXIS\n\n\r";
    const std::tuple<std::string, const char*, int, std::string> cases[] = {
        {"a\nb\nc", "\n", 3, "c"}, {"a\n\nc", "\n", 2, ""},         {"a\nb", "\n", 0, ""},
        {setting, "\r", 4, ""},    {setting, "\r", 2, "DEXIS\n\n"},
    };
    EnvironmentStandIn component;
    for (const auto& [text, delimiter, n, field] : cases)
        EXPECT_EQ(component.GetField(text, delimiter, n, 0), field) << n << " of " << text;
    EXPECT_EQ(ErrorNumberOf([&] { component.GetField("a", "\r\n", 1, 0); }), 5);
}

// The settings as the program reaches them: folder, password and database all through the component.
class EnvStandInSettings : public ::testing::Test {
protected:
    void SetUp() override {
        CreateProductDatabase(folder.File("ZELTWIN.MDB"), "ZeltWin#Db1");
        StandInFactory factory;
        component = envtest::InitialisedComponent(factory);
        Env().SetProgramFolder(folder.File(""));
        Env().LoadEnvironment();
    }
    EnvironmentComponent& Env() { return *component; }
    std::unique_ptr<EnvironmentComponent> component;
    std::shared_ptr<SqliteDatabase> Open() {
        return std::static_pointer_cast<SqliteDatabase>(SqliteDatabaseEngine().OpenDatabase(
            Env().ProgramFolder() + "ZELTWIN.MDB", false, false, ";pwd=" + Env().DatabasePassword()));
    }
    std::string Read(const std::string& key) { return Env().ReadSetting("INTERFACE", key, 2, "NONE\n", 0, 0); }

    envtest::ScopedVariable password{"ZELT_DB_PASSWORD", std::nullopt};
    envtest::TempFolder folder;
};

TEST_F(EnvStandInSettings, ValuesComeBackByteForByteAndTheDefaultStandsInForAMissingOne) {
    EXPECT_EQ(ErrorNumberOf([&] { Read("XRAYWS7"); }), 91) << "no active database";
    Env().SetActiveDatabase(Open());
    EXPECT_EQ(Read("XRAYWS7"), "NONE\n");
    const std::string value = "SCHICK\nC:\\CDR\\NCDR.EXE\n\r\r\n\nZähne";
    Env().WriteSetting("INTERFACE", "XRAYWS7", 2, value, 0, 0);
    Env().SetActiveDatabase(Open());
    EXPECT_EQ(Read("XRAYWS7"), value);
    EXPECT_EQ(Read("xrayws7"), "NONE\n");

    envtest::ScopedVariable wrong("ZELT_DB_PASSWORD", "not the password");
    Env().LoadEnvironment();
    EXPECT_EQ(ErrorNumberOf([&] { Open(); }), 3031);
}

} // namespace
} // namespace zw
