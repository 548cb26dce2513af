// Where each program is looked for, in the dialog's order and registry views, what the dialog proposes and
// whether its check accepts that, which place is marked, and that a drive that does not answer costs the
// search no more than its time budget.
#include <gtest/gtest.h>

#include <algorithm>
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
const std::string MediaDentKey = "CLSID\\{E83A9180-5A1A-45AF-8D55-00841FE3FD18}\\LocalServer32";

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
                       // The Browse button looks in the folder of the first registered value, C:\ when none.
                       " 0 D:\\Old\\NCDR.EXE  <- browse: Browse button 7, folder from the registry"}));

    Search none;
    EXPECT_EQ(Lines(ProgramOf(none.Run(), "SCHICK")).back(),
              " 1 C:\\CDR.EXE  <- browse: Browse button 7, folder from the registry");

    // What the dialog's check refuses is never taken: a registration in quotes is proposed as it is, and the
    // file it names is taken instead; an existing file of another name is not taken at all.
    Search odd;
    odd.AppPath("NCDR.EXE", "\"C:\\CDR\\NCDR.EXE\"", B32);
    odd.AppPath("CDRDicom.EXE", "C:\\CDR\\CDRDICOM32.EXE", B32);
    odd.host->AddFile("C:\\CDR\\NCDR.EXE");
    odd.host->AddFile("C:\\CDR\\CDRDICOM32.EXE");
    const auto programs = odd.Run();
    EXPECT_EQ(Lines(ProgramOf(programs, "SCHICK"))[0],
              "> 1 \"C:\\CDR\\NCDR.EXE\"  <- proposal: refused by the dialog's check: Please select [NCDR.EXE] or "
              "[CDR.EXE] as file name for Schick 2.6 Software; Can not find file [\"C:\\CDR\\NCDR.EXE\"]");
    const DetectedProgram schick = FindDetected(programs, "SCHICK");
    EXPECT_EQ(schick.path, "C:\\CDR\\NCDR.EXE");
    EXPECT_EQ(schick.refusedProposal, "\"C:\\CDR\\NCDR.EXE\"");
    const ProgramPlaces& dicom = ProgramOf(programs, "SCHICK-DICOM");
    EXPECT_TRUE(dicom.places[1].presence == Presence::Exists && !*dicom.places[1].accepted && !dicom.places[1].first);
    EXPECT_FALSE(FindDetected(programs, "SCHICK-DICOM").path);
}

// Fixed Browse folders, and those under C:\Program Files again under both Program Files folders of the
// machine; a place already listed is not listed twice. The XVA row stores the code its file name decides.
TEST(Detect, InstallFoldersAndCodesByFileName) {
    Search s;
    s.host->programFiles = "E:\\Apps";
    s.host->AddFile("C:\\Program Files (x86)\\APTERYX\\APTERYX IMAGING\\LIGHTYEAR.EXE");
    const auto programs = s.Run();
    const ProgramPlaces& xva = ProgramOf(programs, "XVA3DMD");
    ASSERT_EQ(xva.places.size(), 4u * 6);
    const std::string x86 = "C:\\Program Files (x86)\\APTERYX\\APTERYX IMAGING\\";
    EXPECT_EQ(Lines(xva)[4], " 1 C:\\Program Files\\APTERYX\\APTERYX IMAGING\\XVASSISTANT.EXE  <- browse: Browse "
                             "button 6, second folder");
    EXPECT_EQ(Lines(xva)[8], " 1 E:\\Apps\\Apteryx\\XVASSISTANT.EXE  <- install-folder: Program Files");
    EXPECT_EQ(Lines(xva)[23], "* 0 " + x86 + "LIGHTYEAR.EXE  <- install-folder: Program Files (x86)");
    EXPECT_EQ(xva.places[23].code, "LIGHTYEAR");
    EXPECT_EQ(FindDetected(programs, "lightyear").path, x86 + "LIGHTYEAR.EXE");
    const DetectedProgram xva3 = FindDetected(programs, "XVA3DMD");
    EXPECT_FALSE(xva3.path);
    EXPECT_EQ(xva3.tried.size(), 24u);

    // OrthoCAD proposes its fixed path, which is also where its Browse button looks.
    EXPECT_EQ(
        Lines(ProgramOf(programs, "ORTHOCAD")),
        (Strings{
            "> 1 C:\\Program Files\\Cadent\\OrthoCAD\\OrthoCAD.exe  <- proposal: refused by the dialog's check: Can "
            "not find file [C:\\Program Files\\Cadent\\OrthoCAD\\OrthoCAD.exe]",
            "> 1 C:\\Program Files\\Cadent\\OrthoCAD\\OrthoCAD.exe  <- default: the row's fixed command line",
            " 1 E:\\Apps\\Cadent\\OrthoCAD\\OrthoCAD.EXE  <- install-folder: Program Files",
            " 1 C:\\Program Files (x86)\\Cadent\\OrthoCAD\\OrthoCAD.EXE  <- install-folder: Program Files "
            "(x86)"}));
    // Trophy's Browse button has no folder: there is nowhere to look.
    EXPECT_TRUE(ProgramOf(programs, "TROPHY").places.empty());
    EXPECT_FALSE(FindDetected(programs, "DI_GENDEX").path);
}

