// Start-up and the plain end of the program: the dialog alone, and a clean end when it is closed (the
// database message for each kind of unusable database is in e2e_database_test.cpp).
#include "harness.h"

namespace zw::e2e {
namespace {

using StartupTest = DialogTest;

TEST_F(StartupTest, WithADatabaseTheDialogComesAloneAndClosingItEndsCleanly) {
    Start();
    EXPECT_EQ(OpenBoxes(), "");
    PostClose();
    ExpectCleanExit();
}

} // namespace
} // namespace zw::e2e
