#include "support/dialog_checks.h"

namespace zw::test {

// The command line and its Browse button follow the option that is on; an option turned off changes nothing, and
// the text survives the round trip. Browse goes straight to the folder browser and looks for FP32.EXE there.
TEST(ProbeFrame, OptionThatIsOnDecidesTheEnabledStateAndBrowseFindsFP32) {
    DialogHarness h;
    auto& f = h.F();
    f.Prob_Text1(0).SetText("C:\\FP\\FP32.EXE");
    std::string states;
    for (const auto& step :
         std::vector<std::function<void()>>{[&] { f.Prob_Option1(0).SetValue(true); }, [&] { f.Prob_Option1_Click(1); },
                                            [&] { f.Prob_Option1(1).UserClick(); }, [&] { f.Prob_Option1_Click(0); },
                                            [&] { f.Prob_Option1(0).UserClick(); }}) {
        step();
        states += std::to_string(f.Prob_Text1(0).Enabled()) + std::to_string(f.Prob_Command1(0).Enabled()) + " ";
    }
    EXPECT_EQ(states + f.Prob_Text1(0).Text(), "00 00 11 11 00 C:\\FP\\FP32.EXE");

    h.fakes.shell.paths = {"D:\\FP\\FP32.EXE", "FP32.EXE", "\\FP32.EXE"};
    h.fakes.shell.browseAnswers = {"D:\\FP"};
    f.Prob_Command1_Click(0);
    EXPECT_EQ(f.Prob_Text1(0).Text() + " " + h.fakes.shell.browsers.at(0), "D:\\FP\\FP32.EXE Select Folder|3");
    EXPECT_TRUE(h.fakes.messageBoxes.shown.empty());
}

} // namespace zw::test
