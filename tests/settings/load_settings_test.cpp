#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <set>
#include <vector>

#include "controls/control_observer.h"
#include "fakes/dialog_harness.h"

namespace zw::test {
namespace {

const char* const NcdrKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\NCDR.EXE";
const char* const MediaDentKey = "CLSID\\{E83A9180-5A1A-45AF-8D55-00841FE3FD18}\\LocalServer32";

std::set<int> Checked(const ControlArray<CheckBox>& list) {
    std::set<int> rows;
    list.ForEach([&](const CheckBox& box) {
        if (box.Value() == 1)
            rows.insert(box.Index());
    });
    return rows;
}

// Counts the value changes of one check box.
struct ValueChanges : ControlObserver {
    const Control* watched;
    int count = 0;
    explicit ValueChanges(const Control& c) : watched(&c) {}
    void PropertyChanged(Control& control, Property property) override {
        count += &control == watched && property == Property::Value;
    }
};

struct LoadCase {
    const char* name;
    std::optional<std::string> xray;
    std::set<int> bridges, devices;
    std::map<int, std::string> texts; // Text1 index -> text; every other box must be empty
};

TEST(LoadInterfaceSettings, AppliesStoredRecordsInOrderThroughTheClickBehaviour) {
    const std::vector<LoadCase> cases = {
        {"nothing stored", std::nullopt, {0}, {0}, {}},
        {"empty value", "", {0}, {0}, {}},
        {"trophy and suni", "TROPHY\nC:\\T\\TW.EXE\n\rDI_SUNI\n\n\r", {1}, {6}, {{0, "C:\\T\\TW.EXE"}}},
        {"several",
         "TIGER\n tv.exe\n\rDEXIS\nd.exe\n\rGENDEX\n\n\rDI_GENDEX\n\n\rDI_SCANX\n\n\r",
         {3, 4, 7},
         {1, 2},
         {{1, " tv.exe"}, {2, "d.exe"}}},
        {"none after a bridge", "TIGER\nt\n\rNONE\n\n\rDEXIS\nd\n\r", {4}, {0}, {{1, "t"}, {2, "d"}}},
        {"unknown codes skipped", "FOO\nbar\n\r NONE\n\n\rSIDEXIS\ns\nthird\n\r", {6}, {0}, {{3, "s"}}},
        {"empty record ends the value", "TIGER\nt\n\r\rDEXIS\nd\n\r", {3}, {0}, {{1, "t"}}},
        {"lower case, no terminators", "dimaxis\npw\n\rtrophy\nC:\\x", {1, 10}, {0}, {{0, "C:\\x"}, {5, "pw"}}},
        {"both XVA codes", "XVA3DMD\na.exe\n\rLIGHTYEAR\nb.exe\n\r", {9}, {0}, {{4, "b.exe"}}},
        {"stored Schick text wins", "SCHICK\n\n\rSCHICK-DICOM\nC:\\D.EXE\n\r", {2, 13}, {0}, {{9, "C:\\D.EXE"}}},
        {"MediaDent takes its default", "MEDIADENT\n\n\r", {14}, {0}, {{10, "\"C:\\MD.EXE\" /a"}}},
        {"OrthoCAD takes its default",
         "ORTHOCAD\n\n\rDICOM\nx\n\rIMAGEFX\ny\n\r",
         {11, 12, 15},
         {0},
         {{6, "x"}, {7, "y"}, {11, "C:\\Program Files\\Cadent\\OrthoCAD\\OrthoCAD.exe"}}},
        {"hidden devices",
         "DI_VISIODENT\n\n\rDI_GENDEXGP\n\n\rDI_SCHICK-DICOM\n\n\rVIPERSOFT\n\n\r",
         {5},
         {3, 4, 5},
         {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        DialogHarness h;
        h.Prepare([](FakeEnvironment& env) {
            env.SetRegistry(HKEY_LOCAL_MACHINE_VALUE, NcdrKey, "", "C:\\CDR\\NCDR.EXE");
            env.SetRegistry(HKEY_CLASSES_ROOT_VALUE, MediaDentKey, "", "\"C:\\MD.EXE\" /a");
        });
        if (c.xray)
            h.StoreXray(*c.xray);
        ValueChanges xvaChanges(h.F().CheckBox1(9));
        h.F().AddObserver(xvaChanges);
        h.Load();
        h.F().RemoveObserver(xvaChanges);
        auto& f = h.F();
        EXPECT_EQ(Checked(f.CheckBox1), c.bridges);
        EXPECT_EQ(Checked(f.DI_CheckBox1), c.devices);
        for (int box = 0; box <= 11; ++box) {
            auto it = c.texts.find(box);
            EXPECT_EQ(f.Text1(box).Text(), it == c.texts.end() ? "" : it->second) << "Text1(" << box << ")";
        }
        EXPECT_EQ(f.Text1(4).Enabled(), c.bridges.count(9) == 1);
        for (int box = 0; box <= 11 && c.bridges == std::set<int>{0}; ++box)
            EXPECT_FALSE(f.Text1(box).Enabled()) << "Text1(" << box << ")";
        EXPECT_EQ(xvaChanges.count, c.bridges.count(9) == 1 ? 1 : 0);
        EXPECT_TRUE(h.fakes.messageBoxes.shown.empty());
    }
}

TEST(LoadInterfaceSettings, ReadsTheProbeSettingWithoutAnythingAppended) {
    const std::vector<std::tuple<std::optional<std::string>, int, std::string>> cases = {
        {std::nullopt, 0, ""},
        {"florida probe\nC:\\FP\\FP32.EXE /x", 1, "C:\\FP\\FP32.EXE /x"},
        {"FLORIDA PROBE\nC:\\FP\\FP32.EXE\r", 1, "C:\\FP\\FP32.EXE\r"},
        {"OTHER PROBE\nC:\\P.EXE", 0, ""},
        {"", 0, ""},
    };
    for (const auto& [stored, option, text] : cases) {
        DialogHarness h;
        if (stored)
            h.Prepare([v = *stored](FakeEnvironment& env) { env.settings[{"INTERFACE", "PROBEWS7"}] = v; });
        h.Load();
        EXPECT_TRUE(h.F().Prob_Option1(option).Value()) << "option " << option;
        EXPECT_FALSE(h.F().Prob_Option1(1 - option).Value());
        EXPECT_EQ(h.F().Prob_Text1(0).Text(), text);
    }
}

TEST(LoadInterfaceSettings, AsksTheStationForEachKey) {
    DialogHarness h;
    h.Prepare([](FakeEnvironment& env) { env.stationId = "LAB-2"; });
    h.Load();
    std::vector<std::string> calls;
    for (const auto& entry : h.Env().log)
        if (entry == "StationId" || entry.rfind("ReadSetting", 0) == 0)
            calls.push_back(entry);
    EXPECT_EQ(calls, (std::vector<std::string>{"StationId", "ReadSetting INTERFACE XRAYLAB-2 2 0 0", "StationId",
                                               "ReadSetting INTERFACE PROBELAB-2 2 0 0"}));
}

TEST(LoadInterfaceSettings, ProImageNotSetUpIsRefusedDuringTheLoad) {
    DialogHarness h;
    h.StoreXray("PROIMAGE\n\n\r");
    h.Load();
    EXPECT_EQ(h.fakes.messageBoxes.shown.size(), 1u);
    EXPECT_EQ(Checked(h.F().CheckBox1), (std::set<int>{0}));
}

TEST(LoadInterfaceSettings, OpensOnTheBridgeTab) {
    DialogHarness h;
    h.F().ts->SelectTab(2);
    h.Load();
    EXPECT_EQ(h.F().ts->SelectedTab(), 1);
    EXPECT_TRUE(h.F().Picture1(0).Visible());
    EXPECT_FALSE(h.F().Picture1(1).Visible());
}

} // namespace
} // namespace zw::test
