// Where each program is looked for, in the dialog's order and registry views, which place is marked, and that
// a drive that does not answer costs the search no more than its time budget: what a real machine under Wine
// does not show (it keeps App Paths as one key for both views, its Program Files is on C:, its drives answer).
#include <gtest/gtest.h>

#include <sstream>

#include "platform/environment_component.h"
#include "support/fake_detect_host.h"
#include "tools/detect_format.h"

namespace zw::test {
namespace {

using Strings = std::vector<std::string>;
constexpr auto B32 = RegistryView::Bits32;
constexpr auto B64 = RegistryView::Bits64;
const std::string AppPaths = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\";

struct Search {
    std::shared_ptr<FakeDetectHost> host = std::make_shared<FakeDetectHost>();
    TableRegistryReader registry;
    ~Search() { host->Release(); }

    void AppPath(const std::string& program, const std::string& value, RegistryView view) {
        registry.Set(HKEY_LOCAL_MACHINE_VALUE, AppPaths + program, "", value, view);
    }
    std::vector<ProgramPlaces> Run() { return Detect(host, registry, {std::chrono::milliseconds(150)}); }
};

const ProgramPlaces& ProgramOf(const std::vector<ProgramPlaces>& programs, const std::string& code) {
    for (const auto& program : programs)
        if (program.code == code)
            return program;
    throw std::runtime_error("no program " + code);
}

// Each place as "marks state path <- source", the marks '*' (first accepted) and '>' (proposed).
Strings Lines(const ProgramPlaces& program) {
    Strings lines;
    for (const auto& place : program.places) {
        std::ostringstream line;
        line << (place.first ? "*" : "") << (place.proposed ? ">" : "") << " " << int(place.presence) << " "
             << DescribePlace(place);
        lines.push_back(line.str());
    }
    return lines;
}

// The dialog reads an entry's 32-bit view first and takes it even when empty; the first entry with a value is
// proposed, whether or not its file exists. The mark of the first place accepted follows the dialog's order.
TEST(Detect, SchickPlacesInTheDialogsOrderWithBothViews) {
    Search s;
    s.AppPath("NCDR.EXE", "", B32);
    s.AppPath("NCDR.EXE", "C:\\New\\NCDR.EXE", B64);
    s.AppPath("CDR.EXE", "D:\\Old\\CDR.EXE", B64);
    s.host->AddFile("d:\\old\\cdr.exe");
    s.host->AddFile("D:\\Old\\NCDR.EXE");
    const std::string key = "  <- registry: HKLM\\" + AppPaths;
    EXPECT_EQ(Lines(ProgramOf(s.Run(), "SCHICK")),
              (Strings{"> 0 D:\\Old\\CDR.EXE  <- proposal: accepted by the dialog's check",
                       " 3 (nothing named)" + key + "NCDR.EXE, 32-bit view",
                       " 1 C:\\New\\NCDR.EXE" + key + "NCDR.EXE, 64-bit view",
                       " 3 (nothing named)" + key + "CDR.EXE, 32-bit view",
                       "*> 0 D:\\Old\\CDR.EXE" + key + "CDR.EXE, 64-bit view",
                       // The Browse button looks in the folder of the first registered value.
                       " 0 D:\\Old\\NCDR.EXE  <- browse: Browse button 7, folder from the registry"}));

    // What the dialog's check refuses is never taken: a registration in quotes is proposed as it is, and the
    // file it names is taken instead; an existing file of another name is not taken at all.
    Search odd;
    odd.AppPath("NCDR.EXE", "\"C:\\CDR\\NCDR.EXE\"", B32);
    odd.AppPath("CDRDicom.EXE", "C:\\CDR\\CDRDICOM32.EXE", B32);
    odd.host->AddFile("C:\\CDR\\NCDR.EXE");
    odd.host->AddFile("C:\\CDR\\CDRDICOM32.EXE");
    const auto programs = odd.Run();
    const DetectedProgram schick = FindDetected(programs, "SCHICK");
    EXPECT_EQ(schick.path, "C:\\CDR\\NCDR.EXE");
    EXPECT_EQ(schick.refusedProposal, "\"C:\\CDR\\NCDR.EXE\"");
    EXPECT_FALSE(FindDetected(programs, "SCHICK-DICOM").path);
    EXPECT_FALSE(FindDetected(programs, "DI_GENDEX").path);
}

// Install folders under both Program Files folders of the machine, wherever they are; a place already listed
// (OrthoCAD's fixed path is its Browse folder's file) is not listed twice; an empty Browse folder is not
// looked in (Trophy's).
TEST(Detect, InstallFoldersWhereverProgramFilesIs) {
    Search s;
    s.host->programFiles = "E:\\Apps";
    const auto programs = s.Run();
    EXPECT_EQ(Lines(ProgramOf(programs, "XVA3DMD"))[8],
              " 1 E:\\Apps\\Apteryx\\XVASSISTANT.EXE  <- install-folder: Program Files");
    EXPECT_EQ(ProgramOf(programs, "ORTHOCAD").places.size(), 4u) << "proposal, fixed path and two install folders";
    EXPECT_TRUE(ProgramOf(programs, "TROPHY").places.empty());
}

// The file of a command line (the server registration, Dentx.ini's main file); Dentx.ini missing.
TEST(Detect, CommandLinesAndProImage) {
    const std::pair<std::string, std::string> files[] = {
        {"\"C:\\M D\\MEDIADENT.EXE\" /automation", "C:\\M D\\MEDIADENT.EXE"},
        {" C:\\MD\\mediad~1.exe /automation", "C:\\MD\\mediad~1.exe"}, // the extension in any case
        {"C:\\Program Files\\PI\\ProImage.exe", "C:\\Program Files\\PI\\ProImage.exe"},
        {"\"C:\\unclosed", "C:\\unclosed"},
    };
    for (const auto& [commandLine, file] : files)
        EXPECT_EQ(CommandLineFile(commandLine), file) << commandLine;
    EXPECT_EQ(Lines(ProgramOf(Search().Run(), "PROIMAGE")),
              Strings{" 1 C:\\WINDOWS\\Dentx.ini  <- dentx-ini: Windows folder"});
}

// A drive that never answers is unreachable once the budget is spent, while every other drive was answered
// meanwhile.
TEST(Detect, UnreachableDrives) {
    Search s;
    s.host->hanging = {"U:", "\\\\DEAD\\SHARE"};
    s.AppPath("CDRDicom.EXE", "U:\\CDR\\CDRDicom.EXE", B32);
    s.AppPath("CDRDicom.EXE", "\\\\dead\\share\\CDRDicom.EXE", B64);
    s.host->AddFile("C:\\SIDEXIS\\SIDEXIS.EXE");
    const auto started = std::chrono::steady_clock::now();
    const auto programs = s.Run();
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(2));
    for (const auto& place : ProgramOf(programs, "SCHICK-DICOM").places)
        EXPECT_EQ(place.presence, Presence::Unreachable) << place.path;
    EXPECT_TRUE(ProgramOf(programs, "SIDEXIS").places[0].first);
}

} // namespace
} // namespace zw::test
