// Finding a program in its usual folders or a folder the user picks, and what each Browse button looks for.
#include <gtest/gtest.h>

#include "support/dialog_harness.h"

namespace zw::test {
namespace {

using Paths = std::vector<std::string>;
const Paths Apteryx{"XVASSISTANT.EXE", "CLINIVIEW.EXE", "XVLITE.EXE", "LIGHTYEAR.EXE"};
const Paths Schick{"NCDR.EXE", "CDR.EXE"};

// The box that offers a folder where the program was found, as its style, title and text.
std::string Found(const std::string& folder) {
    return "67 Program Found: The selected application was found in it's default location, " + folder +
           ".\r\n\r\nDo you want to accept the default location?";
}

TEST(BrowseForProgram, Branches) {
    // Names, existing files, the default and second folders, the answers to the box and to the folder
    // browser ("" cancels it), the boxes shown, the box's text afterwards ("-": unchanged), browsers shown.
    const std::string SX = "C:\\SX\\SIDEXIS.EXE";
    const Paths Sidexis{"SIDEXIS.EXE"}, Found_SX{Found("C:\\SX")};
    // clang-format off
    const std::tuple<Paths, Paths, std::string, std::string, std::deque<int>, std::deque<std::string>, Paths,
                     std::string, size_t> cases[] = {
        {Sidexis, {SX}, "C:\\SX", "", {mb::Yes}, {}, Found_SX, SX, 0},
        {Sidexis, {SX}, "C:\\SX", "", {mb::Cancel}, {"D:"}, Found_SX, "-", 0},
        // The first name found in the chosen folder is taken.
        {Schick, {"C:\\SX\\CDR.EXE", "D:\\NCDR.EXE"}, "C:\\SX", "", {mb::No}, {"D:"}, Found_SX, "D:\\NCDR.EXE", 1},
        {Sidexis, {SX}, "C:\\SX", "", {mb::No}, {""}, Found_SX, "-", 1},
        // Found only in the second folder, which the box then names; the names are tried in their order.
        {Apteryx, {" C:\\B \\XVLITE.EXE", " C:\\B \\LIGHTYEAR.EXE"}, "C:\\A", " C:\\B ", {mb::Yes}, {},
            {Found(" C:\\B ")}, " C:\\B \\XVLITE.EXE", 0},
        // Nothing is looked for in an empty or blank folder.
        {{"TW.EXE"}, {"  \\TW.EXE", "TW.EXE", "\\TW.EXE"}, "", "  ", {}, {""}, {}, "-", 1},
        // The names in the box in upper case; the file system asked for them as written.
        {{"xvassistant.exe", "CliniView.exe"}, {"D:\\E\\CLINIVIEW.EXE"}, "", "", {}, {"D:\\E"}, {"64 Program Not "
            "Found: The application could not be found in the selected location.\r\n\r\nPlease select the folder "
            "that contains XVASSISTANT.EXE or CLINIVIEW.EXE."}, "-", 1},
        {Schick, {"E:\\S\\CDR.EXE"}, "C:\\", "", {}, {"E:\\S"}, {}, "E:\\S\\CDR.EXE", 1},
    };
    // clang-format on
    for (const auto& [names, existing, first, second, answers, browser, boxes, text, browsers] : cases) {
        SCOPED_TRACE(text + first + second);
        DialogHarness h;
        h.fakes.shell.paths = {existing.begin(), existing.end()};
        h.fakes.shell.browseAnswers = browser;
        h.fakes.messageBoxes.answers = answers;
        h.F().Text1(3).SetText("-");
        std::string folder = first;
        h.F().BrowseForProgram(h.F().Text1(3), names, folder, second);
        EXPECT_EQ(h.F().Text1(3).Text(), text);
        EXPECT_EQ(h.fakes.messageBoxes.Described(), boxes);
        EXPECT_EQ(h.fakes.shell.browsers, Paths(browsers, "Select Folder|3")); // file-system folders only
    }
}

// Each button looks for its names in its folders, then in the chosen folder Z:, where only its last name
// exists; only its own box receives the path. Which names and folders each row has is the bridge rows' table
// (tests/choice); here, the first and last buttons, a row with two usual folders, and the Schick rows, whose folder
// comes from the App Paths registration (of NCDR.EXE, else CDR.EXE; of CDRDicom.EXE), read that many times.
// Buttons past Browse do nothing.
TEST(BrowseButtons, EachRowsNamesFoldersAndBox) {
    const std::string AppPaths = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\";
    const Paths Xva{"C:\\Program Files\\Apteryx\\", "C:\\Program Files\\APTERYX\\APTERYX IMAGING\\"};
    // clang-format off
    const std::tuple<int16_t, int, Paths, Paths, std::string, std::string, long> rows[] = {
        {2, 0, {"TW.EXE"}, {}, "", "", 0},
        {6, 4, Apteryx, Xva, "", "", 0},
        {7, 8, Schick, {"C:\\"}, "", "", 2},
        {7, 8, Schick, {"d:\\imaging\\"}, "NCDR.EXE", "d:\\imaging\\ncdr.exe", 1},
        {7, 8, Schick, {"D:\\Imaging\\Other.exe\\"}, "NCDR.EXE", "D:\\Imaging\\Other.exe", 1},
        {7, 8, Schick, {"C:\\CDR\\NCD\\"}, "NCDR.EXE", "  C:\\CDR\\NCDR.EXE  ", 1}, // cut by the length as read
        {7, 8, Schick, {"E:\\Old\\"}, "CDR.EXE", "E:\\Old\\cdr.exe", 2},
        {10, 9, {"CDRDICOM.EXE"}, {"C:\\CDR\\"}, "CDRDicom.EXE", "C:\\CDR\\CDRDicom.exe", 1},
        {12, 11, {"OrthoCAD.EXE"}, {"C:\\Program Files\\Cadent\\OrthoCAD\\"}, "", "", 0},
        {13, -1, {}, {}, "", "", 0},
    };
    // clang-format on
    for (const auto& [command, text, names, folders, registered, value, reads] : rows) {
        SCOPED_TRACE(std::to_string(command) + " " + value);
        DialogHarness h;
        h.F().Initialize();
        // An empty program name registers nothing that is ever looked up.
        h.Env().SetRegistry(HKEY_LOCAL_MACHINE_VALUE, AppPaths + registered, "", value);
        h.F().Text1.ForEach([](TextBox& box) { box.SetText("-"); });
        h.fakes.shell.browseAnswers = {"Z:"};
        if (!names.empty())
            h.fakes.shell.paths = {"Z:\\" + names.back()};

        h.F().Command1_Click(command);

        Paths queries, searched = folders;
        searched.push_back("Z:\\");
        for (const auto& folder : searched)
            for (const auto& name : names)
                queries.push_back(folder + name);
        EXPECT_EQ(h.fakes.shell.existsQueries, queries);
        EXPECT_EQ(h.Env().calls["ReadRegistryString"], reads);
        h.F().Text1.ForEach([&](TextBox& box) {
            EXPECT_EQ(box.Text(), box.Index() == text ? "Z:\\" + names.back() : "-") << box.FullName();
        });
    }
}

} // namespace
} // namespace zw::test
