#include <gtest/gtest.h>

#include "controls/strings.h"
#include "fakes/dialog_harness.h"

namespace zw::test {
namespace {

bool CommandLineEnabled(frmZWIntStp& f) {
    EXPECT_EQ(f.Prob_Text1(0).Enabled(), f.Prob_Command1(0).Enabled());
    return f.Prob_Text1(0).Enabled();
}

TEST(ProbeFrame, OptionThatIsOnDecidesTheEnabledStateAndTheTextIsKept) {
    DialogHarness h;
    auto& f = h.F();
    f.Prob_Text1(0).SetText("C:\\FP\\FP32.EXE");
    f.Prob_Option1(0).SetValue(true);
    EXPECT_FALSE(CommandLineEnabled(f));
    f.Prob_Option1_Click(1); // Florida Probe is off: nothing changes
    EXPECT_FALSE(CommandLineEnabled(f));
    f.Prob_Option1(1).UserClick();
    EXPECT_TRUE(CommandLineEnabled(f));
    f.Prob_Option1_Click(0); // None is off
    EXPECT_TRUE(CommandLineEnabled(f));
    f.Prob_Option1(0).UserClick();
    EXPECT_FALSE(CommandLineEnabled(f));
    EXPECT_EQ(f.Prob_Text1(0).Text(), "C:\\FP\\FP32.EXE");
}

TEST(ProbeFrame, BrowseLooksForFP32InTheChosenFolderOnly) {
    struct Case {
        const char* chosen; // "" is a cancelled browser
        const char* text;
        size_t boxes;
    };
    for (const Case c : {Case{"D:\\FP", "D:\\FP\\FP32.EXE", 0}, Case{"D:\\Other", "old", 1}, Case{"", "old", 0}}) {
        SCOPED_TRACE(c.chosen);
        DialogHarness h;
        h.F().Prob_Text1(0).SetText("old");
        h.fakes.shell.paths = {"D:\\FP\\FP32.EXE", "FP32.EXE", "\\FP32.EXE"};
        h.fakes.shell.browseAnswers = {c.chosen};

        h.F().Prob_Command1(0).UserClick();
        h.F().Prob_Command1_Click(1); // no such button: nothing happens

        EXPECT_EQ(h.F().Prob_Text1(0).Text(), c.text);
        EXPECT_EQ(h.fakes.shell.browseTitles, std::vector<std::string>{"Select Folder"});
        EXPECT_EQ(h.fakes.shell.browseFlags, std::vector<unsigned>{3u});
        ASSERT_EQ(h.fakes.messageBoxes.shown.size(), c.boxes);
        if (c.boxes == 1) {
            EXPECT_EQ(h.fakes.messageBoxes.shown[0].text,
                      "The application could not be found in the selected location." + CRLF + CRLF +
                          "Please select the folder that contains FP32.EXE.");
            EXPECT_EQ(h.fakes.messageBoxes.shown[0].title, "Program Not Found");
        }
    }
}

} // namespace
} // namespace zw::test
