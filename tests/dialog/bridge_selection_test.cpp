#include <gtest/gtest.h>

#include <map>
#include <set>
#include <tuple>
#include <vector>

#include "fakes/dialog_harness.h"

namespace zw::test {
namespace {

const std::string AppPaths = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\";
const char* const OrthoCad = "C:\\Program Files\\Cadent\\OrthoCAD\\OrthoCAD.exe";
constexpr uint32_t HKLM = HKEY_LOCAL_MACHINE_VALUE, HKCR = HKEY_CLASSES_ROOT_VALUE;

// Each row's text box and Browse button, written out here so that a wrong row map is caught as well.
const std::map<int, std::pair<int, int>> RowControls = {{1, {0, 2}},  {2, {8, 7}},   {3, {1, 3}},    {4, {2, 4}},
                                                        {6, {3, 5}},  {9, {4, 6}},   {10, {5, -1}},  {11, {6, 8}},
                                                        {12, {7, 9}}, {13, {9, 10}}, {14, {10, 11}}, {15, {11, 12}}};

std::set<int> CheckedBridges(const frmZWIntStp& f) {
    std::set<int> rows;
    for (int row = 0; row <= 15; ++row)
        if (f.CheckBox1(row).Value() == 1)
            rows.insert(row);
    return rows;
}

struct Case {
    std::vector<std::tuple<uint32_t, std::string, std::string>> registry; // root, sub key, default value
    std::map<int, std::string> before;                                    // Text1 index -> text before the clicks
    std::vector<int> clicks;
    std::set<int> checked;
    std::map<int, std::string> after; // Text1 index -> text after the clicks
};

TEST(BridgeSelection, ClicksKeepTheListConsistentAndProposeDefaults) {
    const std::string ncdr = AppPaths + "NCDR.EXE", cdr = AppPaths + "CDR.EXE", dicom = AppPaths + "CDRDicom.EXE";
    const std::string mediaDent = "CLSID\\{E83A9180-5A1A-45AF-8D55-00841FE3FD18}\\LocalServer32";
    const std::vector<Case> cases = {
        {{}, {}, {3, 4}, {3, 4}, {}},
        {{}, {}, {3, 4, 3, 4}, {0}, {}},
        {{}, {}, {0, 0, 5, 7, 5}, {7}, {}},
        {{}, {}, {15, 9, 11, 12, 10, 1, 6}, {1, 6, 9, 10, 11, 12, 15}, {{11, OrthoCad}}},
        {{{HKLM, ncdr, "C:\\N\\NCDR.EXE"}, {HKLM, cdr, "C:\\C\\CDR.EXE"}}, {}, {2}, {2}, {{8, "C:\\N\\NCDR.EXE"}}},
        {{{HKLM, cdr, "C:\\C\\CDR.EXE"}, {HKCR, ncdr, "wrong root"}}, {}, {2}, {2}, {{8, "C:\\C\\CDR.EXE"}}},
        {{}, {}, {2}, {2}, {{8, ""}}},
        {{{HKLM, ncdr, "C:\\N\\NCDR.EXE"}}, {{8, "   "}}, {2}, {2}, {{8, "C:\\N\\NCDR.EXE"}}},
        {{{HKLM, dicom, "C:\\D\\CDRDicom.exe"}},
         {{9, " "}, {10, "E:\\mine.exe"}},
         {13, 14},
         {13, 14},
         {{9, "C:\\D\\CDRDicom.exe"}, {10, "E:\\mine.exe"}}},
        {{{HKCR, mediaDent, "\"C:\\MD\\MediaDent.exe\" /automation"}},
         {},
         {14},
         {14},
         {{10, "\"C:\\MD\\MediaDent.exe\" /automation"}}},
        // "None" leaves the rows' texts alone; only unchecking Schick, Schick Dicom or MediaDent empties them.
        {{{HKLM, ncdr, "C:\\N\\NCDR.EXE"}},
         {{1, "C:\\tv.exe"}},
         {2, 3, 0},
         {0},
         {{8, "C:\\N\\NCDR.EXE"}, {1, "C:\\tv.exe"}}},
        {{},
         {{8, "x"}, {9, "y"}, {10, "z"}, {11, "E:\\o.exe"}},
         {2, 13, 14, 15, 2, 13, 14, 15},
         {0},
         {{8, ""}, {9, ""}, {10, ""}, {11, "E:\\o.exe"}}},
    };
    for (const auto& c : cases) {
        DialogHarness h;
        h.Prepare([&c](FakeEnvironment& env) {
            for (const auto& [root, key, value] : c.registry)
                env.SetRegistry(root, key, "", value);
        });
        h.Load();
        auto& f = h.F();
        for (const auto& [box, text] : c.before)
            f.Text1(box).SetText(text);
        for (int clicked : c.clicks) {
            f.CheckBox1(clicked).UserClick();
            for (const auto& [row, controls] : RowControls) {
                const bool on = f.CheckBox1(row).Value() == 1;
                EXPECT_EQ(f.Text1(controls.first).Enabled(), on) << "row " << row;
                if (controls.second >= 0)
                    EXPECT_EQ(f.Command1(controls.second).Enabled(), on) << "row " << row;
            }
            const auto checked = CheckedBridges(f);
            EXPECT_TRUE(checked == std::set<int>{0} || (!checked.empty() && checked.count(0) == 0));
            EXPECT_EQ(f.CheckBox1(0).Tag(), "");
        }
        EXPECT_EQ(CheckedBridges(f), c.checked);
        for (const auto& [box, text] : c.after)
            EXPECT_EQ(f.Text1(box).Text(), text) << "Text1(" << box << ")";
    }
}

TEST(BridgeSelection, OrthoCadUncheckedWithBlankBoxGetsItsPath) {
    DialogHarness h;
    h.Load();
    h.F().CheckBox1(15).UserClick();
    h.F().Text1(11).SetText("");
    h.F().CheckBox1(15).UserClick();
    EXPECT_EQ(h.F().Text1(11).Text(), OrthoCad);
    EXPECT_FALSE(h.F().Text1(11).Enabled());
}

TEST(BridgeSelection, PanelFollowsClicksAndFocus) {
    DialogHarness h;
    h.Load();
    auto& f = h.F();
    f.CheckBox1(3).RaiseGotFocus();
    EXPECT_EQ(f.Label2(2).Caption() + "|" + f.Label2(4).Caption(), "TigerView|5.1");
    EXPECT_EQ(CheckedBridges(f), (std::set<int>{0}));
    f.CheckBox1(0).UserClick();
    EXPECT_EQ(f.Label2(2).Caption() + "|" + f.Label2(4).Caption(), "No Product Installed|");
}

TEST(BridgeSelection, ProImageIsRefusedUnlessDentxIniNamesItsMainFile) {
    DialogHarness h;
    h.Load();
    auto& f = h.F();
    auto& boxes = h.fakes.messageBoxes;
    int valueWhileShown = -1;
    boxes.onShow = [&](const FakeMessageBoxes::Shown&) { valueWhileShown = f.CheckBox1(8).Value(); };
    f.CheckBox1(8).UserClick();
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].text, "You do not have ProImage setup on this computer, Please install PorImage program "
                                   "to this computer before you select this option");
    EXPECT_EQ(boxes.shown[0].style, mb::OKOnly);
    EXPECT_EQ(boxes.shown[0].title, ProgramTitle);
    EXPECT_EQ(valueWhileShown, 1);
    EXPECT_EQ(CheckedBridges(f), (std::set<int>{0}));
    EXPECT_EQ(f.Label2(2).Caption(), "ProImage");

