#include <map>

#include "support/dialog_checks.h"

namespace zw::test {
namespace {

const std::string OrthoCad = "C:\\Program Files\\Cadent\\OrthoCAD\\OrthoCAD.exe";
constexpr int D = 100; // D + k sets device k in code, as a stored choice does: hidden devices cannot be clicked

const std::string AppPaths = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\";
const std::string MediaDentServer = "CLSID\\{E83A9180-5A1A-45AF-8D55-00841FE3FD18}\\LocalServer32";
constexpr uint32_t HKLM = HKEY_LOCAL_MACHINE_VALUE, HKCR = HKEY_CLASSES_ROOT_VALUE;

// Each case: what the registry holds (0 nothing; 1 an older Schick with CDR.EXE, and NCDR.EXE under the wrong
// root, Schick Dicom and MediaDent; 2 these and a newer Schick with NCDR.EXE); Text1 texts before the clicks; the
// rows clicked; the selection and the panel afterwards.
using Case = std::tuple<int, std::map<int, std::string>, std::vector<int>, std::string>;

// After every click "None" is checked exactly when no other row of its list is, and each bridge row's box and Browse
// button are enabled exactly while the row is checked. Only the device "None" touches the bridge list, and only
// the VixWin row (7); the panel then shows "None", not VixWin.
TEST(Selection, ClicksKeepBothListsConsistentAndProposeDefaults) {
    const std::vector<Case> cases = {
        // Rows without a box change only "None" and the panel.
        {0, {}, {3, 5, 4, 7, 5}, "B 3 4 7 D 0 T Vipersoft|1.2"},
        // "None" clears every row, the last too; clicked while checked it stays checked.
        {0, {}, {3, 15, 0, 0}, "B 0 D 0 T 11=[" + OrthoCad + "] No Product Installed|"},
        // With nothing registered the Schick, Schick Dicom and MediaDent boxes stay empty (and enabled).
        {0, {}, {2, 13, 14}, "B 2 13 14 D 0 T MediaDent|4.01.30"},
        // A box of spaces is blank and takes the default as registered; a box with a text keeps it.
        {1, {{9, " "}}, {2, 13, 14}, "B 2 13 14 D 0 T 8=[C.EXE] 9=[D.EXE] 10=[\"M.EXE\" /a] MediaDent|4.01.30"},
        {2, {{8, "  "}, {9, "E"}}, {2, 13}, "B 2 13 D 0 T 8=[N.EXE] 9=[E] Schick - Dicom|3.5"},
        // "None" leaves the rows' texts alone; only unchecking Schick, Schick Dicom or MediaDent empties them.
        {2, {{1, "T"}}, {2, 3, 0}, "B 0 D 0 T 1=[T] 8=[N.EXE] No Product Installed|"},
        {1, {{11, "x"}}, {2, 13, 14, 15, 2, 13, 14, 15}, "B 0 D 0 T 11=[x] OrthoCAD|2.5"},
        {0, {}, {3, D + 1, D + 2, D + 1, D + 2}, "B 3 D 0 T AirTech - ScanX|VistaScan Version 0.3.75.0"},
        {0, {}, {7, 3, D + 4, D + 6, D}, "B 3 D 0 T None|"},
        {0, {}, {7, D, D + 1}, "B 0 D 1 T Gendex|DXScan 3.0.0.9"}};
    for (const auto& [registry, before, clicks, after] : cases) {
        DialogHarness h;
        h.Prepare([registry = registry](FakeEnvironment& env) {
            if (registry > 0) {
                env.SetRegistry(HKLM, AppPaths + "CDR.EXE", "", "C.EXE");
                env.SetRegistry(HKCR, AppPaths + "NCDR.EXE", "", "wrong root");
                env.SetRegistry(HKLM, AppPaths + "CDRDicom.EXE", "", "D.EXE");
                env.SetRegistry(HKCR, MediaDentServer, "", "\"M.EXE\" /a");
            }
            if (registry > 1)
                env.SetRegistry(HKLM, AppPaths + "NCDR.EXE", "", "N.EXE");
        });
        h.Load();
        auto& f = h.F();
        for (const auto& [box, text] : before)
            f.Text1(box).SetText(text);
        for (int clicked : clicks) {
            if (clicked < D)
                f.CheckBox1(clicked).UserClick();
            else
                f.DI_CheckBox1(clicked - D).SetValue(f.DI_CheckBox1(clicked - D).Value() == 1 ? 0 : 1);
            EXPECT_EQ(ListFaults(f), "") << after << ": after " << clicked;
        }
        EXPECT_EQ(Selection(f) + " " + Panel(f), after);
    }
}

// OrthoCAD fills a blank box even while it is being unchecked. ProImage counts as set up when Dentx.ini in the
// Windows folder names its main file; the message comes once (its text and the refusal without Dentx.ini are
// checked through the real program, tests/e2e/dialog_test.cpp); unchecking never asks.
TEST(Selection, OrthoCadFillsABlankBoxAndProImageNeedsItsMainFile) {
    DialogHarness h;
    h.Load();
    auto& f = h.F();
    f.CheckBox1(15).UserClick();
    f.Text1(11).SetText("");
    f.CheckBox1(15).UserClick();
    EXPECT_EQ(Selection(f), "B 0 D 0 T 11=[" + OrthoCad + "]");

    auto& profile = h.fakes.profile;
    profile.windowsDirectory = "C:\\WINNT";
    profile.files.insert("C:\\WINNT\\Dentx.ini"); // without a MainFile value
    f.CheckBox1(8).UserClick();
    EXPECT_EQ(Panel(f) + " " + Selection(f), "ProImage| B 0 D 0 T 11=[" + OrthoCad + "]");
    profile.ini["C:\\WINNT\\Dentx.ini"][{"imagemgt", "MainFile"}] = "C:\\PI\\ProImage.exe";
    f.CheckBox1(8).UserClick();
    EXPECT_EQ(f.CheckBox1(8).Value(), 1);
    profile.files.clear();
    f.CheckBox1(8).UserClick();
    EXPECT_EQ(h.fakes.messageBoxes.shown.size(), 1u);
}

} // namespace
} // namespace zw::test
