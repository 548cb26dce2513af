#include <gtest/gtest.h>

#include "host/host_system.h"
#include "support/env_test_support.h"

namespace zw {
namespace {

// A new database goes into place under a name with umlauts (a practice's folder), never over another file
// unless the caller asks for that.
TEST(HostFiles, MoveNoReplaceKeepsWhatHasTheNameAndMoveReplacingReplacesIt) {
    envtest::TempFolder folder;
    const std::string from = folder.File("neu.tmp"), to = folder.File("Z\xC3\xA4hne.MDB");
    envtest::WriteFile(to, "old");

    envtest::WriteFile(from, "first");
    EXPECT_FALSE(host::MoveNoReplace(host::PathFromUtf8(from), host::PathFromUtf8(to)));
    EXPECT_EQ(envtest::ReadFile(to), "old");
    host::MoveReplacing(host::PathFromUtf8(from), host::PathFromUtf8(to));
    EXPECT_EQ(envtest::ReadFile(to), "first");

    envtest::WriteFile(from, "second");
    const std::string free = folder.File("fr\xC3\xA9.MDB");
    EXPECT_TRUE(host::MoveNoReplace(host::PathFromUtf8(from), host::PathFromUtf8(free)));
    EXPECT_EQ(envtest::ReadFile(free), "second");
    EXPECT_FALSE(std::filesystem::exists(host::PathFromUtf8(from))) << "the old name is gone";
}

} // namespace
} // namespace zw
