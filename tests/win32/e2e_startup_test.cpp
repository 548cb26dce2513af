// Start-up and the plain ends of the program: the database message when the product database cannot be
// opened, and a clean end when the dialog is closed.
#include <filesystem>

#include "e2e_harness.h"

namespace zw::e2e {
namespace {

using StartupTest = DialogTest;

TEST_F(StartupTest, WithoutADatabaseTheMessageComesAndAfterOkTheProgramEndsHavingWrittenNothing) {
    DeleteFileW(Database().c_str());
    Start(false);
    auto box = WaitForMessageBox();
    ASSERT_TRUE(box) << "no message box; on screen: " << OpenBoxes();
    EXPECT_EQ(box->Text(), L"Can not open database, This program must run in ZELTWIN directory");
    box->Answer(IDOK);
    ExpectCleanExit();
    // Opening must not have made an empty database, nor anything else, in passing.
    std::vector<std::wstring> files;
    for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::path(Folder())))
        files.push_back(entry.path().filename().wstring());
    EXPECT_EQ(files, std::vector<std::wstring>{L"ZWInterfaceSetup.exe"});
}

TEST_F(StartupTest, WithADatabaseTheDialogComesAloneAndClosingItEndsCleanly) {
    Start();
    EXPECT_EQ(OpenBoxes(), "");
    PostClose();
    ExpectCleanExit();
}

} // namespace
} // namespace zw::e2e
