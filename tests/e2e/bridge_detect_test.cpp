// Every bridge code, its program installed the way its installer installs it (App Paths for the Schick
// programs, the COM server's registration for MediaDent, the fixed path for OrthoCAD, the usual folders for the
// others): detect shows the dialog's proposal with its check's verdict, and apply --detect stores
// what that check accepts, or refuses with the dialog's message and stores nothing.
#include <filesystem>
#include <list>
#include <optional>

#include "harness.h"

namespace zw::e2e {
namespace {

const std::wstring MediaDentClass = L"CLSID\\{E83A9180-5A1A-45AF-8D55-00841FE3FD18}";

struct Installed {
    const wchar_t* code;
    std::wstring file{};    // the program file; none for rows without one or a program not installed
    std::wstring appPath{}; // the App Paths key it is registered under
    bool server = false;    // registered as MediaDent's COM server, with quotes and /automation
    std::string proposal{}; // the detect line's start from the source on, for a row that proposes
    std::string stored{};   // the record stored; empty when apply --detect refuses, storing nothing
    std::string said{};     // part of what apply --detect says
};

const std::string Accepted = "proposal,accepted by the dialog's check,,";
const std::string NotFound = ": not found on this workstation; looked at:";

const Installed Programs[] = {
    // Trophy's Browse button has no folder, and Dexis' looks on F:: neither is found in Program Files.
    {L"TROPHY", L"C:\\Program Files\\Trophy\\TW.EXE", {}, false, {}, {}, "TROPHY" + NotFound},
    {L"SCHICK", L"C:\\Program Files\\Schick\\CDR\\NCDR.EXE", L"NCDR.EXE", false,
     Accepted + "C:\\Program Files\\Schick\\CDR\\NCDR.EXE,", "SCHICK\nC:\\Program Files\\Schick\\CDR\\NCDR.EXE\n\r"},
    {L"TIGER", L"C:\\TIGERS\\TIGER1.EXE", {}, false, {}, "TIGER\nC:\\TIGERS\\TIGER1.EXE\n\r"},
    {L"DEXIS",
     L"C:\\Program Files\\Dexis\\DEXIS.EXE",
     {},
     false,
     {},
     {},
     "Please select [DEXIS.EXE] as file name for Dexis Software\nCan not find file []"},
    {L"VIPERSOFT", {}, {}, false, {}, "VIPERSOFT\n\n\r"},
    {L"SIDEXIS", L"C:\\SIDEXIS\\SIDEXIS.EXE", {}, false, {}, "SIDEXIS\nC:\\SIDEXIS\\SIDEXIS.EXE\n\r"},
    {L"GENDEX", {}, {}, false, {}, "GENDEX\n\n\r"},
    {L"PROIMAGE", {}, {}, false, {}, {}, "You do not have ProImage setup on this computer"},
    {L"XVA3DMD",
     L"C:\\Program Files (x86)\\Apteryx\\CLINIVIEW.EXE",
     {},
     false,
     {},
     "XVA3DMD\nC:\\Program Files (x86)\\Apteryx\\CLINIVIEW.EXE\n\r"},
    {L"LIGHTYEAR",
     L"C:\\Program Files\\APTERYX\\APTERYX IMAGING\\LIGHTYEAR.EXE",
     {},
     false,
     {},
     "LIGHTYEAR\nC:\\Program Files\\APTERYX\\APTERYX IMAGING\\LIGHTYEAR.EXE\n\r"},
    {L"DIMAXIS", {}, {}, false, {}, "DIMAXIS\n\n\r"},
    {L"DICOM", L"C:\\ImagExplorer\\SUITE.EXE", {}, false, {}, "DICOM\nC:\\ImagExplorer\\SUITE.EXE\n\r"},
    {L"IMAGEFX", L"C:\\IMAGEFX\\IMAGEFX.EXE", {}, false, {}, "IMAGEFX\nC:\\IMAGEFX\\IMAGEFX.EXE\n\r"},
    {L"SCHICK-DICOM", L"C:\\Program Files (x86)\\Schick\\CDRDicom.exe", L"CDRDicom.EXE", false,
     Accepted + "C:\\Program Files (x86)\\Schick\\CDRDicom.exe,",
     "SCHICK-DICOM\nC:\\Program Files (x86)\\Schick\\CDRDicom.exe\n\r"},
    // The dialog proposes the whole registration, which its check refuses; the file it names is stored.
    {L"MEDIADENT",
     L"C:\\Program Files\\MultiMedia Dental\\Mediadent\\MEDIADENT.EXE",
     {},
     true,
     "proposal,\"refused by the dialog's check: Please select [MEDIADENT.EXE] as file name for MEDIADENT Imaging "
     "Software; Can not find file [\"\"C:\\Program Files\\MultiMedia Dental\\Mediadent\\MEDIADENT.EXE\"\" "
     "/automation]\",,\"\"\"C:\\Program Files\\MultiMedia Dental\\Mediadent\\MEDIADENT.EXE\"\" /automation\",",
     "MEDIADENT\nC:\\Program Files\\MultiMedia Dental\\Mediadent\\MEDIADENT.EXE\n\r",
     "/automation, which its check refuses; detect found C:\\Program Files\\MultiMedia Dental\\Mediadent\\"
     "MEDIADENT.EXE"},
    {L"ORTHOCAD",
     L"C:\\Program Files\\Cadent\\OrthoCAD\\OrthoCAD.exe",
     {},
     false,
     Accepted + "C:\\Program Files\\Cadent\\OrthoCAD\\OrthoCAD.exe,",
     "ORTHOCAD\nC:\\Program Files\\Cadent\\OrthoCAD\\OrthoCAD.exe\n\r"},
};

// The folder an installer made: the first below a Program Files folder, else the first below C:\.
std::wstring InstallFolder(const std::wstring& file) {
    const size_t start = file.rfind(L"C:\\Program Files", 0) == 0 ? file.find(L'\\', 3) + 1 : 3;
    return file.substr(0, file.find(L'\\', start));
}

// Every program installed at once, as on a workstation that has tried them all; removed again afterwards.
class BridgeDetectTest : public DialogTest {
protected:
    void SetUp() override {
        for (const Installed& program : Programs) {
            if (!program.file.empty())
                Touch(program.file);
            if (!program.appPath.empty())
                registered_.emplace_back(program.appPath, program.file);
            if (program.server)
                RegSetValueW(HKEY_CLASSES_ROOT, (MediaDentClass + L"\\LocalServer32").c_str(), REG_SZ,
                             (L"\"" + program.file + L"\" /automation").c_str(), 0);
        }
    }
    void TearDown() override {
        RegDeleteTreeW(HKEY_CLASSES_ROOT, MediaDentClass.c_str());
        std::error_code ignored;
        for (const Installed& program : Programs)
            if (!program.file.empty())
                std::filesystem::remove_all(InstallFolder(program.file), ignored);
    }

private:
    std::list<AppPath> registered_;
};

TEST_F(BridgeDetectTest, EveryBridgeCodeStoresOnlyWhatTheDialogsCheckAccepts) {
    const std::string detected = RunTool({L"detect", L"--format", L"csv", L"--timeout", L"30"});
    std::optional<std::string> stored;
    for (const Installed& program : Programs) {
        SCOPED_TRACE(Narrow(program.code));
        EXPECT_TRUE(program.proposal.empty() || detected.find("," + program.proposal) != std::string::npos)
            << program.proposal << "\n"
            << detected;
        // Detect finds the program file where it was installed.
        const std::string found = std::string(",").append(Narrow(program.file)) + ",exists,local,,";
        EXPECT_TRUE(program.stored.empty() || program.file.empty() || detected.find(found) != std::string::npos)
            << detected;

        std::string said;
        try {
            said = RunTool({L"--database", Database(), L"apply", L"--bridge", program.code, L"--detect"});
        } catch (const std::runtime_error& refused) {
            said = refused.what();
        }
        EXPECT_NE(said.find(program.said), std::string::npos) << said;
        EXPECT_EQ(said.find("failed (1)") != std::string::npos, program.stored.empty()) << said;
        if (!program.stored.empty())
            stored = program.stored;
        EXPECT_EQ(StoredXray(), stored);
    }
}

} // namespace
} // namespace zw::e2e
