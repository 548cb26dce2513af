// Choosing bridges in the real dialog: defaults from the registry of the prefix, the ProImage set-up test
// against the real Windows folder, the product panel, and a stored choice shown at start.
#include "e2e_dialog_fixture.h"

namespace zw::e2e {
namespace {

constexpr const wchar_t* AppPaths = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\";
constexpr const wchar_t* ProImageMessage =
    L"You do not have ProImage setup on this computer, Please install PorImage program to this computer before you "
    L"select this option";

std::wstring DentxIni() {
    return WindowsFolder() + L"\\Dentx.ini";
}

class SelectionTest : public DialogTest {};

TEST_F(SelectionTest, CheckingSchickTakesTheRegisteredProgramAndShowsItsProduct) {
    struct Case {
        const wchar_t* ncdr; // App Paths value of NCDR.EXE, null: not registered
        const wchar_t* cdr;  // of CDR.EXE
        const wchar_t* expected;
    };
    const Case cases[] = {
        {L"C:\\CDR\\NCDR.EXE", L"C:\\OLD\\CDR.EXE", L"C:\\CDR\\NCDR.EXE"},
        {nullptr, L"D:\\Imaging\\CDR.EXE", L"D:\\Imaging\\CDR.EXE"},
        {nullptr, nullptr, L""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Narrow(c.expected));
        std::optional<RegistryValue> ncdr, cdr;
        if (c.ncdr != nullptr)
            ncdr.emplace(HKEY_LOCAL_MACHINE, std::wstring(AppPaths) + L"NCDR.EXE", L"", c.ncdr);
        if (c.cdr != nullptr)
            cdr.emplace(HKEY_LOCAL_MACHINE, std::wstring(AppPaths) + L"CDR.EXE", L"", c.cdr);
        Start();

        program->Click(ids::CheckBox1(2));
        EXPECT_EQ(program->CheckState(ids::CheckBox1(2)), BST_CHECKED);
        EXPECT_EQ(program->CheckState(ids::CheckBox1(0)), BST_UNCHECKED);
        EXPECT_EQ(program->Text(ids::Text1(8)), c.expected);
        EXPECT_TRUE(program->IsEnabled(ids::Text1(8)));
        EXPECT_TRUE(program->IsEnabled(ids::Command1(7)));
        EXPECT_EQ(program->Text(ids::Label2(2)), L"Schick");
        EXPECT_EQ(program->Text(ids::Label2(4)), L"2.6");

        // Unchecking the row empties its box again and gives "None" back.
        program->Click(ids::CheckBox1(2));
        EXPECT_EQ(program->Text(ids::Text1(8)), L"");
        EXPECT_FALSE(program->IsEnabled(ids::Text1(8)));
        EXPECT_EQ(program->CheckState(ids::CheckBox1(0)), BST_CHECKED);

        program->PostClose();
        ExpectCleanExit();
        program.reset();
    }
}

TEST_F(SelectionTest, ProImageWithoutDentxIniIsRefusedWithItsMessage) {
    ScopedFile noIni(DentxIni(), std::nullopt);
    Start();

    program->PostClick(ids::CheckBox1(8));
    auto box = program->WaitForMessageBox();
    ASSERT_TRUE(box) << "no message; on screen: " << program->DescribeOpenBoxes();
    EXPECT_EQ(box->Text(), ProImageMessage);
    EXPECT_TRUE(box->HasButton(IDOK));
    EXPECT_FALSE(box->HasButton(IDCANCEL));
    EXPECT_FALSE(box->HasIcon());
    box->Answer(IDOK);

    EXPECT_TRUE(WaitUntil([&] { return program->Text(ids::Label2(2)) == L"ProImage"; }));
    EXPECT_EQ(program->CheckState(ids::CheckBox1(8)), BST_UNCHECKED);
    EXPECT_EQ(program->CheckState(ids::CheckBox1(0)), BST_CHECKED);
    EXPECT_EQ(program->Text(ids::Label2(4)), L"");
}

TEST_F(SelectionTest, ProImageSetUpInDentxIniStaysCheckedWithoutAMessage) {
    ScopedFile ini(DentxIni(), "[imagemgt]\r\nMainFile=C:\\ProImage\\Main.exe\r\n");
    Start();

    // A box would keep this press from being answered: Click fails then.
    program->Click(ids::CheckBox1(8));
    EXPECT_EQ(program->CheckState(ids::CheckBox1(8)), BST_CHECKED);
    EXPECT_EQ(program->CheckState(ids::CheckBox1(0)), BST_UNCHECKED);
    EXPECT_TRUE(program->DialogBoxes().empty()) << program->DescribeOpenBoxes();
    EXPECT_EQ(program->Text(ids::Label2(2)), L"ProImage");
}

TEST_F(SelectionTest, TheStoredChoiceOpensShown) {
    StoreXray("SCHICK\nC:\\CDR\\NCDR.EXE\n\rdexis\nf:\\dexis\\DEXIS.EXE\n\rDI_SCANX\n\n\r");
    Start();

    EXPECT_EQ(program->CheckState(ids::CheckBox1(0)), BST_UNCHECKED);
    EXPECT_EQ(program->CheckState(ids::CheckBox1(2)), BST_CHECKED);
    EXPECT_EQ(program->CheckState(ids::CheckBox1(4)), BST_CHECKED);
    EXPECT_EQ(program->Text(ids::Text1(8)), L"C:\\CDR\\NCDR.EXE");
    EXPECT_EQ(program->Text(ids::Text1(2)), L"f:\\dexis\\DEXIS.EXE");
    EXPECT_TRUE(program->IsEnabled(ids::Text1(8)));
    EXPECT_TRUE(program->IsEnabled(ids::Command1(4)));
    // Rows not stored stay unchecked and closed.
    EXPECT_EQ(program->CheckState(ids::CheckBox1(1)), BST_UNCHECKED);
    EXPECT_FALSE(program->IsEnabled(ids::Text1(0)));
    EXPECT_EQ(program->CheckState(ids::DI_CheckBox1(2)), BST_CHECKED);
    EXPECT_EQ(program->CheckState(ids::DI_CheckBox1(0)), BST_UNCHECKED);
    // It opens on the Bridge tab.
    EXPECT_TRUE(program->IsVisible(ids::Picture1(0)));
    EXPECT_FALSE(program->IsVisible(ids::Picture1(1)));
}

} // namespace
} // namespace zw::e2e
