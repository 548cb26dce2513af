#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "app/environment.h"
#include "controls/runtime_error.h"
#include "env_test_support.h"
#include "environment/environment_overrides.h"
#include "environment/environment_stand_in.h"
#include "environment/host_system.h"
#include "environment/product_database.h"
#include "environment/sqlite_database.h"

namespace zw {
namespace {

using envtest::ScopedVariable;
using envtest::TempFolder;

const int NotInitialised = -2147221504 + 513;

int ErrorNumberOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const RuntimeError& error) {
        return error.Number();
    }
    return 0;
}

// The handshake the program makes on creating the component.
void Initialise(EnvironmentComponent& component) {
    std::string text = InitialisationText;
    const std::string transformed = component.TransformText(text);
    component.SetInitValue(transformed);
    component.InitText(InitialisationText);
}

class NotAProductDatabase : public Database {
public:
    const std::string& Name() const override { return name_; }
    bool IsOpen() const override { return true; }
    void Close() override {}

private:
    std::string name_ = "other";
};

TEST(EnvStandInInit, TheProgramsHandshakeInitialisesTheComponent) {
    StandInFactory factory;
    CreateEnvironment(factory);
    auto* component = dynamic_cast<EnvironmentStandIn*>(gEnvironment.get());
    ASSERT_NE(component, nullptr);
    EXPECT_TRUE(component->Initialised());
    ReleaseEnvironment();
}

TEST(EnvStandInInit, TransformTextDerivesAnotherHexText) {
    EnvironmentStandIn component;
    std::string text = InitialisationText;
    const std::string transformed = component.TransformText(text);
    EXPECT_EQ(text, InitialisationText) << "the text passed by reference is not changed";
    EXPECT_EQ(transformed.size(), 24u);
    EXPECT_NE(transformed, InitialisationText);
    EXPECT_EQ(transformed.find_first_not_of("0123456789ABCDEF"), std::string::npos);
    EXPECT_EQ(component.TransformText(text), transformed);

    for (std::string bad :
         {std::string("3f9a0c27e4b1d85c6a70f213"), std::string("3F9A0C27E4B1D85C6A70F21"),
          std::string("3F9A0C27E4B1D85C6A70F213A"), std::string("3F9A0C27E4B1D85C6A70F21G"), std::string()})
        EXPECT_EQ(ErrorNumberOf([&] { component.TransformText(bad); }), 5) << bad;
}

TEST(EnvStandInInit, EveryWrongStepLeavesTheComponentUninitialised) {
    struct Case {
        const char* what;
        std::function<void(EnvironmentComponent&)> steps;
    };
    const std::string transformed = TransformedInitialisationText(InitialisationText);
    const Case cases[] = {
        {"no handshake", [](EnvironmentComponent&) {}},
        {"InitValue with the untransformed text", [](EnvironmentComponent& c) { c.SetInitValue(InitialisationText); }},
        {"InitText without InitValue", [](EnvironmentComponent& c) { c.InitText(InitialisationText); }},
        {"InitText with another text",
         [&](EnvironmentComponent& c) {
             c.SetInitValue(transformed);
             c.InitText("000000000000000000000000");
         }},
        {"InitValue of another text's transform",
         [](EnvironmentComponent& c) {
             std::string other = "000000000000000000000000";
             c.SetInitValue(c.TransformText(other));
         }},
    };
    for (const Case& c : cases) {
        EnvironmentStandIn component;
        try {
            c.steps(component);
        } catch (const RuntimeError& error) {
            EXPECT_EQ(error.Number(), NotInitialised) << c.what;
        }
        EXPECT_FALSE(component.Initialised()) << c.what;
        EXPECT_EQ(ErrorNumberOf([&] { component.LoadEnvironment(); }), NotInitialised) << c.what;
        EXPECT_EQ(ErrorNumberOf([&] { component.ReadSetting("INTERFACE", "XRAY", 2, "d", 0, 0); }), NotInitialised)
            << c.what;
        EXPECT_EQ(ErrorNumberOf([&] { component.WriteSetting("INTERFACE", "XRAY", 2, "v", 0, 0); }), NotInitialised)
            << c.what;
    }
}

