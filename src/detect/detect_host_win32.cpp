// The machine as the search for installed programs sees it: files, drive types and mapped drives' shares, the
// Program Files folders, and the Windows folder through the dialog's own profile binding.
#include <windows.h>

#include <shlobj.h>
#include <winnetwk.h>

#include "base/text_conversion.h"
#include "detect_host.h"
#include "win32/platform/profile.h"

namespace zw {

namespace {

std::string KnownFolder(const KNOWNFOLDERID& id) {
    wchar_t* path = nullptr;
    std::string folder;
    if (SUCCEEDED(SHGetKnownFolderPath(id, 0, nullptr, &path)))
        folder = Utf8FromWide(path);
    CoTaskMemFree(path);
    return folder;
}

class Win32DetectHost : public DetectHost {
public:
    WindowsProfile& Profile() override { return profile_; }
    std::string ProgramFilesFolder() override { return KnownFolder(FOLDERID_ProgramFilesX64); }
    std::string ProgramFilesX86Folder() override { return KnownFolder(FOLDERID_ProgramFilesX86); }

    bool Exists(const std::string& path) override {
        // No "insert a disk" box for an empty drive: the search runs unattended.
        DWORD oldMode = 0;
        SetThreadErrorMode(SEM_FAILCRITICALERRORS, &oldMode);
        const bool exists = GetFileAttributesW(WideFromUtf8(path).c_str()) != INVALID_FILE_ATTRIBUTES;
        SetThreadErrorMode(oldMode, nullptr);
        return exists;
    }

    DriveInfo Drive(const std::string& root) override {
        if (root.size() > 2 && root[0] == '\\')
            return {DriveKind::Share, ""};
        const std::wstring letter = WideFromUtf8(root);
        switch (GetDriveTypeW((letter + L"\\").c_str())) {
        case DRIVE_REMOTE:
            return {DriveKind::Mapped, ShareOf(letter)};
        case DRIVE_NO_ROOT_DIR:
            return {DriveKind::NoDrive, ""};
        case DRIVE_UNKNOWN:
            return {DriveKind::Unknown, ""};
        default:
            return {DriveKind::Local, ""};
        }
    }

private:
    // The share behind a mapped drive, as the user's mapping names it, also for a remembered mapping that is
    // not connected now; empty when Windows does not say.
    static std::string ShareOf(const std::wstring& letter) {
        std::wstring share(MAX_PATH, L'\0');
        DWORD size = DWORD(share.size());
        DWORD status = WNetGetConnectionW(letter.c_str(), share.data(), &size);
        if (status == ERROR_MORE_DATA) {
            share.assign(size, L'\0');
            status = WNetGetConnectionW(letter.c_str(), share.data(), &size);
        }
        if (status != NO_ERROR && status != ERROR_CONNECTION_UNAVAIL)
            return {};
        share.resize(wcsnlen(share.c_str(), share.size()));
        return Utf8FromWide(share);
    }

    Win32Profile profile_;
};

} // namespace

std::shared_ptr<DetectHost> MakeSystemDetectHost() {
    return std::make_shared<Win32DetectHost>();
}

} // namespace zw
