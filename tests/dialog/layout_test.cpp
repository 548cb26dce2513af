#include <cmath>

#include "dialog/layout_table.h"
#include "support/dialog_checks.h"

namespace zw::test {

// Which label, text box and Browse button stand on which check box's line: every other part of the dialog relies
// on it. Only the Dexis and SIDEXIS lines were drawn enabled; only the Dimaxis box hides what is typed.
TEST(Layout, AsDrawn) {
    DialogHarness h;
    frmZWIntStp& f = h.F();
    std::vector<std::string> lines;
    float above = 0; // the lines stand one below the other in this order, in the Bridge frame
    for (int box : {0, 1, 2, 13, 4, 5, 6, 7, 8, 3, 9, 10, 11, 12, 14, 15}) {
        const CheckBox& row = f.CheckBox1(box);
        EXPECT_TRUE(row.Top() > above && row.Container() == &f.Picture1(0)) << box;
        above = row.Top();
        // The line's text box and button, from the bridge rows, are the ones that stand on it.
        EXPECT_EQ(BridgeRowControls(int16_t(box)), RowControls[box]);
        const auto [text, button] = RowControls[box];
        std::string line = row.Caption();
        std::vector<const Control*> own;
        if (text >= 0)
            own = {&f.Label1(text + 1), &f.Text1(text)};
        if (button >= 0)
            own.push_back(&f.Command1(button));
        for (const Control* c : own) {
            const auto* box = dynamic_cast<const TextBox*>(c);
            line += "|" + c->DisplayText() + (box ? box->PasswordChar() + (box->ImeDisabled() ? " no IME" : "") : "") +
                    (c->Enabled() ? "" : " off");
            EXPECT_LE(std::abs(c->Top() - row.Top()), 60) << c->FullName(); // closer to its box than the next line
        }
        lines.push_back(line);
    }
    const std::string plain = "|Cmd Line : | off|&Browse off";
    EXPECT_EQ(lines, (std::vector<std::string>{"None", "Trophy" + plain, "Schick Technology" + plain,
                                               "SchickTechnology - Dicom" + plain, "Dexis|Cmd Line : ||&Browse",
                                               "Vipersoft", "SIDEXIS|Cmd Line : ||&Browse", "Gendex Imaging",
                                               "ProImage", "TigerView" + plain, "XVa3 (DMD), CliniVision," + plain,
                                               "Dimaxis|Password : |* no IME off", "Dicom Imaging" + plain,
                                               "Image F/X" + plain, "MediaDent" + plain, "OrthoCAD" + plain}));

    // Apart from the rows' boxes and buttons, what is drawn hidden or disabled; no probe option is on; Esc presses
    // Cancel; the probe options form one group because they share their frame.
    std::string hidden;
    for (const Control* c : f.Controls())
        hidden += c->Name() == "Text1" || c->Name() == "Command1" || (c->Visible() && c->Enabled())
                      ? ""
                      : c->FullName() + (c->Visible() ? "" : " hidden") + (c->Enabled() ? " " : " disabled ");
    EXPECT_EQ(hidden, "Picture1(1) hidden Picture1(2) hidden DI_CheckBox1(4) hidden disabled DI_CheckBox1(6) hidden ");
    EXPECT_TRUE(!f.Prob_Option1(0).Value() && !f.Prob_Option1(1).Value() && f.Command1(1).Cancel() &&
                !f.Command1(0).Cancel() && f.Prob_Option1(0).Container() == f.Prob_Option1(1).Container());
}

} // namespace zw::test
