#include <gtest/gtest.h>

#include "host/host_system.h"
#include "support/env_test_support.h"

namespace zw {
namespace {

// A new database goes into place under a name with umlauts (a practice's folder), never over another file.
// (A move to a free name is every creation of a database; the move that replaces is the change of a
// database's password: both are tested with the product database.)
TEST(HostFiles, MoveNoReplaceKeepsWhatHasTheName) {
    envtest::TempFolder folder;
    const std::string from = folder.File("neu.tmp"), to = folder.File("Z\xC3\xA4hne.MDB");
    envtest::WriteFile(to, "old");
    envtest::WriteFile(from, "new");
    EXPECT_FALSE(host::MoveNoReplace(host::PathFromUtf8(from), host::PathFromUtf8(to)));
    EXPECT_EQ(envtest::ReadFile(to), "old");
}

} // namespace
} // namespace zw
