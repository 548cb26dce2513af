// Choosing bridges in the real dialog: defaults from the prefix's registry, the ProImage set-up test against
// the real Windows folder, and a stored choice shown at start.
#include "harness.h"

namespace zw::e2e {
namespace {

using SelectionTest = DialogTest;

TEST_F(SelectionTest, CheckingSchickTakesTheRegisteredProgramAndShowsItsProduct) {
    AppPath registered(L"NCDR.EXE", L"C:\\CDR\\NCDR.EXE");
    Start();
    Click(CheckBox1 + 2);
    EXPECT_EQ((std::vector<int>{Check(CheckBox1), Check(CheckBox1 + 2)}), (std::vector<int>{0, 1}));
    EXPECT_EQ((std::vector<std::wstring>{Text(Text1 + 8), Text(Label2 + 2), Text(Label2 + 4)}),
              (std::vector<std::wstring>{L"C:\\CDR\\NCDR.EXE", L"Schick", L"2.6"}));
    EXPECT_TRUE(IsWindowEnabled(Control(Text1 + 8)));
}

TEST_F(SelectionTest, ProImageWithoutDentxIniIsRefusedWithItsMessage) {
    wchar_t windows[MAX_PATH] = {};
    GetWindowsDirectoryW(windows, MAX_PATH);
    DeleteFileW((std::wstring(windows) + L"\\Dentx.ini").c_str());
    Start();
    PostClick(CheckBox1 + 8);
    auto box = WaitForMessageBox();
    ASSERT_TRUE(box) << "no message; on screen: " << OpenBoxes();
    EXPECT_EQ(box->Text(), L"You do not have ProImage setup on this computer, Please install PorImage program to this "
                           L"computer before you select this option");
    box->Answer(IDOK);
    // The product panel is filled after the refusal: once it shows, the click has been handled.
    EXPECT_TRUE(WaitUntil([&] { return Text(Label2 + 2) == L"ProImage"; }));
    EXPECT_EQ((std::vector<int>{Check(CheckBox1), Check(CheckBox1 + 8)}), (std::vector<int>{1, 0}));
}

TEST_F(SelectionTest, TheStoredChoiceOpensShown) {
    StoreXray("SCHICK\nC:\\CDR\\NCDR.EXE\n\rdexis\nf:\\dexis\\DEXIS.EXE\n\rDI_SCANX\n\n\r");
    Start();
    EXPECT_EQ((std::vector<int>{Check(CheckBox1), Check(CheckBox1 + 1), Check(CheckBox1 + 2), Check(CheckBox1 + 4),
                                Check(DI_CheckBox1), Check(DI_CheckBox1 + 2)}),
              (std::vector<int>{0, 0, 1, 1, 0, 1}));
    EXPECT_EQ(Text(Text1 + 8) + L"|" + Text(Text1 + 2), L"C:\\CDR\\NCDR.EXE|f:\\dexis\\DEXIS.EXE");
    EXPECT_TRUE(IsWindowEnabled(Control(Text1 + 8)));
    EXPECT_FALSE(IsWindowEnabled(Control(Text1)));
}

} // namespace
} // namespace zw::e2e
