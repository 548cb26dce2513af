#include <gtest/gtest.h>

#include "controls/strings.h"
#include "fakes/dialog_harness.h"
#include "locate/path_helpers.h"

namespace zw::test {
namespace {

using Paths = std::vector<std::string>;
const Paths Apteryx{"XVASSISTANT.EXE", "CLINIVIEW.EXE", "XVLITE.EXE", "LIGHTYEAR.EXE"};

TEST(PathHelpers, GoThroughTheShell) {
    FakeShell shell;
    shell.browseAnswers = {"D:\\Imaging", ""};
    shell.paths = {"C:\\TIGERS"};
    EXPECT_EQ(BrowseForFolder(shell, "Select Folder"), "D:\\Imaging");
    EXPECT_EQ(BrowseForFolder(shell, "Select Folder"), "");
    EXPECT_EQ(shell.browseFlags, (std::vector<unsigned>{3u, 3u}));
    EXPECT_TRUE(FileExists(shell, "C:\\TIGERS"));
    EXPECT_FALSE(FileExists(shell, "C:\\TIGERS\\TIGER1.EXE"));
    EXPECT_EQ(AppendPath(shell, "C:\\TIGERS", "TIGER1.EXE"), "C:\\TIGERS\\TIGER1.EXE");
    EXPECT_EQ(AppendPath(shell, "C:\\Program Files\\Apteryx\\", "X.EXE"), "C:\\Program Files\\Apteryx\\X.EXE");
}

TEST(FindProgramInFolder, FirstExistingNameInListOrderAndNothingForAnEmptyFolder) {
    DialogHarness h;
    h.fakes.shell.paths = {"C:\\A\\XVLITE.EXE", "C:\\A\\LIGHTYEAR.EXE", "XVLITE.EXE", "\\XVLITE.EXE"};
    EXPECT_EQ(h.F().FindProgramInFolder(Apteryx, ""), "");
    EXPECT_TRUE(h.fakes.shell.existsQueries.empty());
    EXPECT_EQ(h.F().FindProgramInFolder(Apteryx, "C:\\A"), "C:\\A\\XVLITE.EXE");
    EXPECT_EQ(h.fakes.shell.existsQueries,
              (Paths{"C:\\A\\XVASSISTANT.EXE", "C:\\A\\CLINIVIEW.EXE", "C:\\A\\XVLITE.EXE"}));
}

TEST(BrowseForProgram, Branches) {
    struct Case {
        const char* what;
        Paths names, existing;
        std::string first, second;
        std::deque<int> answers;
        std::deque<std::string> browser; // "" is a cancelled browser
        std::string text;                // the box afterwards; "-" is unchanged
        std::vector<std::string> titles; // boxes shown
        size_t browsers;
    };
    const std::string F = "Program Found", NF = "Program Not Found";
    const Case cases[] = {
        {"yes", {"SIDEXIS.EXE"}, {"C:\\SX\\SIDEXIS.EXE"}, "C:\\SX", "", {mb::Yes}, {}, "C:\\SX\\SIDEXIS.EXE", {F}, 0},
        {"cancel", {"SIDEXIS.EXE"}, {"C:\\SX\\SIDEXIS.EXE"}, "C:\\SX", "", {mb::Cancel}, {"D:"}, "-", {F}, 0},
        {"no, chosen",
         {"SIDEXIS.EXE"},
         {"C:\\SX\\SIDEXIS.EXE", "D:\\SIDEXIS.EXE"},
         "C:\\SX",
         "",
         {mb::No},
         {"D:"},
         "D:\\SIDEXIS.EXE",
         {F},
         1},
        {"no, browser cancelled", {"SIDEXIS.EXE"}, {"C:\\SX\\SIDEXIS.EXE"}, "C:\\SX", "", {mb::No}, {""}, "-", {F}, 1},
        {"second only",
         Apteryx,
         {"C:\\B\\LIGHTYEAR.EXE"},
         "C:\\A",
         "C:\\B",
         {mb::Yes},
         {},
         "C:\\B\\LIGHTYEAR.EXE",
         {F},
         0},
        {"blank second", {"TW.EXE"}, {"  \\TW.EXE", "TW.EXE"}, "", "  ", {}, {""}, "-", {}, 1},
        {"not found", Apteryx, {}, "", "", {}, {"D:"}, "-", {NF}, 1},
        {"later name", {"NCDR.EXE", "CDR.EXE"}, {"E:\\S\\CDR.EXE"}, "C:\\", "", {}, {"E:\\S"}, "E:\\S\\CDR.EXE", {}, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        DialogHarness h;
        h.fakes.shell.paths = {c.existing.begin(), c.existing.end()};
        h.fakes.shell.browseAnswers = c.browser;
        h.fakes.messageBoxes.answers = c.answers;
        h.F().Text1(3).SetText("-");
        std::string folder = c.first;
        h.F().BrowseForProgram(h.F().Text1(3), c.names, folder, c.second);
        EXPECT_EQ(h.F().Text1(3).Text(), c.text);
        std::vector<std::string> titles;
        for (const auto& box : h.fakes.messageBoxes.shown)
            titles.push_back(box.title);
        EXPECT_EQ(titles, c.titles);
        EXPECT_EQ(h.fakes.shell.browseTitles, std::vector<std::string>(c.browsers, "Select Folder"));
    }
}

TEST(BrowseForProgram, MessagesNameTheFolderOrTheUpperCaseNames) {
    DialogHarness h;
    h.fakes.shell.paths = {" C:\\B \\CliniView.exe"};
    h.fakes.messageBoxes.answers = {mb::No};
    h.fakes.shell.browseAnswers = {"D:\\E"};
    std::string folder = "C:\\A";
    h.F().BrowseForProgram(h.F().Text1(4), {"xvassistant.exe", "CliniView.exe"}, folder, " C:\\B ");

    EXPECT_EQ(folder, " C:\\B ");
    const auto& shown = h.fakes.messageBoxes.shown;
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].text, "The selected application was found in it's default location,  C:\\B ." + CRLF + CRLF +
                                 "Do you want to accept the default location?");
    EXPECT_EQ(shown[0].style, 67);
    EXPECT_EQ(shown[1].text, "The application could not be found in the selected location." + CRLF + CRLF +
                                 "Please select the folder that contains XVASSISTANT.EXE or CLINIVIEW.EXE.");
    EXPECT_EQ(shown[1].style, 64);
    // The file system is asked for the names as written.
    EXPECT_EQ(h.fakes.shell.existsQueries.back(), "D:\\E\\CliniView.exe");
}

} // namespace
} // namespace zw::test
