#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>

#include "env_test_support.h"

namespace zw {
namespace {

struct ToolResult {
    int code;
    std::string err;
};

// The built tool as the practice's IT person runs it; prefix runs it as another user, for example.
ToolResult Tool(const std::string& args, const std::string& prefix = "") {
    const envtest::TempFolder io;
    const std::string command = prefix + " '" + std::getenv("ZW_SETTINGS_TOOL") + "' " + args + " </dev/null 2>'" +
                                io.File("err") + "' >/dev/null";
    const int status = std::system(command.c_str());
    return {WEXITSTATUS(status), envtest::ReadFile(io.File("err"))};
}

class EnvDatabaseTool : public ::testing::Test {
protected:
    void SetUp() override {
        if (std::getenv("ZW_SETTINGS_TOOL") == nullptr)
            GTEST_SKIP() << "ZW_SETTINGS_TOOL names no tool";
    }
    envtest::ScopedVariable password{"ZELT_DB_PASSWORD", std::nullopt};
    envtest::TempFolder folder;
    std::string db = folder.File("ZELTWIN.MDB");
};

TEST_F(EnvDatabaseTool, PasswordsNobodyCouldOpenWithAreRefusedAndChangingThePasswordSwapsTheKey) {
    for (const char* args : {"--password 'ab;cd' create-database", "--password '' create-database"}) {
        EXPECT_EQ(Tool(std::string(args) + " '" + db + "'").code, 2) << args;
        EXPECT_FALSE(std::filesystem::exists(envtest::PathOf(db))) << args;
    }
    ASSERT_EQ(Tool("create-database '" + db + "'").code, 0);
    EXPECT_EQ(Tool("--database '" + db + "' change-password 'x;y'").code, 2);
    EXPECT_NE(Tool("--database '" + db + "' --password wrong change-password New#1").err.find("(error 3031)"),
              std::string::npos);
    ASSERT_EQ(Tool("--database '" + db + "' change-password New#1").code, 0);
    EXPECT_NE(Tool("--database '" + db + "' list").code, 0);
    EXPECT_EQ(Tool("--database '" + db + "' --password New#1 check").code, 0);
}

// As root every folder is writable; the tool runs as an ordinary user who may write the file but not make
// the journal beside it.
TEST_F(EnvDatabaseTool, AWriteInAReadOnlyFolderSaysTheFolderIsReadOnly) {
    if (geteuid() != 0 || std::system("command -v setpriv >/dev/null") != 0)
        GTEST_SKIP() << "needs root and setpriv to act as another user";
    ASSERT_EQ(Tool("create-database '" + db + "'").code, 0);
    chmod(db.c_str(), 0666);
    chmod(folder.path.c_str(), 0555);
    const ToolResult write =
        Tool("--database '" + db + "' set INTERFACE XRAYWS7", "setpriv --reuid=65534 --regid=65534 --clear-groups");
    chmod(folder.path.c_str(), 0755);
    EXPECT_EQ(write.code, 3);
    EXPECT_NE(write.err.find("read-only: the folder of"), std::string::npos) << write.err;
    EXPECT_NE(write.err.find("(error 3027)"), std::string::npos) << write.err;
}

} // namespace
} // namespace zw
#endif