// The server registration and Dentx.ini's main file are command lines: the file is what is looked for. The
// dialog proposes the registration whole, which its check refuses; the file it names is what is taken.
TEST(Detect, CommandLinesAndProImage) {
    const std::pair<std::string, std::string> files[] = {
        {"\"C:\\M D\\MEDIADENT.EXE\" /automation", "C:\\M D\\MEDIADENT.EXE"},
        {" C:\\MD\\MEDIAD~1.EXE /automation", "C:\\MD\\MEDIAD~1.EXE"},
        {"C:\\Program Files\\PI\\ProImage.exe", "C:\\Program Files\\PI\\ProImage.exe"},
        {"\"C:\\unclosed", "C:\\unclosed"},
    };
    for (const auto& [commandLine, file] : files)
        EXPECT_EQ(CommandLineFile(commandLine), file) << commandLine;

    Search s;
    s.registry.Set(HKEY_CLASSES_ROOT_VALUE, MediaDentKey, "", files[0].first, B64);
    s.host->AddFile(files[0].second);
    s.host->profile.files.insert("C:\\WINDOWS\\Dentx.ini");
    s.host->profile.ini["C:\\WINDOWS\\Dentx.ini"][{"imagemgt", "MainFile"}] = "\"F:\\PI\\Main.exe\" -x";
    s.host->AddFile("F:\\PI\\Main.exe");
    const auto programs = s.Run();
    EXPECT_EQ(Lines(ProgramOf(programs, "MEDIADENT"))[2],
              "*> 0 C:\\M D\\MEDIADENT.EXE  <- registry: HKCR\\" + MediaDentKey + ", 64-bit view");
    const Place& proposal = ProgramOf(programs, "MEDIADENT").places[0];
    EXPECT_EQ(proposal.value, files[0].first);
    EXPECT_EQ(proposal.where, "refused by the dialog's check: Please select [MEDIADENT.EXE] as file name for MEDIADENT "
                              "Imaging Software; Can not find file [" +
                                  files[0].first + "]");
    EXPECT_EQ(FindDetected(programs, "MEDIADENT").path, files[0].second);
    EXPECT_EQ(Lines(ProgramOf(programs, "PROIMAGE")),
              (Strings{" 0 C:\\WINDOWS\\Dentx.ini  <- dentx-ini: Windows folder",
                       "*> 0 F:\\PI\\Main.exe  <- dentx-main-file: Dentx.ini [imagemgt] MainFile"}));

    s.host->profile.files.clear();
    EXPECT_EQ(Lines(ProgramOf(s.Run(), "PROIMAGE")),
              Strings{" 1 C:\\WINDOWS\\Dentx.ini  <- dentx-ini: Windows folder"});
}

// A mapped drive is told with its share; a drive that never answers is unreachable once the budget is spent,
// while every other drive was answered meanwhile.
TEST(Detect, MappedAndUnreachableDrives) {
    Search s;
    s.host->drives["N:"] = {DriveKind::Mapped, "\\\\srv\\xray"};
    s.host->hanging = {"U:", "\\\\DEAD\\SHARE"};
    s.AppPath("NCDR.EXE", "N:\\CDR\\NCDR.EXE", B32);
    s.AppPath("CDRDicom.EXE", "U:\\CDR\\CDRDicom.EXE", B32);
    s.AppPath("CDRDicom.EXE", "\\\\dead\\share\\CDRDicom.EXE", B64);
    s.host->AddFile("N:\\CDR\\NCDR.EXE");
    s.host->AddFile("C:\\SIDEXIS\\SIDEXIS.EXE");
    const auto started = std::chrono::steady_clock::now();
    const auto programs = s.Run();
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(2));

    const Place& mapped = ProgramOf(programs, "SCHICK").places[1];
    EXPECT_TRUE(mapped.first);
    EXPECT_EQ(mapped.drive.kind, DriveKind::Mapped);
    EXPECT_EQ(mapped.drive.unc, "\\\\srv\\xray");
    for (const auto& place : ProgramOf(programs, "SCHICK-DICOM").places)
        EXPECT_EQ(place.presence, Presence::Unreachable) << place.path;
    EXPECT_TRUE(ProgramOf(programs, "SIDEXIS").places[0].first);
}

} // namespace
} // namespace zw::test
