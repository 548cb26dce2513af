// Every bridge code, its program installed the way its installer installs it (App Paths for the Schick
// programs, the COM server's registration for MediaDent, the fixed path for OrthoCAD, the usual folders for the
// others): detect shows the dialog's proposal with its check's verdict, and apply --detect stores what that
// check accepts, or refuses with the dialog's message and stores nothing.
#include <filesystem>
#include <list>
#include <optional>

#include "harness.h"

namespace zw::e2e {
namespace {

const std::wstring MediaDentClass = L"CLSID\\{E83A9180-5A1A-45AF-8D55-00841FE3FD18}";

enum class How { Folder, AppPath, Server, Fixed, NoFile };

struct Installed {
    const wchar_t* code;
    How how;
    std::wstring file{};  // stored as the command line unless refused
    std::string said{};   // part of what apply --detect says
    bool refused = false; // exit 1, nothing stored
};

const Installed Programs[] = {
    // Trophy's Browse button has no folder, and Dexis' looks on F:: neither is found in Program Files.
    {L"TROPHY", How::Folder, L"C:\\Program Files\\Trophy\\TW.EXE", "TROPHY: not found on this workstation", true},
    {L"SCHICK", How::AppPath, L"C:\\Program Files\\Schick\\CDR\\NCDR.EXE"},
    {L"TIGER", How::Folder, L"C:\\TIGERS\\TIGER1.EXE"},
    {L"DEXIS", How::Folder, L"C:\\Program Files\\Dexis\\DEXIS.EXE",
     "Please select [DEXIS.EXE] as file name for Dexis Software\nCan not find file []", true},
    {L"VIPERSOFT", How::NoFile},
    {L"SIDEXIS", How::Folder, L"C:\\SIDEXIS\\SIDEXIS.EXE"},
    {L"GENDEX", How::NoFile},
    {L"PROIMAGE", How::NoFile, {}, "You do not have ProImage setup on this computer", true},
    {L"XVA3DMD", How::Folder, L"C:\\Program Files (x86)\\Apteryx\\CLINIVIEW.EXE"},
    {L"LIGHTYEAR", How::Folder, L"C:\\Program Files\\APTERYX\\APTERYX IMAGING\\LIGHTYEAR.EXE"},
    {L"DIMAXIS", How::NoFile},
    {L"DICOM", How::Folder, L"C:\\ImagExplorer\\SUITE.EXE"},
    {L"IMAGEFX", How::Folder, L"C:\\IMAGEFX\\IMAGEFX.EXE"},
    {L"SCHICK-DICOM", How::AppPath, L"C:\\Program Files (x86)\\Schick\\CDRDicom.exe"},
    {L"MEDIADENT", How::Server, L"C:\\Program Files\\MultiMedia Dental\\Mediadent\\MEDIADENT.EXE",
     "/automation, which its check refuses; detect found C:\\Program Files\\MultiMedia Dental\\Mediadent\\"
     "MEDIADENT.EXE"},
    {L"ORTHOCAD", How::Fixed, L"C:\\Program Files\\Cadent\\OrthoCAD\\OrthoCAD.exe"},
};

// The dialog proposes MediaDent's whole registration, which its check refuses.
const std::string RefusedServer =
    ",proposal,\"refused by the dialog's check: Please select [MEDIADENT.EXE] as file name for MEDIADENT Imaging "
    "Software; Can not find file [\"\"C:\\Program Files\\MultiMedia Dental\\Mediadent\\MEDIADENT.EXE\"\" "
    "/automation]\",,\"\"\"C:\\Program Files\\MultiMedia Dental\\Mediadent\\MEDIADENT.EXE\"\" /automation\",";

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
            if (program.how == How::AppPath)
                registered_.emplace_back(std::filesystem::path(program.file).filename().wstring(), program.file);
            if (program.how == How::Server)
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
        const std::string file = Narrow(program.file);
        // The proposal with the check's verdict; the installed file found where it is.
        const std::string proposal = program.how == How::Server ? RefusedServer
                                     : program.how == How::AppPath || program.how == How::Fixed
                                         ? ",proposal,accepted by the dialog's check,," + file + ","
                                         : "";
        EXPECT_NE(detected.find(proposal), std::string::npos) << proposal << "\n" << detected;
        const std::string found = std::string(",").append(file) + ",exists,local,,";
        EXPECT_TRUE(program.refused || file.empty() || detected.find(found) != std::string::npos) << detected;

        std::string said;
        try {
            said = RunTool({L"--database", Database(), L"apply", L"--bridge", program.code, L"--detect"});
        } catch (const std::runtime_error& refused) {
            said = refused.what();
        }
        EXPECT_NE(said.find(program.said), std::string::npos) << said;
        EXPECT_EQ(said.find("failed (1)") != std::string::npos, program.refused) << said;
        if (!program.refused)
            stored = Narrow(program.code) + "\n" + file + "\n\r";
        EXPECT_EQ(StoredXray(), stored);
    }
}

} // namespace
} // namespace zw::e2e
