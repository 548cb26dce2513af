// The settings tool and the real program on one database: a choice applied by the tool is what the program
// opens with, and a choice saved in the program is what the tool shows, with who saved it.
#include "harness.h"

namespace zw::e2e {
namespace {

using ToolTest = DialogTest;

TEST_F(ToolTest, AChoiceAppliedByTheToolOpensInTheProgram) {
    const std::wstring schick = Folder() + L"\\CDR\\NCDR.EXE";
    Touch(schick);
    RunTool({L"--database", Database(), L"apply", L"--bridge", L"schick=" + schick, L"--bridge", L"VIPERSOFT",
             L"--device", L"DI_SCANX", L"--quiet"});
    Start();
    EXPECT_EQ(Check(CheckBox1 + 2), BST_CHECKED);
    EXPECT_EQ(Text(Text1 + 8), schick);
    EXPECT_EQ(Check(CheckBox1 + 5), BST_CHECKED);
    EXPECT_EQ(Check(CheckBox1 + 0), BST_UNCHECKED);
    EXPECT_EQ(Check(DI_CheckBox1 + 2), BST_CHECKED);
    PostClick(Cancel);
    ExpectCleanExit();
}

TEST_F(ToolTest, AChoiceSavedInTheProgramIsShownByTheTool) {
    Start();
    Click(CheckBox1 + 10); // Dimaxis: its password is shown as ***
    SetText(Text1 + 5, L"geheim");
    Click(CheckBox1 + 7);
    PostClick(OK);
    ExpectCleanExit();
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

} // namespace
} // namespace zw::e2e