    h.fakes.profile.files.insert("C:\\WINDOWS\\Dentx.ini");
    h.fakes.profile.ini["C:\\WINDOWS\\Dentx.ini"][{"imagemgt", "MainFile"}] = "C:\\PI\\ProImage.exe";
    f.CheckBox1(8).UserClick();
    EXPECT_EQ(CheckedBridges(f), (std::set<int>{8}));
    h.fakes.profile.files.clear(); // taken away again: unchecking never asks
    f.CheckBox1(8).UserClick();
    EXPECT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(CheckedBridges(f), (std::set<int>{0}));
}

TEST(BridgeSelection, DentxMainFileNeedsWindowsFolderFileAndValue) {
    DialogHarness h;
    auto& profile = h.fakes.profile;
    profile.windowsDirectory = "C:\\WINNT";
    EXPECT_EQ(h.F().ReadDentxMainFile(), "");
    profile.files.insert("C:\\WINNT\\Dentx.ini");
    EXPECT_EQ(h.F().ReadDentxMainFile(), "");
    profile.ini["C:\\WINNT\\Dentx.ini"][{"imagemgt", "MainFile"}] = "C:\\PI\\main.exe";
    EXPECT_EQ(h.F().ReadDentxMainFile(), "C:\\PI\\main.exe");
    EXPECT_EQ(profile.bufferSizes, (std::vector<unsigned>{255, 255, 2048, 255, 2048}));
    profile.windowsDirectory = ""; // no Windows folder: a Dentx.ini at the root is not read
    profile.files.insert("\\Dentx.ini");
    profile.ini["\\Dentx.ini"][{"imagemgt", "MainFile"}] = "x";
    EXPECT_EQ(h.F().ReadDentxMainFile(), "");
}

} // namespace
} // namespace zw::test
