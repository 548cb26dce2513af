#include <gtest/gtest.h>

#include "controls/strings.h"
#include "fakes/dialog_harness.h"

namespace zw::test {
namespace {

bool CommandLineEnabled(frmZWIntStp& f) {
    EXPECT_EQ(f.Prob_Text1(0).Enabled(), f.Prob_Command1(0).Enabled());
    return f.Prob_Text1(0).Enabled();
}

TEST(ProbeFrame, OptionThatIsOnDecidesWhetherTheCommandLineIsEnabled) {
    DialogHarness h;
    auto& f = h.F();
    f.Prob_Text1(0).SetText("C:\\FP\\FP32.EXE");
    ASSERT_TRUE(CommandLineEnabled(f));

    f.Prob_Option1(0).SetValue(true);
    EXPECT_FALSE(CommandLineEnabled(f));

    f.Prob_Option1(1).SetValue(true);
    EXPECT_TRUE(CommandLineEnabled(f));
    EXPECT_FALSE(f.Prob_Option1(0).Value());

    f.Prob_Option1(0).UserClick();
    EXPECT_FALSE(CommandLineEnabled(f));
    f.Prob_Option1(1).UserClick();
    EXPECT_TRUE(CommandLineEnabled(f));

    // Switching back and forth never touches the text.
    EXPECT_EQ(f.Prob_Text1(0).Text(), "C:\\FP\\FP32.EXE");
}

TEST(ProbeFrame, ClickOfAnOptionThatIsOffChangesNothing) {
    DialogHarness h;
    auto& f = h.F();
    f.Prob_Option1(1).SetValue(true);
    f.Prob_Option1_Click(0); // None is off
    EXPECT_TRUE(CommandLineEnabled(f));

    f.Prob_Option1(0).SetValue(true);
    f.Prob_Option1_Click(1); // Florida Probe is off
    EXPECT_FALSE(CommandLineEnabled(f));
}

TEST(ProbeFrame, LoadedProbeChoiceSetsTheEnabledState) {
    struct Case {
        const char* stored;
        bool enabled;
    };
    for (const Case c : {Case{"NONE\n", false}, Case{"FLORIDA PROBE\nC:\\FP\\FP32.EXE", true}}) {
        SCOPED_TRACE(c.stored);
        DialogHarness h;
        h.Prepare([&c](FakeEnvironment& env) { env.settings[{"INTERFACE", "PROBE" + env.stationId}] = c.stored; });
        h.Load();
        EXPECT_EQ(CommandLineEnabled(h.F()), c.enabled);
        if (c.enabled)
            EXPECT_EQ(h.F().Prob_Text1(0).Text(), "C:\\FP\\FP32.EXE");
    }
}

TEST(ProbeFrame, BrowseGoesStraightToTheFolderBrowserAndFillsTheCommandLine) {
    DialogHarness h;
    auto& f = h.F();
    h.fakes.shell.browseAnswers = {"D:\\Florida"};
    h.fakes.shell.paths = {"D:\\Florida\\FP32.EXE"};

    f.Prob_Command1(0).UserClick();

    EXPECT_EQ(f.Prob_Text1(0).Text(), "D:\\Florida\\FP32.EXE");
    EXPECT_EQ(h.fakes.shell.browseTitles, std::vector<std::string>{"Select Folder"});
    EXPECT_EQ(h.fakes.shell.browseFlags, std::vector<unsigned>{3u});
    EXPECT_EQ(h.fakes.shell.existsQueries, std::vector<std::string>{"D:\\Florida\\FP32.EXE"});
    EXPECT_TRUE(h.fakes.messageBoxes.shown.empty());
}

TEST(ProbeFrame, BrowseThatFindsNothingOrIsCancelledLeavesTheCommandLine) {
    struct Case {
        const char* chosen; // empty: the browser is cancelled
        size_t boxes;
    };
    for (const Case c : {Case{"D:\\Other", 1}, Case{"", 0}}) {
        SCOPED_TRACE(c.chosen);
        DialogHarness h;
        auto& f = h.F();
        f.Prob_Text1(0).SetText("fp32 /s");
        h.fakes.shell.browseAnswers = {c.chosen};

        f.Prob_Command1_Click(0);

        EXPECT_EQ(f.Prob_Text1(0).Text(), "fp32 /s");
        ASSERT_EQ(h.fakes.messageBoxes.shown.size(), c.boxes);
        if (c.boxes == 0)
            continue;
        const auto& box = h.fakes.messageBoxes.shown[0];
        EXPECT_EQ(box.text, "The application could not be found in the selected location." + CRLF + CRLF +
                                "Please select the folder that contains FP32.EXE.");
        EXPECT_EQ(box.style, 64);
        EXPECT_EQ(box.title, "Program Not Found");
    }
}

TEST(ProbeFrame, BrowseOfAnotherIndexDoesNothing) {
    DialogHarness h;
    h.fakes.shell.browseAnswers = {"D:\\Florida"};
    h.F().Prob_Command1_Click(1);
    EXPECT_TRUE(h.fakes.shell.browseTitles.empty());
}

} // namespace
} // namespace zw::test