TEST(EnvStandIn, ModeCallerAndProgramFolder) {
    EnvironmentStandIn component;
    component.SetMedMode(true);
    EXPECT_TRUE(component.MedMode());
    component.SetMedMode(false);
    EXPECT_FALSE(component.MedMode());

    component.SetCallerKind(1);
    EXPECT_EQ(component.CallerKind(), 1);
    EXPECT_EQ(ErrorNumberOf([&] { component.SetCallerKind(2); }), 5);

#ifdef _WIN32
    const std::string added = "\\";
#else
    const std::string added = "/";
#endif
    const std::pair<std::string, std::string> folders[] = {
        {"C:\\ZELTWIN\\", "C:\\ZELTWIN\\"},
        {"C:\\ZELTWIN", "C:\\ZELTWIN" + added},
        {"C:\\\\", "C:\\\\"}, // a drive root with the separator the program always appends
        {"/opt/zeltwin/", "/opt/zeltwin/"},
        {"\\\\server\\share\\zw\\", "\\\\server\\share\\zw\\"},
    };
    for (const auto& [given, read] : folders) {
        component.SetProgramFolder(given);
        EXPECT_EQ(component.ProgramFolder(), read) << given;
    }
}

TEST(EnvStandIn, LoadEnvironmentMakesThePasswordKnown) {
    struct Case {
        std::optional<std::string> variable;
        std::string password;
    };
    const Case cases[] = {{std::nullopt, "ZeltWin#Db1"}, {"Other pw", "Other pw"}};
    for (const Case& c : cases) {
        ScopedVariable variable("ZELT_DB_PASSWORD", c.variable);
        EnvironmentStandIn component;
        Initialise(component);
        EXPECT_NE(ErrorNumberOf([&] { component.DatabasePassword(); }), 0) << "known only after LoadEnvironment";
        component.SetProgramFolder("C:\\ZELTWIN\\");
        component.LoadEnvironment();
        EXPECT_EQ(component.DatabasePassword(), c.password);
        EXPECT_EQ(component.ProgramFolder(), "C:\\ZELTWIN\\");
    }
}

TEST(EnvStandIn, LoadEnvironmentWithoutAFolderTakesTheCurrentOne) {
    EnvironmentStandIn component;
    Initialise(component);
    component.LoadEnvironment();
    const std::string folder = component.ProgramFolder();
    const std::u8string current = (std::filesystem::current_path() / "").u8string();
    EXPECT_EQ(folder, std::string(current.begin(), current.end()));
}

TEST(EnvStandIn, StationIdIsTheComputerNameUnlessOverridden) {
    const std::string computer = host::ComputerName();
    EXPECT_FALSE(computer.empty());
    const std::pair<std::optional<std::string>, std::string> cases[] = {
        {std::nullopt, computer}, {"", computer}, {"WS7", "WS7"}, {"Empfang 2", "Empfang 2"}};
    for (const auto& [variable, station] : cases) {
        ScopedVariable scoped("ZELT_STATION", variable);
        EnvironmentStandIn component;
        EXPECT_EQ(component.StationId(), station) << variable.value_or("<unset>");
    }
}

