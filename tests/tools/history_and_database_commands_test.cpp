#include <gtest/gtest.h>

#include <sstream>

#include "environment/env_test_support.h"
#include "environment/environment_overrides.h"
#include "environment/product_database.h"
#include "tools/settings_tool.h"

namespace zw {
namespace {

struct Output {
    int code;
    std::string out;
};

class ToolCommands : public ::testing::Test {
protected:
    ToolCommands() { CreateProductDatabase(db, BuiltInDatabasePassword); }
    Output Tool(std::vector<std::string> args) const {
        args.insert(args.begin(), {"--database", db});
        std::ostringstream out, err;
        const int code = RunSettingsTool(args, {[] { return std::optional<std::string>(""); }, out, err});
        return {code, out.str() + err.str()};
    }

    envtest::TempFolder folder;
    envtest::ScopedVariable password{"ZELT_DB_PASSWORD", std::nullopt};
    envtest::ScopedVariable station{"ZELT_STATION", "FRONT"};
    std::string db = folder.File("ZELTWIN.MDB");
};

// Every writing command leaves rows that read as changes of the choice, newest first; stations shows who
// changed each station last.
TEST_F(ToolCommands, EveryWriteReadsAsAChangeOfTheChoice) {
    ASSERT_EQ(Tool({"apply", "--station", "WS2", "--bridge", "DIMAXIS=pw", "--bridge", "VIPERSOFT"}).code, 0);
    ASSERT_EQ(Tool({"apply", "--station", "WS2", "--bridge", "VIPERSOFT", "--device", "DI_GENDEX"}).code, 0);
    ASSERT_EQ(Tool({"copy", "--from", "WS2", "--to", "WS3"}).code, 0);
    ASSERT_EQ(Tool({"remove", "--station", "WS3"}).code, 0);
    const std::string csv = Tool({"history", "--format", "csv"}).out;
    const std::string expected[] = {
        ",WS3,xray,", "zwsettings remove,\"- VIPERSOFT\nDI_GENDEX removed\nvalue removed\"",
        ",WS3,xray,", "zwsettings copy,\"+ VIPERSOFT\nDI_GENDEX added\"",
        ",WS2,xray,", "zwsettings apply,\"- DIMAXIS\nDI_GENDEX added\"",
        ",WS2,xray,", "zwsettings apply,\"+ VIPERSOFT\n+ DIMAXIS ***\"",
    };
    size_t at = 0;
    for (std::string text : expected) {
        if (const size_t minus = text.find("- "); minus != std::string::npos && minus < 20)
            text.replace(minus, 1, "\xE2\x88\x92"); // a removal is written with the minus sign
        at = csv.find(text, at);
        ASSERT_NE(at, std::string::npos) << text << "\nin\n" << csv;
    }
    EXPECT_EQ(csv.find("pw"), std::string::npos) << "a password is never shown";

    const std::string ws2 = Tool({"history", "--station", "WS2", "--format", "json"}).out;
    EXPECT_EQ(ws2.find("WS3"), std::string::npos);
    EXPECT_NE(ws2.find("\"new\": \"VIPERSOFT\\n\\n\\rDI_GENDEX\\n\\n\\r\""), std::string::npos) << ws2;
    EXPECT_EQ(Tool({"history", "--since", "2999-01-01"}).out.find("WS2"), std::string::npos);
    EXPECT_EQ(Tool({"history", "--since", "last week"}).code, 2);
    EXPECT_NE(Tool({"stations"}).out.find("LAST CHANGE"), std::string::npos);
    EXPECT_NE(Tool({"stations", "--format", "json"}).out.find("\"lastChange\": {\"time\": \""), std::string::npos);
}

TEST_F(ToolCommands, ApplyDetectTakesOnlyWhatIsFoundOnThisWorkstation) {
    const Output none = Tool({"apply", "--bridge", "DEXIS", "--detect"});
    EXPECT_EQ(none.code, 1);
    EXPECT_NE(none.out.find("DEXIS: not found on this workstation; looked at:"), std::string::npos) << none.out;
    EXPECT_EQ(Tool({"apply", "--station", "WS9", "--bridge", "DEXIS", "--detect"}).code, 2);
    EXPECT_EQ(Tool({"history"}).out.find("DEXIS"), std::string::npos) << "nothing written";
}

TEST_F(ToolCommands, PasswordsNobodyCouldOpenWithAreRefusedAndChangingThePasswordSwapsTheKey) {
    for (const char* password : {"ab;cd", ""}) {
        EXPECT_EQ(Tool({"--password", password, "create-database", folder.File("NEW.MDB")}).code, 2) << password;
        EXPECT_FALSE(std::filesystem::exists(envtest::PathOf(folder.File("NEW.MDB")))) << password;
    }
    EXPECT_EQ(Tool({"change-password", "x;y"}).code, 2);
    EXPECT_NE(Tool({"--password", "wrong", "change-password", "New#1"}).out.find("(error 3031)"), std::string::npos);
    ASSERT_EQ(Tool({"change-password", "New#1"}).code, 0);
    EXPECT_EQ(Tool({"list"}).code, 3);
    EXPECT_EQ(Tool({"--password", "New#1", "check"}).out, "ok\n");
}

} // namespace
} // namespace zw
