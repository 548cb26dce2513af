// The settings tool's search for installed programs, under Wine: a class registration in one registry view
// only and the main file Dentx.ini names, both on a drive letter that the mount manager was told is a
// network drive (the install and Browse folders of every bridge are in bridge_detect_test.cpp).
#include <gtest/gtest.h>

#include <windows.h>

#include <winioctl.h>

#include <algorithm>
#include <cstring>
#include <filesystem>

#include "base/text_conversion.h"
#include "harness.h"

namespace zw::e2e {
namespace {

// Wine's mount manager defines drive letters and their kind, as its configuration program does; it records
// the kind under HKLM\Software\Wine\Drives.
struct WineDrive {
    ULONG size, type, fsType;
    DWORD serial;
    ULONGLONG unixDevice;
    WCHAR letter;
    USHORT mountPointOffset, deviceOffset, labelOffset;
};
constexpr DWORD DefineWineDrive = CTL_CODE(0x6D, 32, METHOD_BUFFERED, FILE_READ_ACCESS | FILE_WRITE_ACCESS);

bool DefineDrive(wchar_t letter, const std::string& mountPoint, UINT type) {
    HANDLE manager = CreateFileW(L"\\\\.\\MountPointManager", GENERIC_READ | GENERIC_WRITE,
                                 FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    if (manager == INVALID_HANDLE_VALUE)
        return false;
    std::vector<char> request(sizeof(WineDrive) + mountPoint.size() + 1, '\0');
    auto* drive = reinterpret_cast<WineDrive*>(request.data());
    *drive = {ULONG(request.size()), type, 0, 0, 0, letter, 0, 0, 0};
    if (!mountPoint.empty()) {
        std::memcpy(request.data() + sizeof(WineDrive), mountPoint.c_str(), mountPoint.size());
        drive->mountPointOffset = sizeof(WineDrive);
    }
    DWORD returned = 0;
    const BOOL done = DeviceIoControl(manager, DefineWineDrive, request.data(), DWORD(request.size()), nullptr, 0,
                                      &returned, nullptr);
    CloseHandle(manager);
    return done != FALSE;
}

// A product folder and the settings tool (the harness); the tool runs detection as its own process.
class DetectTest : public DialogTest {
protected:
    void SetUp() override {
        const char* prefix = std::getenv("WINEPREFIX");
        if (prefix == nullptr)
            GTEST_SKIP() << "needs Wine's prefix (WINEPREFIX) for its network drive";
        // \\zwdetect\xray is the folder unc\zwdetect\xray of the prefix's devices; N: is mapped to it.
        share_ = L"Z:" + WideFromUtf8(prefix) + L"\\dosdevices\\unc\\zwdetect";
        std::replace(share_.begin(), share_.end(), L'/', L'\\');
        Touch(share_ + L"\\xray\\MEDIADENT.EXE");
        Touch(share_ + L"\\xray\\PI.EXE");
        ASSERT_TRUE(DefineDrive(L'n', "unc/zwdetect/xray", DRIVE_REMOTE));
        wchar_t windows[MAX_PATH] = {};
        GetWindowsDirectoryW(windows, MAX_PATH);
        dentx_ = std::wstring(windows) + L"\\Dentx.ini";
        WritePrivateProfileStringW(L"imagemgt", L"MainFile", L"N:\\PI.EXE", dentx_.c_str());
        // Wine keeps class registrations of the two views apart: this (64-bit) program writes the 64-bit view.
        RegSetValueW(HKEY_LOCAL_MACHINE, (MediaDentClass + L"\\LocalServer32").c_str(), REG_SZ,
                     L"\"N:\\MEDIADENT.EXE\" /automation", 0);
    }
    void TearDown() override {
        RegDeleteTreeW(HKEY_LOCAL_MACHINE, MediaDentClass.c_str());
        DefineDrive(L'n', "", DRIVE_NO_ROOT_DIR);
        std::error_code ignored;
        std::filesystem::remove_all(share_, ignored);
        DeleteFileW(dentx_.c_str());
    }

    const std::wstring MediaDentClass = L"SOFTWARE\\Classes\\CLSID\\{E83A9180-5A1A-45AF-8D55-00841FE3FD18}";
    std::wstring share_, dentx_;
};

// What is found where, not how fast: the drives get far more than the usual time to answer, so that a busy
// machine cannot turn an answer into "unreachable". How long a whole detect takes is measured, not asserted.
TEST_F(DetectTest, FindsTheRegistrationInItsViewAndDentxMainFileOnTheMappedDrive) {
    const std::string out = RunTool({L"detect", L"--format", L"csv", L"--timeout", L"30"});

    // program, source, view, path and drive of the place, its share, and the first place found.
    const std::string server = "MEDIADENT,MEDIADENT,registry,HKCR\\CLSID\\{E83A9180-5A1A-45AF-8D55-00841FE3FD18}\\"
                               "LocalServer32,";
    const std::string mapped = "exists,mapped,\\\\zwdetect\\xray,yes,yes";
    const std::string found[] = {
        server + "32-bit,,,not-set,unknown,,no,no",
        server + "64-bit,\"\"\"N:\\MEDIADENT.EXE\"\" /automation\",N:\\MEDIADENT.EXE," + mapped,
        "PROIMAGE,PROIMAGE,dentx-main-file,Dentx.ini [imagemgt] MainFile,,N:\\PI.EXE,N:\\PI.EXE," + mapped,
    };
    for (const auto& line : found)
        EXPECT_NE(out.find(line + "\r\n"), std::string::npos) << line << "\n" << out;
}

} // namespace
} // namespace zw::e2e
