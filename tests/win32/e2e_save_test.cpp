// The whole cycle through the real program: choose, press OK or close the window, and find the X-ray
// setting in the product database; a missing program file keeps the dialog open and writes nothing.
#include "e2e_dialog_fixture.h"

namespace zw::e2e {
namespace {

constexpr const wchar_t* NcdrAppPath = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\NCDR.EXE";
constexpr const wchar_t* ProblemHeading = L"ZELT Interface setup has found the following problem:\r\n\r\n";

class SaveTest : public DialogTest {
protected:
    // A Schick program file in the product folder's own tree, registered in App Paths.
    std::wstring SchickProgram() const { return folder.Path() + L"\\CDR\\NCDR.EXE"; }
};

TEST_F(SaveTest, SchickAndOkStoresItsRecordAndEnds) {
    WriteTextFile(SchickProgram(), "MZ");
    RegistryValue registered(HKEY_LOCAL_MACHINE, NcdrAppPath, L"", SchickProgram());
    Start();

    program->Click(ids::CheckBox1(2));
    ASSERT_EQ(program->Text(ids::Text1(8)), SchickProgram());
    program->PostClick(ids::OK);
    ExpectCleanExit();

    EXPECT_EQ(StoredXray(), "SCHICK\n" + Narrow(SchickProgram()) + "\n\r");
}

TEST_F(SaveTest, AMissingProgramFileIsReportedAndNothingIsWritten) {
    RegistryValue registered(HKEY_LOCAL_MACHINE, NcdrAppPath, L"", SchickProgram()); // no such file
    const std::string before = folder.Settings().List();
    Start();

    program->Click(ids::CheckBox1(2));
    program->PostClick(ids::OK);
    auto box = program->WaitForMessageBox();
    ASSERT_TRUE(box) << "no problem message; exited: " << program->HasExited();
    EXPECT_EQ(box->Text(), std::wstring(ProblemHeading) + L"\r\nCan not find file [" + SchickProgram() + L"]");
    EXPECT_TRUE(box->HasButton(IDOK));
    EXPECT_FALSE(box->HasIcon());
    box->Answer(IDOK);

    // The dialog stays, with the choice as it was; Cancel then ends it without writing.
    EXPECT_FALSE(program->HasExited());
    EXPECT_EQ(program->CheckState(ids::CheckBox1(2)), BST_CHECKED);
    program->PostClick(ids::Cancel);
    ExpectCleanExit();
    EXPECT_EQ(folder.Settings().List(), before);
}

TEST_F(SaveTest, ClosingTheWindowStoresAValidChoiceLikeOk) {
    struct Case {
        std::vector<int> rows; // bridge rows to check; none: the None choice as loaded
        std::string stored;
    };
    const Case cases[] = {
        {{}, "NONE\n\n\r"},
        {{5, 7}, "VIPERSOFT\n\n\rGENDEX\n\n\r"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored);
        StoreXray("TROPHY\nC:\\OLD\\TW.EXE\n\r");
        Start();
        // The stored Trophy row points at no file; None clears it before the new choice.
        program->Click(ids::CheckBox1(0));
        for (int row : c.rows)
            program->Click(ids::CheckBox1(row));
        program->PostClose();
        ExpectCleanExit();
        EXPECT_EQ(StoredXray(), c.stored);
        program.reset();
    }
}

TEST_F(SaveTest, ClosingTheWindowWithAProblemKeepsItOpen) {
    StoreXray("DEXIS\nC:\\NOWHERE\\DEXIS.EXE\n\r");
    Start();

    program->PostClose();
    auto box = program->WaitForMessageBox();
    ASSERT_TRUE(box) << "no problem message; exited: " << program->HasExited();
    EXPECT_EQ(box->Text(), std::wstring(ProblemHeading) + L"\r\nCan not find file [C:\\NOWHERE\\DEXIS.EXE]");
    box->Answer(IDOK);

    EXPECT_FALSE(program->HasExited());
    EXPECT_TRUE(IsWindowVisible(GetParent(program->Control(ids::ts))));
    program->PostClick(ids::Cancel);
    ExpectCleanExit();
    EXPECT_EQ(StoredXray(), "DEXIS\nC:\\NOWHERE\\DEXIS.EXE\n\r");
}

} // namespace
} // namespace zw::e2e