TEST(EnvStandIn, GetFieldCountsFromOneAndKeepsEmptyFields) {
    EnvironmentStandIn component;
    const std::string LF = "\n", CR = "\r";
    struct Case {
        std::string text;
        std::string delimiter;
        int n;
        std::string field;
    };
    const Case cases[] = {
        {"a\nb\nc", LF, 1, "a"},
        {"a\nb\nc", LF, 3, "c"},
        {"a\nb\nc", LF, 4, ""},
        {"a\n\nc", LF, 2, ""},
        {"a\n\nc", LF, 3, "c"},
        {"a\n", LF, 1, "a"},
        {"a\n", LF, 2, ""},
        {"\na", LF, 1, ""},
        {"\na", LF, 2, "a"},
        {"", LF, 1, ""},
        {"abc", LF, 1, "abc"},
        {"abc", LF, 2, ""},
        {"a\nb", LF, 0, ""},
        {"a\nb", LF, -1, ""},
        {"TROPHY\nC:\\TW\\TW.EXE\n\rDEXIS\n\n\r\r", CR, 1, "TROPHY\nC:\\TW\\TW.EXE\n"},
        {"TROPHY\nC:\\TW\\TW.EXE\n\rDEXIS\n\n\r\r", CR, 2, "DEXIS\n\n"},
        {"TROPHY\nC:\\TW\\TW.EXE\n\rDEXIS\n\n\r\r", CR, 3, ""},
        {"TROPHY\nC:\\TW\\TW.EXE\n", LF, 2, "C:\\TW\\TW.EXE"},
        {"x,y", ",", 2, "y"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(component.GetField(c.text, c.delimiter, c.n, 0), c.field)
            << "field " << c.n << " of \"" << c.text << "\"";

    EXPECT_EQ(ErrorNumberOf([&] { component.GetField("a", "", 1, 0); }), 5);
    EXPECT_EQ(ErrorNumberOf([&] { component.GetField("a", "\r\n", 1, 0); }), 5);
    EXPECT_EQ(ErrorNumberOf([&] { component.GetField("a", LF, 1, 1); }), 5);
}

TEST(EnvStandIn, RegistryReadsGoThroughTheInjectedReader) {
    auto registry = std::make_shared<TableRegistryReader>();
    const std::string appPaths = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\NCDR.EXE";
    registry->Set(HKEY_LOCAL_MACHINE_VALUE, appPaths, "", "C:\\Program Files\\Schick\\NCDR.EXE");
    registry->Set(HKEY_CLASSES_ROOT_VALUE, "CLSID\\{X}\\LocalServer32", "", "C:\\Sidexis\\slida.exe");

    StandInFactory factory(registry);
    auto component = factory.Create();
    EXPECT_EQ(component->ReadRegistryString(appPaths, "", HKEY_LOCAL_MACHINE_VALUE),
              "C:\\Program Files\\Schick\\NCDR.EXE");
    EXPECT_EQ(component->ReadRegistryString("software\\microsoft\\windows\\currentversion\\app paths\\ncdr.exe", "",
                                            HKEY_LOCAL_MACHINE_VALUE),
              "C:\\Program Files\\Schick\\NCDR.EXE");
    EXPECT_EQ(component->ReadRegistryString(appPaths, "Path", HKEY_LOCAL_MACHINE_VALUE), "");
    EXPECT_EQ(component->ReadRegistryString(appPaths, "", HKEY_CLASSES_ROOT_VALUE), "");
    EXPECT_EQ(component->ReadRegistryString("CLSID\\{X}\\LocalServer32", "", HKEY_CLASSES_ROOT_VALUE),
              "C:\\Sidexis\\slida.exe");
    EXPECT_EQ(ErrorNumberOf([&] { component->ReadRegistryString(appPaths, "", 0x80000001u); }), 5);
#ifndef _WIN32
    EXPECT_EQ(EnvironmentStandIn().ReadRegistryString(appPaths, "", HKEY_LOCAL_MACHINE_VALUE), "");
#endif
}

TEST(EnvStandIn, CheckFileExistsFindsRegularFilesOnly) {
    TempFolder folder;
    envtest::WriteFile(folder.File("NCDR.EXE"), "MZ");
    envtest::WriteFile(folder.File("Röntgen.exe"), "MZ");
    std::filesystem::create_directories(folder.Path() / "CDR.EXE");
    EnvironmentStandIn component;
    EXPECT_TRUE(component.CheckFileExists(folder.File("NCDR.EXE")));
    EXPECT_TRUE(component.CheckFileExists(folder.File("Röntgen.exe")));
    EXPECT_FALSE(component.CheckFileExists(folder.File("CDR.EXE")));
    EXPECT_FALSE(component.CheckFileExists(folder.File("MISSING.EXE")));
    EXPECT_FALSE(component.CheckFileExists(""));
}

// The settings as the program reaches them: folder, password and database all through the component.
class EnvStandInSettings : public ::testing::Test {
protected:
    void SetUp() override {
        CreateProductDatabase(folder.File("ZELTWIN.MDB"), BuiltInDatabasePassword, 500);
        Initialise(component);
        component.SetProgramFolder(folder.File(""));
        component.LoadEnvironment();
    }

    DatabaseRef OpenAsTheProgramDoes() {
        return engine.OpenDatabase(component.ProgramFolder() + "ZELTWIN.MDB", false, false,
                                   ";pwd=" + component.DatabasePassword());
    }

    ScopedVariable password{"ZELT_DB_PASSWORD", std::nullopt};
    TempFolder folder;
    EnvironmentStandIn component;
    SqliteDatabaseEngine engine;
};

TEST_F(EnvStandInSettings, ReadsTheDefaultUntilAValueIsWritten) {
    component.SetActiveDatabase(OpenAsTheProgramDoes());
    EXPECT_EQ(component.ReadSetting("INTERFACE", "XRAYWS7", 2, "NONE\n", 0, 0), "NONE\n");
    component.WriteSetting("INTERFACE", "XRAYWS7", 2, "SCHICK\nC:\\CDR\\NCDR.EXE\n\r", 0, 0);
    EXPECT_EQ(component.ReadSetting("INTERFACE", "XRAYWS7", 2, "NONE\n", 0, 0), "SCHICK\nC:\\CDR\\NCDR.EXE\n\r");
    EXPECT_EQ(component.ReadSetting("INTERFACE", "PROBEWS7", 2, "NONE\n", 0, 0), "NONE\n");

    // What one connection wrote, the next start reads.
    component.ActiveDatabase()->Close();
    component.SetActiveDatabase(OpenAsTheProgramDoes());
    EXPECT_EQ(component.ReadSetting("INTERFACE", "XRAYWS7", 2, "NONE\n", 0, 0), "SCHICK\nC:\\CDR\\NCDR.EXE\n\r");
}

TEST_F(EnvStandInSettings, AWrongPasswordFromTheEnvironmentKeepsTheDatabaseShut) {
    ScopedVariable wrong("ZELT_DB_PASSWORD", "not the password");
    component.LoadEnvironment();
    EXPECT_EQ(ErrorNumberOf([&] { OpenAsTheProgramDoes(); }), 3031);
}

TEST_F(EnvStandInSettings, SettingsNeedAnOpenProductDatabaseAndTheKnownArguments) {
    EXPECT_EQ(ErrorNumberOf([&] { component.ReadSetting("INTERFACE", "X", 2, "d", 0, 0); }), 91);
    EXPECT_EQ(ErrorNumberOf([&] { component.WriteSetting("INTERFACE", "X", 2, "v", 0, 0); }), 91);

    component.SetActiveDatabase(std::make_shared<NotAProductDatabase>());
    EXPECT_EQ(ErrorNumberOf([&] { component.ReadSetting("INTERFACE", "X", 2, "d", 0, 0); }), 13);

    component.SetActiveDatabase(OpenAsTheProgramDoes());
    EXPECT_EQ(ErrorNumberOf([&] { component.ReadSetting("INTERFACE", "X", 1, "d", 0, 0); }), 5);
    EXPECT_EQ(ErrorNumberOf([&] { component.WriteSetting("INTERFACE", "X", 2, "v", 1, 0); }), 5);
    EXPECT_EQ(ErrorNumberOf([&] { component.WriteSetting("INTERFACE", "X", 2, "v", 0, 1); }), 5);

    component.ActiveDatabase()->Close();
    EXPECT_EQ(ErrorNumberOf([&] { component.ReadSetting("INTERFACE", "X", 2, "d", 0, 0); }), 3420);
    component.SetActiveDatabase(nullptr);
    EXPECT_EQ(component.ActiveDatabase(), nullptr);
}

} // namespace
} // namespace zw
