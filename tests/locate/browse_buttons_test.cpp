#include <gtest/gtest.h>

#include "app/environment.h"
#include "fakes/dialog_harness.h"

namespace zw::test {
namespace {

using Paths = std::vector<std::string>;

// Each button looks for its names in its folders, then in the chosen folder Z:, where only its last name
// exists; only its own box receives the path.
TEST(BrowseButtons, EachRowsNamesFoldersAndBox) {
    struct Row {
        int16_t command;
        int text;
        Paths names;
        Paths folders; // joined with a name, as looked in
    };
    const Row rows[] = {
        {2, 0, {"TW.EXE"}, {}},
        {3, 1, {"TIGER1.EXE"}, {"C:\\TIGERS\\"}},
        {4, 2, {"DEXIS.EXE"}, {"f:\\dexis\\"}},
        {5, 3, {"SIDEXIS.EXE"}, {"C:\\SIDEXIS\\"}},
        {6,
         4,
         {"XVASSISTANT.EXE", "CLINIVIEW.EXE", "XVLITE.EXE", "LIGHTYEAR.EXE"},
         {"C:\\Program Files\\Apteryx\\", "C:\\Program Files\\APTERYX\\APTERYX IMAGING\\"}},
        {7, 8, {"NCDR.EXE", "CDR.EXE"}, {"C:\\"}},
        {8, 6, {"SUITE.EXE"}, {"C:\\ImagExplorer\\"}},
        {9, 7, {"IMAGEFX.EXE"}, {"C:\\IMAGEFX\\"}},
        {10, 9, {"CDRDICOM.EXE"}, {"C:\\"}},
        {11, 10, {"MEDIADENT.EXE"}, {"C:\\Program Files\\MultiMedia Dental\\Mediadent\\"}},
        {12, 11, {"OrthoCAD.EXE"}, {"C:\\Program Files\\Cadent\\OrthoCAD\\"}},
        {13, -1, {}, {}},
        {1, -1, {}, {}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.command);
        DialogHarness h;
        CreateEnvironment(h.fakes.environmentFactory);
        h.F().Text1.ForEach([](TextBox& box) { box.SetText("-"); });
        h.fakes.shell.browseAnswers = {"Z:"};
        if (!row.names.empty())
            h.fakes.shell.paths = {"Z:\\" + row.names.back()};

        h.F().RunBrowseButton(row.command);

        Paths queries;
        for (const auto& folder : row.folders)
            for (const auto& name : row.names)
                queries.push_back(folder + name);
        for (const auto& name : row.names)
            queries.push_back("Z:\\" + name);
        EXPECT_EQ(h.fakes.shell.existsQueries, queries);
        h.F().Text1.ForEach([&](TextBox& box) {
            EXPECT_EQ(box.Text(), box.Index() == row.text ? "Z:\\" + row.names.back() : "-") << box.FullName();
        });
    }
}

// The folder the Schick rows look in first, from the App Paths registrations.
TEST(BrowseButtons, SchickFoldersFromTheRegistry) {
    const std::string appPaths = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\";
    struct Case {
        int16_t command;
        const char* registered; // program=value, "" for none
        const char* value;
        const char* firstQuery;
        bool cdrRead;
    };
    const Case cases[] = {
        {7, "NCDR.EXE", "D:\\Imaging\\NCDR.EXE", "D:\\Imaging\\NCDR.EXE", false},
        {7, "NCDR.EXE", "d:\\imaging\\ncdr.exe", "d:\\imaging\\NCDR.EXE", false},
        // Not ending in the name: used whole, and the older program is not asked for.
        {7, "NCDR.EXE", "D:\\Imaging\\Other.exe", "D:\\Imaging\\Other.exe\\NCDR.EXE", false},
        {7, "NCDR.EXE", "\\NCDR.EXE", "C:\\NCDR.EXE", false},
        // The cut counts the value's length as read, blanks included.
        {7, "NCDR.EXE", "  C:\\CDR\\NCDR.EXE  ", "C:\\CDR\\NCD\\NCDR.EXE", false},
        {7, "CDR.EXE", "E:\\Old\\cdr.exe", "E:\\Old\\NCDR.EXE", true},
        {7, "", "", "C:\\NCDR.EXE", true},
        {10, "CDRDicom.EXE", "C:\\CDR\\CDRDicom.exe", "C:\\CDR\\CDRDICOM.EXE", false},
        {10, "CDRDicom.EXE", "C:\\CDR\\CDRDicom50.exe", "C:\\CDR\\CDRDicom50.exe\\CDRDICOM.EXE", false},
        {10, "", "", "C:\\CDRDICOM.EXE", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value);
        DialogHarness h;
        CreateEnvironment(h.fakes.environmentFactory);
        if (*c.registered)
            h.Env().SetRegistry(HKEY_LOCAL_MACHINE_VALUE, appPaths + c.registered, "", c.value);

        h.F().RunBrowseButton(c.command);

        ASSERT_FALSE(h.fakes.shell.existsQueries.empty());
        EXPECT_EQ(h.fakes.shell.existsQueries.front(), c.firstQuery);
        const auto& log = h.Env().log;
        EXPECT_EQ(std::count(log.begin(), log.end(), "ReadRegistryString " + appPaths + "CDR.EXE"), c.cdrRead);
    }
}

} // namespace
} // namespace zw::test
