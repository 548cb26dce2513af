#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "env_test_support.h"
#include "environment/settings_tool.h"
#include "environment/sqlite_database.h"
#include "tool_process.h"

namespace zw {
namespace {

using envtest::ScopedVariable;
using envtest::TempFolder;

struct ToolRun {
    int code;
    std::string out;
    std::string err;
};

ToolRun RunTool(const std::vector<std::string>& args, const std::string& input = {}) {
    std::istringstream in(input);
    std::ostringstream out, err;
    const int code = RunSettingsTool(args, in, out, err);
    return {code, out.str(), err.str()};
}

class EnvSettingsTool : public ::testing::Test {
protected:
    ScopedVariable password{"ZELT_DB_PASSWORD", std::nullopt};
    TempFolder folder;
    std::string database = folder.File("ZELTWIN.MDB");
};

TEST_F(EnvSettingsTool, BadCommandLinesPrintTheUsage) {
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"bogus"},
        {"get", "INTERFACE"},
        {"get", "INTERFACE", "XRAY", "extra"},
        {"set"},
        {"list", "extra"},
        {"--database"},
        {"list", "--password"},
        {"--frob", "list"},
        {"create-database"},
        {"create-database", "a.mdb", "b.mdb"},
    };
    for (const auto& args : cases) {
        const ToolRun run = RunTool(args);
        std::string shown;
        for (const auto& a : args)
            shown += a + " ";
        EXPECT_EQ(run.code, toolexit::BadArguments) << shown;
        EXPECT_NE(run.err.find("usage: zwsettings"), std::string::npos) << shown;
        EXPECT_EQ(run.out, "") << shown;
    }
    const ToolRun help = RunTool({"--help"});
    EXPECT_EQ(help.code, toolexit::Success);
    EXPECT_NE(help.out.find("create-database PATH"), std::string::npos);
}

TEST_F(EnvSettingsTool, SetGetAndListThroughTheDatabaseOption) {
    ASSERT_EQ(RunTool({"create-database", database, "--password", "pw"}).code, 0);
    const std::string value = "TROPHY\nC:\\TW\\TW.EXE\n\rDEXIS\n\n\r";
    EXPECT_EQ(RunTool({"--database", database, "--password", "pw", "set", "INTERFACE", "XRAYWS7"}, value).code, 0);
    EXPECT_EQ(RunTool({"--password", "pw", "set", "INTERFACE", "PROBEWS7", "--database", database}, "NONE\n").code, 0);

    const ToolRun get = RunTool({"--database", database, "--password", "pw", "get", "INTERFACE", "XRAYWS7"});
    EXPECT_EQ(get.code, 0);
    EXPECT_EQ(get.out, value) << "exactly as stored, no newline added";

    const ToolRun list = RunTool({"--database", database, "--password", "pw", "list"});
    EXPECT_EQ(list.code, 0);
    EXPECT_EQ(list.out, "INTERFACE\tPROBEWS7\tNONE\\n\n"
                        "INTERFACE\tXRAYWS7\tTROPHY\\nC:\\\\TW\\\\TW.EXE\\n\\rDEXIS\\n\\n\\r\n");

    const ToolRun missing = RunTool({"--database", database, "--password", "pw", "get", "INTERFACE", "XRAYWS8"});
    EXPECT_EQ(missing.code, toolexit::NoSuchSetting);
    EXPECT_EQ(missing.out, "");
}

TEST_F(EnvSettingsTool, PasswordComesFromTheOptionTheEnvironmentOrTheProduct) {
    // Without --password the database is made for the product's own password, so the program opens it.
    ASSERT_EQ(RunTool({"create-database", database}).code, 0);
    SqliteDatabaseEngine engine;
    EXPECT_NO_THROW(engine.OpenDatabase(database, false, false, ";pwd=ZeltWin#Db1"));
    EXPECT_EQ(RunTool({"--database", database, "list"}).code, 0);
    EXPECT_EQ(RunTool({"--database", database, "--password", "ZeltWin#Db1", "list"}).code, 0);

    ScopedVariable other("ZELT_DB_PASSWORD", "elsewhere");
    const ToolRun refused = RunTool({"--database", database, "list"});
    EXPECT_EQ(refused.code, toolexit::Failure);
    EXPECT_NE(refused.err.find("Not a valid password"), std::string::npos) << refused.err;

    const std::string second = folder.File("SECOND.MDB");
    ASSERT_EQ(RunTool({"create-database", second}).code, 0);
    EXPECT_EQ(RunTool({"--database", second, "list"}).code, 0);
    EXPECT_NE(RunTool({"--database", second, "--password", "ZeltWin#Db1", "list"}).code, 0);
}

