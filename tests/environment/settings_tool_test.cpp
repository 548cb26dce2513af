#include <gtest/gtest.h>

#include <sstream>

#include "env_test_support.h"
#include "environment/settings_tool.h"
#include "environment/sqlite_database.h"

namespace zw {
namespace {

struct ToolRun {
    int code;
    std::string out;
};
using Runner = ToolRun (*)(const std::vector<std::string>& args, const std::string& input);

// The tool in this process: its main adds no more than binary-mode streams and UTF-8 arguments.
ToolRun InThisProcess(const std::vector<std::string>& args, const std::string& input) {
    std::istringstream in(input);
    std::ostringstream out, err;
    const int code = RunSettingsTool(args, in, out, err);
    return {code, out.str()};
}

#ifndef _WIN32
// The built tool as support staff run it, through the shell (under Windows the end-to-end tests drive it).
ToolRun AsAProcess(const std::vector<std::string>& args, const std::string& input) {
    const envtest::TempFolder io;
    envtest::WriteFile(io.File("in"), input);
    std::string command = std::string("'") + std::getenv("ZW_SETTINGS_TOOL") + "'";
    for (const std::string& arg : args)
        command += " '" + arg + "'"; // no quotes in the words here
    const int status = std::system((command + " <'" + io.File("in") + "' >'" + io.File("out") + "'").c_str());
    return {WEXITSTATUS(status), envtest::ReadFile(io.File("out"))};
}
#endif

TEST(EnvSettingsTool, MakesSetsGetsAndListsRawValuesAndFailsWithoutTheRightDatabase) {
    std::vector<Runner> runners = {InThisProcess};
#ifndef _WIN32
    if (const char* tool = std::getenv("ZW_SETTINGS_TOOL"); tool != nullptr && *tool != '\0')
        runners.push_back(AsAProcess);
#endif
    envtest::TempFolder folder;
    envtest::ScopedVariable password("ZELT_DB_PASSWORD", std::nullopt);
    for (const Runner tool : runners) {
        const std::string db = folder.File(tool == InThisProcess ? "ZELTWIN.MDB" : "Zähne.MDB");
        EXPECT_EQ(tool({"--database", db, "get", "INTERFACE", "XRAYWS7"}, "").code, toolexit::Failure);
        EXPECT_FALSE(std::filesystem::exists(envtest::PathOf(db)));

        // Without --password the database takes the product's own, which the program then uses.
        ASSERT_EQ(tool({"create-database", db}, "").code, 0);
        EXPECT_TRUE(SqliteDatabaseEngine().OpenDatabase(db, false, false, ";pwd=ZeltWin#Db1")->IsOpen());
        // CR LF pairs, a lone LF, Ctrl+Z, tab and UTF-8: a text-mode stream would change some of them.
        const std::string value = "TROPHY\nC:\\TW\\TW.EXE\n\r\r\nX\x1aY\tZähne";
        EXPECT_EQ(tool({"set", "INTERFACE", "XRAYWS7", "--database", db}, value).code, 0);
        EXPECT_EQ(tool({"--database", db, "--password", "ZeltWin#Db1", "get", "INTERFACE", "XRAYWS7"}, "").out, value);
        EXPECT_EQ(tool({"--database", db, "set", "INTERFACE", "PROBEWS7"}, "NONE\n").code, 0);
        EXPECT_EQ(tool({"--database", db, "list"}, "").out,
                  "INTERFACE\tPROBEWS7\tNONE\\n\n"
                  "INTERFACE\tXRAYWS7\tTROPHY\\nC:\\\\TW\\\\TW.EXE\\n\\r\\r\\nX\\x1AY\\tZähne\n");
        EXPECT_EQ(tool({"--database", db, "get", "INTERFACE", "XRAYWS8"}, "").code, toolexit::NoSuchSetting);

        EXPECT_EQ(tool({"--database", db, "--password", "wrong", "list"}, "").code, toolexit::Failure);
        envtest::ScopedVariable other("ZELT_DB_PASSWORD", "elsewhere");
        EXPECT_EQ(tool({"--database", db, "list"}, "").code, toolexit::Failure);
    }
}

} // namespace
} // namespace zw
