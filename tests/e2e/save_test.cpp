// The whole cycle through the real program: choose, press OK or close the window, and find the X-ray setting
// in the product database; a missing program file keeps the dialog open and writes nothing.
#include "harness.h"

namespace zw::e2e {
namespace {

class SaveTest : public DialogTest {
protected:
    // A Schick program in the product folder's own tree, registered in App Paths.
    std::wstring Schick() const { return Folder() + L"\\CDR\\NCDR.EXE"; }
};

TEST_F(SaveTest, SchickAndOkStoresItsRecordAndEnds) {
    Touch(Schick());
    AppPath registered(L"NCDR.EXE", Schick());
    Start();
    Click(CheckBox1 + 2);
    ASSERT_EQ(Text(Text1 + 8), Schick());
    PostClick(OK);
    ExpectCleanExit();
    EXPECT_EQ(StoredXray(), "SCHICK\n" + Narrow(Schick()) + "\n\r");
}

TEST_F(SaveTest, AMissingProgramFileIsReportedAndNothingIsWritten) {
    AppPath registered(L"NCDR.EXE", Schick()); // no such file
    const std::string before = ListSettings();
    Start();
    Click(CheckBox1 + 2);
    PostClick(OK);
    auto box = WaitForMessageBox();
    ASSERT_TRUE(box) << "no problem message";
    EXPECT_EQ(box->Text(), L"ZELT Interface setup has found the following problem:\r\n\r\n\r\nCan not find file [" +
                               Schick() + L"]");
    box->Answer(IDOK);
    // The dialog stays with the choice as it was; Cancel then ends it without writing.
    EXPECT_EQ(Check(CheckBox1 + 2), BST_CHECKED);
    PostClick(Cancel);
    ExpectCleanExit();
    EXPECT_EQ(ListSettings(), before);
}

TEST_F(SaveTest, ClosingFromTheTitleBarStoresValidChoicesLikeOk) {
    Start();
    Click(CheckBox1 + 5);
    Click(CheckBox1 + 7);
    PostClose();
    ExpectCleanExit();
    EXPECT_EQ(StoredXray(), "VIPERSOFT\n\n\rGENDEX\n\n\r");
}

} // namespace
} // namespace zw::e2e