TEST(EnvSettingsToolListing, EscapesWhatWouldBreakALine) {
    const std::pair<std::string, std::string> cases[] = {
        {"NONE\n\n\r", "NONE\\n\\n\\r"},
        {"C:\\ZW\\", "C:\\\\ZW\\\\"},
        {"a\tb", "a\\tb"},
        {std::string("\0\x1b\x7f", 3), "\\x00\\x1B\\x7F"},
        {"Zähne", "Zähne"},
        {"", ""},
    };
    for (const auto& [value, shown] : cases)
        EXPECT_EQ(EscapedForListing(value), shown);
}

// The built tool as a separate process, as support staff and the end-to-end tests use it.
class EnvSettingsToolProcess : public ::testing::Test {
protected:
    void SetUp() override {
#ifdef _WIN32
        GTEST_SKIP() << "the Windows tool is run as a process by the end-to-end tests";
#endif
        const char* tool = std::getenv("ZW_SETTINGS_TOOL");
        if (tool == nullptr || *tool == '\0')
            GTEST_SKIP() << "ZW_SETTINGS_TOOL does not name the built settings tool (CTest sets it)";
        toolPath = tool;
    }

    envtest::ProcessResult Run(const std::vector<std::string>& args, const std::string& input = {}) {
#ifdef _WIN32
        return {};
#else
        return envtest::RunProcess(toolPath, args, input, folder.File(""));
#endif
    }

    std::string toolPath;
    ScopedVariable password{"ZELT_DB_PASSWORD", std::nullopt};
    TempFolder folder;
};

TEST_F(EnvSettingsToolProcess, RawBytesTravelThroughStandardInputAndOutput) {
    const std::string database = folder.File("ZELTWIN.MDB");
    ASSERT_EQ(Run({"create-database", database, "--password", "pw"}).exitCode, 0);
    // CR LF pairs, a lone LF, Ctrl+Z and UTF-8: a text-mode stream would change some of them.
    const std::string value = "TROPHY\nC:\\TW\\TW.EXE\n\r\r\nX\x1aY\nZähne";
    const auto set = Run({"--database", database, "--password", "pw", "set", "INTERFACE", "XRAYWS7"}, value);
    ASSERT_EQ(set.exitCode, 0) << set.err;
    const auto get = Run({"--database", database, "--password", "pw", "get", "INTERFACE", "XRAYWS7"});
    EXPECT_EQ(get.exitCode, 0) << get.err;
    EXPECT_EQ(get.out, value);

    // Section and key in UTF-8 come through the command line intact.
    ASSERT_EQ(Run({"--database", database, "--password", "pw", "set", "Zähne", "Röntgen"}, "ja").exitCode, 0);
    EXPECT_EQ(Run({"--database", database, "--password", "pw", "get", "Zähne", "Röntgen"}).out, "ja");
    const auto list = Run({"--database", database, "--password", "pw", "list"});
    EXPECT_NE(list.out.find("INTERFACE\tXRAYWS7\tTROPHY\\nC:\\\\TW\\\\TW.EXE\\n\\r\\r\\nX\\x1AY\\nZähne\n"),
              std::string::npos)
        << list.out;
}

TEST_F(EnvSettingsToolProcess, TheDefaultDatabaseIsInTheWorkingFolder) {
    ASSERT_EQ(Run({"create-database", "ZELTWIN.MDB"}).exitCode, 0);
    EXPECT_TRUE(std::filesystem::exists(folder.Path() / "ZELTWIN.MDB"));
    ASSERT_EQ(Run({"set", "INTERFACE", "XRAYWS7"}, "NONE\n\n\r").exitCode, 0);
    EXPECT_EQ(Run({"get", "INTERFACE", "XRAYWS7"}).out, "NONE\n\n\r");
}

TEST_F(EnvSettingsToolProcess, FailuresEndWithAMessageAndANonZeroCode) {
    const auto missing = Run({"get", "INTERFACE", "XRAYWS7"});
    EXPECT_EQ(missing.exitCode, toolexit::Failure);
    EXPECT_NE(missing.err.find("ZELTWIN.MDB"), std::string::npos) << missing.err;
    EXPECT_EQ(Run({"set", "INTERFACE", "XRAYWS7"}, "NONE\n").exitCode, toolexit::Failure);
    EXPECT_FALSE(std::filesystem::exists(folder.Path() / "ZELTWIN.MDB"));

    ASSERT_EQ(Run({"create-database", "ZELTWIN.MDB", "--password", "right"}).exitCode, 0);
    EXPECT_EQ(Run({"create-database", "ZELTWIN.MDB", "--password", "other"}).exitCode, toolexit::Failure);
    const auto wrong = Run({"--password", "wrong", "list"});
    EXPECT_EQ(wrong.exitCode, toolexit::Failure);
    EXPECT_NE(wrong.err.find("password"), std::string::npos) << wrong.err;

    const auto usage = Run({});
    EXPECT_EQ(usage.exitCode, toolexit::BadArguments);
    EXPECT_NE(usage.err.find("usage:"), std::string::npos);
}

} // namespace
} // namespace zw
