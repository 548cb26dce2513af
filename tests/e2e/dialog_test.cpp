// The whole cycle through the real program: the dialog alone at start, bridges chosen with defaults from the
// prefix's registry, OK, the title bar or Esc, and the X-ray setting found in the product database, as the
// settings tool shows it; a choice applied by the tool is what the program opens with.
#include <cmath>

#include "harness.h"

namespace zw::e2e {
namespace {

class DialogE2e : public DialogTest {
protected:
    // A Schick program in the product folder's own tree, registered in App Paths.
    std::wstring Schick() const { return Folder() + L"\\CDR\\NCDR.EXE"; }
};

TEST_F(DialogE2e, CheckingSchickTakesTheRegisteredProgramShowsItsProductAndOkStoresItsRecord) {
    Touch(Schick());
    AppPath registered(L"NCDR.EXE", Schick());
    Start();
    Click(CheckBox1 + 2);
    EXPECT_EQ((std::vector<int>{Check(CheckBox1), Check(CheckBox1 + 2)}), (std::vector<int>{0, 1}));
    EXPECT_EQ((std::vector<std::wstring>{Text(Text1 + 8), Text(Label2 + 2), Text(Label2 + 4)}),
              (std::vector<std::wstring>{Schick(), L"Schick", L"2.6"}));
    EXPECT_TRUE(IsWindowEnabled(Control(Text1 + 8)));
    PostClick(OK);
    ExpectExit();
    EXPECT_EQ(StoredXray(), "SCHICK\n" + Narrow(Schick()) + "\n\r");
}

TEST_F(DialogE2e, AMissingProgramFileIsReportedAndNothingIsWritten) {
    AppPath registered(L"NCDR.EXE", Schick()); // no such file
    const std::string before = RunTool({L"--database", Database(), L"list"});
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
    ExpectExit();
    EXPECT_EQ(RunTool({L"--database", Database(), L"list"}), before);
}

TEST_F(DialogE2e, ClosingFromTheTitleBarStoresValidChoicesLikeOkAndTheToolShowsThemWithWhoSavedThem) {
    Start();
    EXPECT_EQ(OpenBoxes(), "") << "the dialog comes alone";
    Click(CheckBox1 + 10); // Dimaxis: its password is shown as ***
    SetText(Text1 + 5, L"geheim");
    Click(CheckBox1 + 7);
    PostClose();
    ExpectExit();
    // The tool's get hides the password too.
    EXPECT_EQ(StoredXray(), "GENDEX\n\n\rDIMAXIS\n***\n\r");
    EXPECT_EQ(RunTool({L"--database", Database(), L"show", L"--format", L"json"}),
              "{\"station\": \"E2E\", \"bridges\": [{\"code\": \"GENDEX\", \"commandLine\": \"\"}, {\"code\": "
              "\"DIMAXIS\", \"commandLine\": \"***\"}], \"devices\": [], \"probeProgram\": null}\n");
    // The history names the save: this workstation, the program, what changed, and a user.
    const std::string history = RunTool({L"--database", Database(), L"history", L"--format", L"json"});
    for (const char* part : {"\"station\": \"E2E\", \"value\": \"xray\", \"user\": \"",
                             "\"workstation\": \"E2E\", \"writer\": \"ZWInterfaceSetup\"",
                             "\"changes\": [\"+ GENDEX\", \"+ DIMAXIS ***\"], \"old\": null"})
        EXPECT_NE(history.find(part), std::string::npos) << part << "\nin " << history;
    EXPECT_EQ(history.find("\"user\": \"\""), std::string::npos) << "a user name";
}

TEST_F(DialogE2e, EscClosesWithoutWritingEvenAValidChoice) {
    Start();
    // Gendex needs no program file, so OK would store this choice.
    Click(CheckBox1 + 7);
    ASSERT_EQ(Check(CheckBox1 + 7), BST_CHECKED);
    PressKey(VK_ESCAPE);
    ExpectExit();
    EXPECT_EQ(StoredXray(), std::nullopt);
}

TEST_F(DialogE2e, ProImageWithoutDentxIniIsRefusedWithItsMessage) {
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

TEST_F(DialogE2e, AChoiceAppliedByTheToolOpensInTheProgram) {
    Touch(Schick());
    RunTool({L"--database", Database(), L"apply", L"--bridge", L"schick=" + Schick(), L"--bridge", L"VIPERSOFT",
             L"--device", L"DI_SCANX", L"--quiet"});
    Start();
    EXPECT_EQ((std::vector<int>{Check(CheckBox1), Check(CheckBox1 + 1), Check(CheckBox1 + 2), Check(CheckBox1 + 5),
                                Check(DI_CheckBox1), Check(DI_CheckBox1 + 2)}),
              (std::vector<int>{0, 0, 1, 1, 0, 1}));
    EXPECT_EQ(Text(Text1 + 8), Schick());
    // Only a checked row's box can be typed into.
    EXPECT_TRUE(IsWindowEnabled(Control(Text1 + 8)));
    EXPECT_FALSE(IsWindowEnabled(Control(Text1)));
    PostClick(Cancel);
    ExpectExit();
}

TEST_F(DialogE2e, OkAndCancelStandOneGapBelowTheTabStrip) {
    Start();
    // Designed twips as the view places them: over twips per pixel, rounded.
    const auto px = [dpi = GetDpiForWindow(dialog_)](int twips) { return std::lround(twips * dpi / 1440.0); };
    const std::vector<long> tabs = Placed(TabStrip);
    const long top = tabs[1] + tabs[3] + 4;
    EXPECT_EQ(Placed(OK), (std::vector<long>{px(4710), top, px(1050), px(405)}));
    EXPECT_EQ(Placed(Cancel), (std::vector<long>{px(5850), top, px(1050), px(405)}));
    EXPECT_EQ(Text(OK) + L"|" + Text(Cancel), L"&OK|&Cancel");
}

} // namespace
} // namespace zw::e2e
