// Checking the chosen programs, the exact value written, the ways to close, and a store that refuses the write.
#include <gtest/gtest.h>

#include <algorithm>

#include "base/strings.h"
#include "support/dialog_harness.h"

namespace zw::test {
namespace {

using Strings = std::vector<std::string>;
const std::string Problems = "0 ZELT Windows Interface Setup: ZELT Interface setup has found the following problem:"
                             "\r\n\r\n";
const std::string TigerMsg = "\r\nPlease select [TIGER1.EXE] as file name for TigerView Software";
const std::string DexisMsg = "\r\nPlease select [DEXIS.EXE] as file name for Dexis Software";
const std::string OrthoMsg = "\r\nPlease select [ORTHOCAD.EXE] as file name for ORTHOCAD Imaging Software";
const std::string ValidTrophy = "TROPHY\nC:\\TROPHY\\TW.EXE\n\r";

// The dialog loaded on a stored X-ray value with the program files that exist; the load's boxes and calls
// are forgotten, so that a test sees only what checking, saving and closing do.
struct Loaded : DialogHarness {
    explicit Loaded(const std::string& storedXray, const Strings& existing = {}) {
        Prepare([existing](FakeEnvironment& env) { env.files = {existing.begin(), existing.end()}; });
        StoreXray(storedXray);
        Load();
        fakes.messageBoxes.shown.clear();
        Env().log.clear();
    }
};

TEST(ProgramChecks, EachRowsNameAndExistenceTestsOrTheBytesWrittenOnceUnderTheStationsKey) {
    // The stored value (which rows are checked), a box typed into, the files that exist, and either the
    // problems listed after the heading or the value written.
    // clang-format off
    const std::tuple<std::string, int, std::string, Strings, std::string, std::string> cases[] = {
        {"TROPHY\n\n\r", 0, "c:\\t\\tw.exe", {"C:\\T\\TW.EXE"}, "", "TROPHY\nC:\\T\\TW.EXE\n\r"},
        {"TROPHY\n\n\r", 0, "TW.EXE", {"TW.EXE"}, "\r\nPlease select [TW.EXE] as file name for Trophy Software", ""},
        {"SCHICK\n\n\r", 8, "  C:\\cdr.exe ", {"C:\\cdr.exe"}, "", "SCHICK\nC:\\cdr.exe\n\r"},
        {"TIGER\n\n\r", 1, "c:\\t\\tiger1.exe", {"c:\\t\\tiger1.exe"}, TigerMsg, ""},
        {"TIGER\n\n\r", 1, " C:\\TIGER1.EXE", {"C:\\TIGER1.EXE"}, "", "TIGER\n C:\\TIGER1.EXE\n\r"},
        {"DEXIS\n\n\r", 2, "", {}, DexisMsg + "\r\nCan not find file []", ""},
        {"DEXIS\n\n\r", 2, "EXE", {"EXE"}, DexisMsg, ""},
        {"LIGHTYEAR\n\n\r", 4, "C:\\XVASSISTANT.EXE", {"C:\\XVASSISTANT.EXE"}, "", "XVA3DMD\nC:\\XVASSISTANT.EXE\n\r"},
        {"XVA3DMD\n\n\r", 4, "C:\\LIGHTYEAR.EXE", {"C:\\LIGHTYEAR.EXE"}, "", "LIGHTYEAR\nC:\\LIGHTYEAR.EXE\n\r"},
        {"XVA3DMD\n\n\r", 4, "C:\\XVALITE.EXE", {"C:\\XVALITE.EXE"}, "\r\nPlease select [XVASSISTANT.EXE] or "
            "[CLINIVIEW.EXE] or [XVALITE.EXE]  or [LIGHTYEAR.EXE] as the file name for Xva3 (DMD) / CliniView "
            "Software / XV Lite / Lightyear", ""},
        {"MEDIADENT\n\n\r", 10, "C:\\MEDIAD~1.EXE", {"C:\\MEDIAD~1.EXE"}, "", "MEDIADENT\nC:\\MEDIAD~1.EXE\n\r"},
        {"ORTHOCAD\n\n\r", 11, "C:\\OrthoCAD.exe", {}, "\r\nCan not find file [C:\\OrthoCAD.exe]", ""},
        // Several failing rows, in row order under one heading; an unchecked row is not looked at.
        {"ORTHOCAD\n\n\rTIGER\nc:\\t\\tiger1.exe\n\r", 11, "C:\\OC\\OC.EXE", {}, TigerMsg + "\r\nCan not find file "
            "[c:\\t\\tiger1.exe]" + OrthoMsg + "\r\nCan not find file [C:\\OC\\OC.EXE]", ""},
        // Rows without a file check (Trophy unchecked), and the devices after them in their own order.
        {"", 0, "", {}, "", "NONE\n\n\r"},
        {"DI_GENDEX\n\n\rVIPERSOFT\nx\n\r", 0, "", {}, "", "VIPERSOFT\n\n\rDI_GENDEX\n\n\r"},
        {"DIMAXIS\n  pass word \n\rGENDEX\n\n\r", 0, "", {}, "", "GENDEX\n\n\rDIMAXIS\npass word\n\r"},
        {"DI_SUNI\n\n\rDI_VISIODENT\n\n\rDI_SCHICK-DICOM\n\n\rDI_SCANX\n\n\rDI_GENDEXGP\n\n\rDI_GENDEX\n\n\r", 0, "",
            {}, "", "DI_GENDEX\n\n\rDI_GENDEXGP\n\n\rDI_SCANX\n\n\rDI_SCHICK-DICOM\n\n\rDI_VISIODENT\n\n\rDI_SUNI\n\n\r"},
    };
    // clang-format on
    for (const auto& [stored, box, typed, existing, problems, written] : cases) {
        SCOPED_TRACE(stored + typed);
        Loaded d(stored, existing);
        d.Env().stationId = "TS-2"; // asked for anew when writing
        d.F().Text1(box).SetText(typed);
        EXPECT_EQ(d.F().ValidateAndSave(), problems.empty());
        EXPECT_EQ(d.F().Text1(box).Text(), box == 0 ? UCase(typed) : typed); // Trophy's is corrected in place
        EXPECT_EQ(d.fakes.messageBoxes.Described(), problems.empty() ? Strings{} : Strings{Problems + problems});
        // Nothing under the station's new key unless all checks pass.
        EXPECT_EQ(d.Env().StoredXray(), problems.empty() ? written : "<missing>");
        EXPECT_EQ(std::ranges::count(d.Env().log, "WriteSetting INTERFACE XRAYTS-2 2 0 0"), problems.empty());
    }
}

TEST(Closing, OnlyOkAndTheControlBoxCheckAndWriteAndInvalidChoicesKeepTheDialogOpen) {
    // A button to press, or -1 and the reason of an unload.
    const std::tuple<const char*, int, UnloadMode, bool> ways[] = {
        {"OK", 0, {}, true},
        {"Cancel, also Esc", 1, {}, false},
        {"control box", -1, UnloadMode::ControlMenu, true},
        {"Windows", -1, UnloadMode::AppWindows, false},
        {"task manager", -1, UnloadMode::TaskManager, false},
    };
    for (const auto& [name, button, mode, checks] : ways) {
        for (const std::string& stored : {ValidTrophy, std::string("DEXIS\nC:\\DEXIS.EXE\n\r")}) {
            SCOPED_TRACE(name + stored);
            const bool valid = stored == ValidTrophy;
            Loaded d(stored, {"C:\\TROPHY\\TW.EXE"});
            d.F().CheckBox1(7).UserClick(); // Gendex VixWin
            d.F().CheckBox1(3).SetValue(2); // TigerView grayed, with an empty box: not checked
            if (button >= 0) {
                EXPECT_EQ(d.F().Command1(button).Cancel(), button == 1); // the button that Esc presses
                d.F().Command1(button).UserClick();
            } else {
                d.F().Unload(mode);
            }
            EXPECT_EQ(d.F().IsLoaded(), checks && !valid);
            // The unload that follows OK does not check again.
            EXPECT_EQ(std::ranges::count_if(d.Env().log, [](auto& e) { return e.starts_with("CheckFile"); }), checks);
            EXPECT_EQ(d.Env().StoredXray(), checks && valid ? stored + "GENDEX\n\n\r" : stored);
            EXPECT_EQ(d.fakes.messageBoxes.Described(),
                      checks && !valid ? Strings{Problems + "\r\nCan not find file [C:\\DEXIS.EXE]"} : Strings{});
        }
    }
}

// Locked by another workstation or read-only: the failure is not caught, so it ends the program with the
// run-time error box, and the old value stays whole.
TEST(Closing, AFailedWriteIsNotCaughtAndKeepsTheOldValue) {
    for (const std::string failing : {"StationId", "WriteSetting"}) {
        SCOPED_TRACE(failing);
        Loaded d(ValidTrophy, {"C:\\TROPHY\\TW.EXE"});
        d.F().CheckBox1(5).UserClick(); // Vipersoft
        d.Env().failOn = {failing};
        EXPECT_THROW(d.F().Command1(0).UserClick(), RuntimeError);
        EXPECT_EQ(d.Env().StoredXray(), ValidTrophy);
        EXPECT_EQ(d.fakes.messageBoxes.Described(), Strings{});
    }
}

// After a failed start the dialog only waits to close itself: nothing is checked, corrected or written.
TEST(Closing, NothingIsCheckedOrWrittenAfterAFailedStart) {
    Loaded d("TROPHY\nc:\\tw.exe\n\r");
    d.F().SetTag("ERROR_UNLOAD");
    EXPECT_FALSE(d.F().ValidateAndSave());
    EXPECT_EQ(d.F().Text1(0).Text(), "c:\\tw.exe");
    EXPECT_EQ(d.Env().log, Strings{});
}

} // namespace
} // namespace zw::test
