#include <optional>

#include "support/dialog_checks.h"

namespace zw::test {

// Every X-ray record goes through the click behaviour, in the stored order. The registry offers a Schick program,
// so the cases show which stored texts win over a proposed default. The probe value is taken as stored: nothing
// is appended, so a trailing CR stays in its command line.
TEST(LoadInterfaceSettings, AppliesStoredRecordsInOrderThroughTheClickBehaviour) {
    // Each case: the stored X-ray and probe values; the selection, then the probe options, whether the probe's
    // command line is enabled, its text, and a "!" for each message shown.
    using Case = std::tuple<std::optional<std::string>, std::optional<std::string>, std::string>;
    const std::vector<Case> cases = {
        {std::nullopt, std::nullopt, "B 0 D 0 T | 10 off []"},
        {"", "", "B 0 D 0 T | 10 off []"},
        {"TIGER\n tv\n\rDEXIS\nd\n\rGENDEX\n\n\rDI_GENDEX\n\n\rDI_SCANX\n\n\r", "OTHER PROBE\nC:\\P.EXE",
         "B 3 4 7 D 1 2 T 1=[ tv] 2=[d] | 10 off []"},
        {"TIGER\nt\n\rNONE\n\n\rDEXIS\nd\n\r", "florida probe\n C:\\FP32.EXE /x", // NONE unchecks the rows before it
         "B 4 D 0 T 1=[t] 2=[d] | 01 on [ C:\\FP32.EXE /x]"},
        {"FOO\nbar\n\r NONE\n\n\rSIDEXIS\ns\nthird\n\r", "FLORIDA PROBE\nFP32\r", // unknown codes are skipped
         "B 6 D 0 T 3=[s] | 01 on [FP32\r]"},
        {"TIGER\nt\n\r\rDEXIS\nd\n\r", std::nullopt, "B 3 D 0 T 1=[t] | 10 off []"}, // an empty record ends the value
        {"dimaxis\npw\n\rtrophy\nC:\\x", std::nullopt, "B 1 10 D 0 T 0=[C:\\x] 5=[pw] | 10 off []"},
        {"XVA3DMD\na\n\rLIGHTYEAR\nb\n\r", std::nullopt, "B 9 D 0 T 4=[b] | 10 off []"},
        {"SCHICK\n\n\rSCHICK-DICOM\nD\n\rORTHOCAD\n\n\r", std::nullopt,
         "B 2 13 15 D 0 T 9=[D] 11=[C:\\Program Files\\Cadent\\OrthoCAD\\OrthoCAD.exe] | 10 off []"},
        {"DI_VISIODENT\n\n\rDI_GENDEXGP\n\n\rDI_SCHICK-DICOM\n\n\rVIPERSOFT\n\n\rDI_SUNI\n\n\r", std::nullopt,
         "B 5 D 3 4 5 6 T | 10 off []"},
        {"PROIMAGE\n\n\r", std::nullopt, "B 0 D 0 T | 10 off []!"}}; // not set up on this computer
    for (const auto& [xray, probe, after] : cases) {
        SCOPED_TRACE(xray.value_or("nothing stored"));
        DialogHarness h;
        h.Prepare([xray = xray, probe = probe](FakeEnvironment& env) {
            env.SetRegistry(HKEY_LOCAL_MACHINE_VALUE,
                            "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\NCDR.EXE", "", "N");
            if (xray)
                env.settings[{"INTERFACE", "XRAYWS7"}] = *xray;
            if (probe)
                env.settings[{"INTERFACE", "PROBEWS7"}] = *probe;
        });
        h.F().ts->SelectTab(2);
        h.Load();
        auto& f = h.F();
        EXPECT_EQ(Selection(f) + " | " + std::to_string(f.Prob_Option1(0).Value()) +
                      std::to_string(f.Prob_Option1(1).Value()) + (f.Prob_Text1(0).Enabled() ? " on [" : " off [") +
                      f.Prob_Text1(0).Text() + "]" + std::string(h.fakes.messageBoxes.shown.size(), '!'),
                  after);
        EXPECT_EQ(ListFaults(f), "");
        // The dialog opens on the bridge list.
        EXPECT_TRUE(f.ts->SelectedTab() == 1 && f.Picture1(0).Visible() && !f.Picture1(1).Visible());
    }
}

} // namespace zw::test
