#include "support/dialog_checks.h"

namespace zw::test {

// Each call starts from a panel that shows something else, so a row with an empty version must clear it and an
// index past the end of its table must leave it alone. Any ListKind other than 0 means the direct-interface list.
TEST(PanelAndTabs, CallsFocusAndTabSwitchesDriveThePanel) {
    const std::vector<std::tuple<int16_t, int16_t, std::string>> cases = {
        {0, 1, "Trex-Trophy|"},
        {-1, 5, "Gendex Picture \"GxPicture\"|GxPicture 1.0.0.12"},
        {0, -1, "|"},
        {0, 16, "before|shown"},
        {7, 7, "before|shown"}};
    DialogHarness h;
    for (const auto& [listKind, index, panel] : cases) {
        h.F().Label2(2).SetCaption("before");
        h.F().Label2(4).SetCaption("shown");
        h.F().ShowProductInfo(listKind, index);
        EXPECT_EQ(Panel(h.F()), panel) << listKind << "/" << index;
    }

    // Focus shows a row without changing any value. A tab switch shows exactly one frame, in front of the other
    // frames, and empties the panel.
    h.Load();
    auto& f = h.F();
    f.CheckBox1(3).RaiseGotFocus();
    EXPECT_EQ(Panel(f), "TigerView|5.1");
    for (int tab : {2, 1, 2, 1}) {
        f.DI_CheckBox1(2).RaiseGotFocus();
        EXPECT_EQ(Selection(f) + " " + Panel(f), "B 0 D 0 T AirTech - ScanX|VistaScan Version 0.3.75.0");
        f.ts->SelectTab(tab);
        PictureBox& shown = f.Picture1(tab == 1 ? 0 : 1);
        PictureBox& hidden = f.Picture1(tab == 1 ? 1 : 0);
        EXPECT_TRUE(shown.Visible() && !hidden.Visible()) << tab;
        EXPECT_GT(shown.ZStamp(), std::max(hidden.ZStamp(), f.Picture1(2).ZStamp())) << tab;
        EXPECT_EQ(Panel(f), "|") << tab;
    }
}

} // namespace zw::test
