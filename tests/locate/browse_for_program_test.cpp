#include <gtest/gtest.h>

#include "controls/strings.h"
#include "locate_fixture.h"

namespace zw::test {
namespace {

const std::string NotFoundTitle = "Program Not Found";
const std::string FoundTitle = "Program Found";

std::string FoundText(const std::string& folder) {
    return "The selected application was found in it's default location, " + folder + "." + CRLF + CRLF +
           "Do you want to accept the default location?";
}

std::string NotFoundText(const std::string& list) {
    return "The application could not be found in the selected location." + CRLF + CRLF +
           "Please select the folder that contains " + list + ".";
}

const std::vector<std::string> Apteryx{"XVASSISTANT.EXE", "CLINIVIEW.EXE", "XVLITE.EXE", "LIGHTYEAR.EXE"};

TEST(FindProgramInFolder, FirstNameInListOrderWinsAndLaterNamesAreNotTried) {
    LocateHarness h;
    h.Shell().paths = {"C:\\APT\\XVLITE.EXE", "C:\\APT\\LIGHTYEAR.EXE"};

    EXPECT_EQ(h.F().FindProgramInFolder(Apteryx, "C:\\APT"), "C:\\APT\\XVLITE.EXE");
    EXPECT_EQ(h.Shell().existsQueries,
              (std::vector<std::string>{"C:\\APT\\XVASSISTANT.EXE", "C:\\APT\\CLINIVIEW.EXE", "C:\\APT\\XVLITE.EXE"}));
}

TEST(FindProgramInFolder, EmptyFolderOrNoNameFoundGivesEmpty) {
    LocateHarness h;
    h.Shell().paths = {"XVLITE.EXE", "\\XVLITE.EXE"};

    EXPECT_EQ(h.F().FindProgramInFolder(Apteryx, ""), "");
    EXPECT_TRUE(h.Shell().existsQueries.empty());

    EXPECT_EQ(h.F().FindProgramInFolder(Apteryx, "C:\\APT\\"), "");
    EXPECT_EQ(h.Shell().existsQueries.size(), 4u);
}

// The default location is offered; the three answers decide what follows.
TEST(BrowseForProgram, ProgramInDefaultFolderIsOffered) {
    struct Case {
        int answer;
        std::vector<std::string> browser; // the folder browser's answers
        std::string expectedText;
        size_t browsersOpened;
        size_t boxes;
    };
    const Case cases[] = {
        {mb::Yes, {}, "C:\\SIDEXIS\\SIDEXIS.EXE", 0, 1},
        {mb::Cancel, {}, LocateHarness::Untouched, 0, 1},
        {mb::No, {"D:\\SX"}, "D:\\SX\\SIDEXIS.EXE", 1, 1},
        {mb::No, {""}, LocateHarness::Untouched, 1, 1},
    };
    for (const auto& c : cases) {
        LocateHarness h;
        h.Shell().paths = {"C:\\SIDEXIS\\SIDEXIS.EXE", "D:\\SX\\SIDEXIS.EXE"};
        h.Shell().browseAnswers.assign(c.browser.begin(), c.browser.end());
        h.Boxes().answers = {c.answer};
        std::string folder = "C:\\SIDEXIS";

        h.F().BrowseForProgram(h.F().Text1(3), {"SIDEXIS.EXE"}, folder, "");

        SCOPED_TRACE(c.answer);
        EXPECT_EQ(h.F().Text1(3).Text(), c.expectedText);
        EXPECT_EQ(h.Shell().browseTitles.size(), c.browsersOpened);
        ASSERT_EQ(h.Boxes().shown.size(), c.boxes);
        EXPECT_EQ(h.Boxes().shown[0].text, FoundText("C:\\SIDEXIS"));
        EXPECT_EQ(h.Boxes().shown[0].style, 67);
        EXPECT_EQ(h.Boxes().shown[0].title, FoundTitle);
    }
}

TEST(BrowseForProgram, SecondFolderIsUsedOnlyWhenTheFirstHoldsNothingAndItIsNotBlank) {
    LocateHarness h;
    const std::string second = "C:\\Program Files\\APTERYX\\APTERYX IMAGING\\";
    h.Shell().paths = {second + "CLINIVIEW.EXE"};
    h.Boxes().answers = {mb::Yes};
    std::string folder = "C:\\Program Files\\Apteryx\\";

    h.F().BrowseForProgram(h.F().Text1(4), Apteryx, folder, second);

    EXPECT_EQ(h.F().Text1(4).Text(), second + "CLINIVIEW.EXE");
    ASSERT_EQ(h.Boxes().shown.size(), 1u);
    EXPECT_EQ(h.Boxes().shown[0].text, FoundText(second));
    EXPECT_EQ(folder, second);

    // Blanks only: no second look, nothing offered, the browser opens at once.
    LocateHarness blank;
    blank.Shell().paths = {"   \\TW.EXE", "TW.EXE"};
    std::string empty;
    blank.F().BrowseForProgram(blank.F().Text1(0), {"TW.EXE"}, empty, "   ");
    EXPECT_TRUE(blank.Shell().existsQueries.empty());
    EXPECT_TRUE(blank.Boxes().shown.empty());
    EXPECT_EQ(blank.Shell().browseTitles, std::vector<std::string>{"Select Folder"});
    EXPECT_EQ(empty, "");
}

TEST(BrowseForProgram, SecondFolderIsTakenUntrimmedAndNotLookedInWhenTheFirstHoldsTheProgram) {
    LocateHarness h;
    h.Shell().paths = {"C:\\A\\P.EXE", " D:\\B \\P.EXE"};
    h.Boxes().answers = {mb::Yes};
    std::string folder = "C:\\A";
    h.F().BrowseForProgram(h.F().Text1(1), {"P.EXE"}, folder, " D:\\B ");
    EXPECT_EQ(h.F().Text1(1).Text(), "C:\\A\\P.EXE");
    EXPECT_EQ(folder, "C:\\A");

    LocateHarness second;
    second.Shell().paths = {" D:\\B \\P.EXE"};
    second.Boxes().answers = {mb::Yes};
    std::string other = "C:\\A";
    second.F().BrowseForProgram(second.F().Text1(1), {"P.EXE"}, other, " D:\\B ");
    EXPECT_EQ(second.F().Text1(1).Text(), " D:\\B \\P.EXE");
    EXPECT_EQ(second.Boxes().shown[0].text, FoundText(" D:\\B "));
}

TEST(BrowseForProgram, ChosenFolderWithoutTheProgramNamesEveryNameInUpperCase) {
    LocateHarness h;
    h.Shell().browseAnswers = {"D:\\Empty"};
    std::vector<std::string> names = {"xvassistant.exe", "CliniView.exe", "XVLITE.EXE"};
    std::string folder;

    h.F().BrowseForProgram(h.F().Text1(4), names, folder, "");

    EXPECT_EQ(h.F().Text1(4).Text(), LocateHarness::Untouched);
    ASSERT_EQ(h.Boxes().shown.size(), 1u);
    EXPECT_EQ(h.Boxes().shown[0].text, NotFoundText("XVASSISTANT.EXE or CLINIVIEW.EXE or XVLITE.EXE"));
    EXPECT_EQ(h.Boxes().shown[0].style, 64);
    EXPECT_EQ(h.Boxes().shown[0].title, NotFoundTitle);
    // The file system is asked for the names as written.
    EXPECT_EQ(h.Shell().existsQueries, (std::vector<std::string>{"D:\\Empty\\xvassistant.exe",
                                                                 "D:\\Empty\\CliniView.exe", "D:\\Empty\\XVLITE.EXE"}));
}

TEST(BrowseForProgram, LaterNameFoundInTheChosenFolderFillsTheBox) {
    LocateHarness h;
    h.Shell().paths = {"E:\\Schick\\CDR.EXE"};
    h.Shell().browseAnswers = {"E:\\Schick"};
    std::string folder = "C:\\";

    h.F().BrowseForProgram(h.F().Text1(8), {"NCDR.EXE", "CDR.EXE"}, folder, "");

    EXPECT_EQ(h.F().Text1(8).Text(), "E:\\Schick\\CDR.EXE");
    EXPECT_TRUE(h.Boxes().shown.empty());
    EXPECT_EQ(h.Shell().browseFlags, std::vector<unsigned>{3u});
}

TEST(BrowseForProgram, ProgramAtADriveRootJoinsWithOneBackslash) {
    LocateHarness h;
    h.Shell().paths = {"C:\\CDR.EXE"};
    h.Boxes().answers = {mb::Yes};
    std::string folder = "C:\\";
    h.F().BrowseForProgram(h.F().Text1(8), {"NCDR.EXE", "CDR.EXE"}, folder, "");
    EXPECT_EQ(h.F().Text1(8).Text(), "C:\\CDR.EXE");
    EXPECT_EQ(h.Boxes().shown[0].text, FoundText("C:\\"));
}

} // namespace
} // namespace zw::test
