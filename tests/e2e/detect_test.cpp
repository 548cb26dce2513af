// The settings tool's search for installed programs, under Wine: a class registration in one registry view
// only, the folder Dentx.ini names, and a program on a drive letter that the mount manager was told is a
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

// A registry value in one view; the key removed, with everything under it, from the given level afterwards.
struct ViewValue {
    std::wstring key;
    REGSAM view;
    std::wstring removed;
    ViewValue(std::wstring subKey, REGSAM registryView, const std::wstring& value, std::wstring removedKey = {})
        : key(std::move(subKey)), view(registryView), removed(removedKey.empty() ? key : std::move(removedKey)) {
        HKEY handle = nullptr;
        RegCreateKeyExW(HKEY_LOCAL_MACHINE, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE | view, nullptr, &handle,
                        nullptr);
        RegSetValueExW(handle, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                       DWORD((value.size() + 1) * sizeof(wchar_t)));
        RegCloseKey(handle);
    }
    ~ViewValue() {
        HKEY machine = nullptr;
        if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, nullptr, 0, KEY_ALL_ACCESS | view, &machine) != ERROR_SUCCESS)
            return;
        RegDeleteTreeW(machine, removed.c_str());
        RegCloseKey(machine);
    }
};

std::wstring WindowsFolder() {
    wchar_t folder[MAX_PATH] = {};
    GetWindowsDirectoryW(folder, MAX_PATH);
    return folder;
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
        Touch(share_ + L"\\xray\\NCDR.EXE");
        ASSERT_TRUE(DefineDrive(L'n', "unc/zwdetect/xray", DRIVE_REMOTE));
        ASSERT_EQ(GetDriveTypeW(L"N:\\"), UINT(DRIVE_REMOTE));
        for (const auto& file : files_)
            Touch(file);
        WritePrivateProfileStringW(L"imagemgt", L"MainFile", L"C:\\zwdetect\\ProImage\\PI.EXE", dentx_.c_str());
    }
    void TearDown() override {
        DefineDrive(L'n', "", DRIVE_NO_ROOT_DIR);
        std::error_code ignored;
        std::filesystem::remove_all(share_, ignored);
        std::filesystem::remove_all(L"C:\\zwdetect", ignored);
        for (const auto& file : files_)
            std::filesystem::remove(file, ignored);
        DeleteFileW(dentx_.c_str());
    }

    std::wstring share_;
    const std::wstring dentx_ = WindowsFolder() + L"\\Dentx.ini";
    const std::vector<std::wstring> files_{L"C:\\zwdetect\\MediaDent\\MEDIADENT.EXE",
                                           L"C:\\zwdetect\\ProImage\\PI.EXE"};
    // Wine keeps App Paths in both views, as one key; class registrations it keeps apart.
    ViewValue ncdr_{AppPaths + L"NCDR.EXE", KEY_WOW64_32KEY, L"N:\\NCDR.EXE"};
    ViewValue mediaDent_{L"SOFTWARE\\Classes\\CLSID\\{E83A9180-5A1A-45AF-8D55-00841FE3FD18}\\LocalServer32",
                         KEY_WOW64_64KEY, L"\"C:\\zwdetect\\MediaDent\\MEDIADENT.EXE\" /automation",
                         L"SOFTWARE\\Classes\\CLSID\\{E83A9180-5A1A-45AF-8D55-00841FE3FD18}"};
};

// What is found where, not how fast: the drives get far more than the usual time to answer, so that a busy
// machine cannot turn an answer into "unreachable". How long a whole detect takes is measured, not asserted.
TEST_F(DetectTest, FindsEachKindOfPlaceAndTheMappedDrive) {
    const std::string out = RunTool({L"detect", L"--format", L"csv", L"--timeout", L"30"});

    // program, source, view, path and drive of the place found first, and its share.
    const std::string key = "HKLM\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\NCDR.EXE,";
    const std::string server = "MEDIADENT,MEDIADENT,registry,HKCR\\CLSID\\{E83A9180-5A1A-45AF-8D55-00841FE3FD18}\\"
                               "LocalServer32,";
    const std::string found[] = {
        "SCHICK,SCHICK,registry," + key + "32-bit,N:\\NCDR.EXE,N:\\NCDR.EXE,exists,mapped,\\\\zwdetect\\xray,yes,yes",
        server + "32-bit,,,not-set,unknown,,no,no",
        server + "64-bit,\"\"\"C:\\zwdetect\\MediaDent\\MEDIADENT.EXE\"\" /automation\",C:\\zwdetect\\MediaDent\\"
                 "MEDIADENT.EXE,exists,local,,yes,yes",
        "PROIMAGE,PROIMAGE,dentx-main-file,Dentx.ini [imagemgt] MainFile,,C:\\zwdetect\\ProImage\\PI.EXE,"
        "C:\\zwdetect\\ProImage\\PI.EXE,exists,local,,yes,yes",
    };
    for (const auto& line : found)
        EXPECT_NE(out.find(line + "\r\n"), std::string::npos) << line << "\n" << out;
}

} // namespace
} // namespace zw::e2e
