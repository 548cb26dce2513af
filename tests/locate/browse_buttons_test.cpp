#include <gtest/gtest.h>

#include <algorithm>

#include "app/environment.h"
#include "controls/strings.h"
#include "locate_fixture.h"

namespace zw::test {
namespace {

struct ButtonRow {
    int16_t command;
    int text;
    std::vector<std::string> names;
    std::string defaultFolder;
    std::string secondFolder;
};

const std::vector<ButtonRow>& FixedRows() {
    static const std::vector<ButtonRow> rows = {
        {2, 0, {"TW.EXE"}, "", ""},
        {3, 1, {"TIGER1.EXE"}, "C:\\TIGERS", ""},
        {4, 2, {"DEXIS.EXE"}, "f:\\dexis", ""},
        {5, 3, {"SIDEXIS.EXE"}, "C:\\SIDEXIS", ""},
        {6,
         4,
         {"XVASSISTANT.EXE", "CLINIVIEW.EXE", "XVLITE.EXE", "LIGHTYEAR.EXE"},
         "C:\\Program Files\\Apteryx\\",
         "C:\\Program Files\\APTERYX\\APTERYX IMAGING\\"},
        {8, 6, {"SUITE.EXE"}, "C:\\ImagExplorer", ""},
        {9, 7, {"IMAGEFX.EXE"}, "C:\\IMAGEFX", ""},
        {11, 10, {"MEDIADENT.EXE"}, "C:\\Program Files\\MultiMedia Dental\\Mediadent", ""},
        {12, 11, {"OrthoCAD.EXE"}, "C:\\Program Files\\Cadent\\OrthoCAD", ""},
    };
    return rows;
}

std::string Join(const std::string& folder, const std::string& name) {
    return folder.back() == '\\' ? folder + name : folder + "\\" + name;
}

std::string ExpectedList(const std::vector<std::string>& names) {
    std::string list;
    for (const auto& name : names)
        list += (list.empty() ? "" : " or ") + UCase(name);
    return list;
}

void ExpectOnlyBoxChanged(LocateHarness& h, int text, const std::string& value) {
    h.F().Text1.ForEach([&](TextBox& box) {
        EXPECT_EQ(box.Text(), box.Index() == text ? value : LocateHarness::Untouched) << box.FullName();
    });
}

TEST(BrowseButtons, EachButtonOffersItsProgramInItsFoldersAndWritesOnlyItsOwnBox) {
    for (const auto& row : FixedRows()) {
        SCOPED_TRACE(row.command);
        for (const auto& folder : {row.defaultFolder, row.secondFolder}) {
            if (folder.empty())
                continue;
            LocateHarness h;
            const std::string path = Join(folder, row.names.back());
            h.Shell().paths = {path};
            h.Boxes().answers = {mb::Yes};

            h.F().RunBrowseButton(row.command);

            ExpectOnlyBoxChanged(h, row.text, path);
            ASSERT_EQ(h.Boxes().shown.size(), 1u);
            EXPECT_EQ(h.Boxes().shown[0].title, "Program Found");
            EXPECT_NE(h.Boxes().shown[0].text.find("location, " + folder + "." + CRLF), std::string::npos);
        }
    }
}

TEST(BrowseButtons, EachButtonLooksForItsNamesInOrderInTheChosenFolder) {
    for (const auto& row : FixedRows()) {
        SCOPED_TRACE(row.command);
        LocateHarness h;
        h.Shell().browseAnswers = {"Z:\\Nothing"};

        h.F().RunBrowseButton(row.command);

        std::vector<std::string> expectedQueries;
        for (const auto& folder : {row.defaultFolder, row.secondFolder})
            if (!folder.empty())
                for (const auto& name : row.names)
                    expectedQueries.push_back(Join(folder, name));
        for (const auto& name : row.names)
            expectedQueries.push_back(Join("Z:\\Nothing", name));
        EXPECT_EQ(h.Shell().existsQueries, expectedQueries);
        ASSERT_EQ(h.Boxes().shown.size(), 1u);
        EXPECT_EQ(h.Boxes().shown[0].title, "Program Not Found");
        EXPECT_NE(h.Boxes().shown[0].text.find("contains " + ExpectedList(row.names) + "."), std::string::npos);

        // Found in the chosen folder.
        LocateHarness chosen;
        chosen.Shell().browseAnswers = {"Y:\\Here"};
        chosen.Shell().paths = {Join("Y:\\Here", row.names.front())};
        chosen.F().RunBrowseButton(row.command);
        ExpectOnlyBoxChanged(chosen, row.text, Join("Y:\\Here", row.names.front()));
    }
}

TEST(BrowseButtons, OtherIndexesDoNothing) {
    for (int16_t index : {0, 1, 13, -1}) {
        LocateHarness h;
        h.Shell().browseAnswers = {"Y:\\Here"};
        h.F().RunBrowseButton(index);
        EXPECT_TRUE(h.Shell().browseTitles.empty()) << index;
        EXPECT_TRUE(h.Shell().existsQueries.empty()) << index;
        EXPECT_TRUE(h.Boxes().shown.empty()) << index;
    }
}

const std::string AppPaths = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\";

// The registry rows need the environment component that the dialog creates while it initialises.
struct RegistryHarness : LocateHarness {
    RegistryHarness() { CreateEnvironment(fakes.environmentFactory); }
    void Register(const std::string& program, const std::string& value) {
        Env().SetRegistry(HKEY_LOCAL_MACHINE_VALUE, AppPaths + program, "", value);
    }
    // The folder the row looked in first: the first file-system query without its name.
    std::string FirstFolderLookedIn(const std::string& firstName) {
        if (Shell().existsQueries.empty())
            return "<none>";
        const std::string& query = Shell().existsQueries.front();
        return query.substr(0, query.size() - firstName.size());
    }
    bool ReadRegistry(const std::string& program) {
        const auto& log = Env().log;
        return std::find(log.begin(), log.end(), "ReadRegistryString " + AppPaths + program) != log.end();
    }
};

TEST(BrowseButtons, SchickFolderComesFromTheRegisteredProgram) {
    struct Case {
        const char* ncdr; // nullptr: not registered
        const char* cdr;
        const char* folderPrefix; // what the first query starts with, before "NCDR.EXE"
        bool cdrRead;
    };
    const Case cases[] = {
        {"D:\\Imaging\\NCDR.EXE", nullptr, "D:\\Imaging\\", false},
        {"d:\\imaging\\ncdr.exe", nullptr, "d:\\imaging\\", false},
        // Not ending in the name: the value whole is the folder, and the older program is not asked for.
        {"D:\\Imaging\\Other.exe", "E:\\Old\\CDR.EXE", "D:\\Imaging\\Other.exe\\", false},
        {nullptr, "E:\\Old\\CDR.EXE", "E:\\Old\\", true},
        {nullptr, "e:\\old\\cdr.exe", "e:\\old\\", true},
        {nullptr, nullptr, "C:\\", true},
        // The cut leaves nothing: the drive root.
        {"\\NCDR.EXE", nullptr, "C:\\", false},
        // The cut counts the length as read: blanks around the value keep as many characters of the name.
        {"  C:\\CDR\\NCDR.EXE  ", nullptr, "C:\\CDR\\NCD\\", false},
        {"C:\\CDR\\NCDR.EXE ", nullptr, "C:\\CDR\\", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.ncdr ? c.ncdr : "<none>");
        RegistryHarness h;
        if (c.ncdr)
            h.Register("NCDR.EXE", c.ncdr);
        if (c.cdr)
            h.Register("CDR.EXE", c.cdr);

        h.F().RunBrowseButton(7);

        EXPECT_EQ(h.FirstFolderLookedIn("NCDR.EXE"), c.folderPrefix);
        EXPECT_EQ(h.ReadRegistry("CDR.EXE"), c.cdrRead);
    }
}

TEST(BrowseButtons, SchickRowOffersTheRegisteredFolderAndFillsItsOwnBox) {
    RegistryHarness h;
    h.Register("NCDR.EXE", "D:\\Imaging\\NCDR.EXE");
    h.Shell().paths = {"D:\\Imaging\\CDR.EXE"};
    h.Boxes().answers = {mb::Yes};

    h.F().RunBrowseButton(7);

    ExpectOnlyBoxChanged(h, 8, "D:\\Imaging\\CDR.EXE");
    ASSERT_EQ(h.Boxes().shown.size(), 1u);
    EXPECT_NE(h.Boxes().shown[0].text.find("location, D:\\Imaging."), std::string::npos);
}

TEST(BrowseButtons, SchickDicomFolderComesFromTheRegisteredProgram) {
    struct Case {
        const char* value;
        const char* folderPrefix;
    };
    const Case cases[] = {
        {nullptr, "C:\\"},
        {"C:\\CDR\\CDRDicom.exe", "C:\\CDR\\"},
        {"C:\\CDR\\CDRDicom50.exe", "C:\\CDR\\CDRDicom50.exe\\"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.value ? c.value : "<none>");
        RegistryHarness h;
        if (c.value)
            h.Register("CDRDicom.EXE", c.value);
        h.Shell().browseAnswers = {"Y:\\Here"};
        h.Shell().paths = {"Y:\\Here\\CDRDICOM.EXE"};

        h.F().RunBrowseButton(10);

        EXPECT_EQ(h.FirstFolderLookedIn("CDRDICOM.EXE"), c.folderPrefix);
        ExpectOnlyBoxChanged(h, 9, "Y:\\Here\\CDRDICOM.EXE");
    }
}

} // namespace
} // namespace zw::test
