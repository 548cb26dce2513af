#include <optional>

#include "support/dialog_checks.h"

namespace zw::test {

// Every X-ray record goes through the click behaviour, in the stored order. The registry offers a Schick program,
// so the cases show which stored texts win over a proposed default. How the stored value is split into records
// (case, unknown codes, an empty record, the later of two records of a row) is the choice's (tests/choice).
TEST(LoadInterfaceSettings, AppliesStoredRecordsInOrderThroughTheClickBehaviour) {
    // Each case: the stored X-ray and probe values; the selection, then the probe options, whether the probe's
    // command line is enabled and its text.
    using Case = std::tuple<std::optional<std::string>, std::optional<std::string>, std::string>;
    const std::vector<Case> cases = {
        {std::nullopt, std::nullopt, "B 0 D 0 T | 10 off []"},
        {"TIGER\n tv\n\rDEXIS\nd\n\rGENDEX\n\n\rDI_GENDEX\n\n\rDI_SCANX\n\n\r", "OTHER PROBE\nC:\\P.EXE",
         "B 3 4 7 D 1 2 T 1=[ tv] 2=[d] | 10 off []"},
        {"TIGER\nt\n\rNONE\n\n\rDEXIS\nd\n\r", "florida probe\n C:\\FP32.EXE /x", // NONE unchecks the rows before it
         "B 4 D 0 T 1=[t] 2=[d] | 01 on [ C:\\FP32.EXE /x]"},
        {"SCHICK\n\n\rSCHICK-DICOM\nD\n\rORTHOCAD\n\n\r", std::nullopt,
         "B 2 13 15 D 0 T 9=[D] 11=[C:\\Program Files\\Cadent\\OrthoCAD\\OrthoCAD.exe] | 10 off []"}};
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
                      f.Prob_Text1(0).Text() + "]",
                  after);
        EXPECT_EQ(ListFaults(f), "");
        // The dialog opens on the bridge list.
        EXPECT_TRUE(f.ts->SelectedTab() == 1 && f.Picture1(0).Visible() && !f.Picture1(1).Visible());
    }
}

} // namespace zw::test
