// Checking the chosen programs, the exact value written, and the ways to close. What the checks say about each
// row's program is the choice's (tests/choice); a store that refuses the write ends the real program with the
// run-time error box and keeps the old value (tests/e2e/database_test.cpp).
#include <gtest/gtest.h>

#include "base/strings.h"
#include "support/dialog_harness.h"

namespace zw::test {
namespace {

using Strings = std::vector<std::string>;
const std::string Problems = "0 ZELT Windows Interface Setup: ZELT Interface setup has found the following problem:"
                             "\r\n\r\n";
const std::string ValidTrophy = "TROPHY\nC:\\TROPHY\\TW.EXE\n\r";

// The dialog loaded on a stored X-ray value with the program files that exist; the load's boxes and calls
// are forgotten, so that a test sees only what checking, saving and closing do.
struct Loaded : DialogHarness {
    explicit Loaded(const std::string& storedXray, const Strings& existing = {}) {
        Prepare([storedXray, existing](FakeEnvironment& env) {
            env.settings[{"INTERFACE", "XRAY" + env.stationId}] = storedXray;
            env.files = {existing.begin(), existing.end()};
        });
        Load();
        fakes.messageBoxes.shown.clear();
        Env().calls.clear();
    }
};

TEST(ProgramChecks, TheCheckedRowsAndTheirBoxesGoToTheChecksAndTheValueIsWrittenOnceUnderTheStationsKey) {
    // The stored value (which rows are checked), a box typed into, the files that exist, and either the
    // problems listed after the heading or the value written.
    // clang-format off
    const std::tuple<std::string, int, std::string, Strings, std::string, std::string> cases[] = {
        {"TROPHY\n\n\r", 0, "c:\\t\\tw.exe", {"C:\\T\\TW.EXE"}, "", "TROPHY\nC:\\T\\TW.EXE\n\r"},
        // The code follows the program chosen in the row's box.
        {"XVA3DMD\n\n\r", 4, "C:\\LIGHTYEAR.EXE", {"C:\\LIGHTYEAR.EXE"}, "", "LIGHTYEAR\nC:\\LIGHTYEAR.EXE\n\r"},
        // Several failing rows, in row order under one heading; an unchecked row is not looked at.
        {"ORTHOCAD\n\n\rTIGER\nc:\\t\\tiger1.exe\n\r", 11, "C:\\OC\\OC.EXE", {}, "\r\nPlease select [TIGER1.EXE] as "
            "file name for TigerView Software\r\nCan not find file [c:\\t\\tiger1.exe]\r\nPlease select [ORTHOCAD.EXE] "
            "as file name for ORTHOCAD Imaging Software\r\nCan not find file [C:\\OC\\OC.EXE]", ""},
        // Rows without a file check (Trophy unchecked), and the devices after them in their own order.
        {"", 0, "", {}, "", "NONE\n\n\r"},
        {"DI_GENDEX\n\n\rVIPERSOFT\nx\n\r", 0, "", {}, "", "VIPERSOFT\n\n\rDI_GENDEX\n\n\r"},
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
        EXPECT_EQ(d.Env().calls["WriteSetting"], problems.empty());
    }
}

TEST(Closing, OnlyOkAndTheControlBoxCheckAndWriteAndInvalidChoicesKeepTheDialogOpen) {
    // A button to press, or -1 and the reason of an unload.
    const std::tuple<const char*, int, UnloadMode, bool> ways[] = {
        {"OK", 0, {}, true},
        {"Cancel, also Esc", 1, {}, false},
        {"control box", -1, UnloadMode::ControlMenu, true},
        {"Windows", -1, UnloadMode::AppWindows, false},
    };
    for (const auto& [name, button, mode, checks] : ways) {
        for (const std::string& stored : {ValidTrophy, std::string("DEXIS\nC:\\DEXIS.EXE\n\r")}) {
            SCOPED_TRACE(name + stored);
            const bool valid = stored == ValidTrophy;
            Loaded d(stored, {"C:\\TROPHY\\TW.EXE"});
            d.F().CheckBox1(7).UserClick(); // Gendex VixWin
            d.F().CheckBox1(3).SetValue(2); // TigerView grayed, with an empty box: not checked
            if (button >= 0)
                d.F().Command1(button).UserClick();
            else
                d.F().Unload(mode);
            EXPECT_EQ(d.F().IsLoaded(), checks && !valid);
            // The unload that follows OK does not check again.
            EXPECT_EQ(d.Env().calls["CheckFileExists"], checks);
            EXPECT_EQ(d.Env().StoredXray(), checks && valid ? stored + "GENDEX\n\n\r" : stored);
            EXPECT_EQ(d.fakes.messageBoxes.Described(),
                      checks && !valid ? Strings{Problems + "\r\nCan not find file [C:\\DEXIS.EXE]"} : Strings{});
        }
    }
}

// After a failed start the dialog only waits to close itself: nothing is checked, corrected or written.
TEST(Closing, NothingIsCheckedOrWrittenAfterAFailedStart) {
    Loaded d("TROPHY\nc:\\tw.exe\n\r");
    d.F().SetTag("ERROR_UNLOAD");
    EXPECT_FALSE(d.F().ValidateAndSave());
    EXPECT_EQ(d.F().Text1(0).Text(), "c:\\tw.exe");
    EXPECT_TRUE(d.Env().calls.empty());
}

} // namespace
} // namespace zw::test
