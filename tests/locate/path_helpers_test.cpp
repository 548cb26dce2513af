#include <gtest/gtest.h>

#include "fakes/fake_platform.h"
#include "locate/path_helpers.h"

namespace zw::test {
namespace {

TEST(PathHelpers, BrowseForFolderAsksForFileSystemFoldersAndPassesCancelOn) {
    FakeShell shell;
    shell.browseAnswers = {"D:\\Imaging", ""};

    EXPECT_EQ(BrowseForFolder(shell, "Select Folder"), "D:\\Imaging");
    EXPECT_EQ(BrowseForFolder(shell, "Select Folder"), "");

    ASSERT_EQ(shell.browseFlags.size(), 2u);
    EXPECT_EQ(shell.browseFlags[0], 3u);
    EXPECT_EQ(shell.browseTitles[0], "Select Folder");
}

TEST(PathHelpers, FileExistsCountsFoldersAndAsksTheShellForThePathAsWritten) {
    FakeShell shell;
    shell.paths = {"C:\\TIGERS", "C:\\TIGERS\\TIGER1.EXE"};

    EXPECT_TRUE(FileExists(shell, "C:\\TIGERS"));
    EXPECT_TRUE(FileExists(shell, "C:\\TIGERS\\TIGER1.EXE"));
    EXPECT_FALSE(FileExists(shell, "C:\\TIGERS\\tiger2.exe"));
    EXPECT_EQ(shell.existsQueries.back(), "C:\\TIGERS\\tiger2.exe");
}

TEST(PathHelpers, AppendPathJoinsWithOneBackslash) {
    struct Case {
        const char* folder;
        const char* name;
        const char* joined;
    };
    const Case cases[] = {
        {"C:\\TIGERS", "TIGER1.EXE", "C:\\TIGERS\\TIGER1.EXE"},
        {"C:\\Program Files\\Apteryx\\", "CLINIVIEW.EXE", "C:\\Program Files\\Apteryx\\CLINIVIEW.EXE"},
        {"C:\\", "NCDR.EXE", "C:\\NCDR.EXE"},
    };
    FakeShell shell;
    for (const auto& c : cases)
        EXPECT_EQ(AppendPath(shell, c.folder, c.name), c.joined) << c.folder;
}

} // namespace
} // namespace zw::test
