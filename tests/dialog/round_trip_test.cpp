#include "support/dialog_checks.h"

namespace zw::test {

// A choice saved by one run of the dialog opens the next run as it was chosen: the writer's record layout
// and the reader's agree, apart from what saving corrects on purpose (Trophy's path upper-cased, the
// Dimaxis password and the Schick path trimmed; TigerView's leading blank kept).
TEST(InterfaceSettingRoundTrip, WhatOneRunSavesTheNextRunShows) {
    const std::set<std::string> programs = {"C:\\TW\\TW.EXE", "C:\\T\\TIGER1.EXE", "C:\\CDR\\CDR.EXE"};
    const std::string stored = [&] {
        DialogHarness h;
        h.Prepare([&](FakeEnvironment& env) { env.files = programs; });
        h.Load();
        auto& f = h.F();
        for (int row : {1, 3, 2, 10, 7})
            f.CheckBox1(row).UserClick();
        f.Text1(0).SetText("c:\\tw\\tw.exe");
        f.Text1(1).SetText(" C:\\T\\TIGER1.EXE");
        f.Text1(8).SetText("  C:\\CDR\\CDR.EXE ");
        f.Text1(5).SetText(" secret ");
        f.DI_CheckBox1(6).SetValue(1);
        f.DI_CheckBox1(2).UserClick();
        f.Command1(0).UserClick();
        EXPECT_FALSE(f.IsLoaded()) << "the choice is valid and saved";
        return h.Env().StoredXray();
    }();
    DialogHarness h;
    h.StoreXray(stored);
    h.Load();
    EXPECT_EQ(Selection(h.F()),
              "B 1 2 3 7 10 D 2 6 T 0=[C:\\TW\\TW.EXE] 1=[ C:\\T\\TIGER1.EXE] 5=[secret] 8=[C:\\CDR\\CDR.EXE]");
    EXPECT_EQ(ListFaults(h.F()), "");
}

} // namespace zw::test
