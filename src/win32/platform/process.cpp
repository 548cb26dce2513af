#include "process.h"

#include <windows.h>

#include <direct.h>

#include "base/runtime_error.h"
#include "base/text_conversion.h"
#include "command_line.h"

namespace zw {

std::wstring win32::FolderOfFile(std::wstring_view path) {
    const size_t slash = path.find_last_of(L"\\/");
    if (slash == std::wstring_view::npos)
        return {};
    std::wstring folder(path.substr(0, slash));
    if (folder.size() == 2 && folder[1] == L':')
        folder += L'\\';
    return folder;
}

std::string Win32Process::CommandLine() {
    return Utf8FromWide(win32::CommandTail(GetCommandLineW()));
}

std::string Win32Process::ProgramFileFolder() {
    // Paths may be longer than MAX_PATH; grow until the whole name fits.
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0)
            throw RuntimeError(errors::InvalidProcedureCall, "Could not read the program file's name");
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    return Utf8FromWide(win32::FolderOfFile(path));
}

void Win32Process::ChangeDrive(const std::string& drive) {
    const char letter = drive.empty() ? '\0' : drive[0];
    const bool isLetter = (letter >= 'A' && letter <= 'Z') || (letter >= 'a' && letter <= 'z');
    if (!isLetter)
        throw RuntimeError(errors::DeviceUnavailable);
    const int number = (letter & ~0x20) - 'A' + 1;
    if (_chdrive(number) != 0)
        throw RuntimeError(errors::DeviceUnavailable);
}

void Win32Process::ChangeFolder(const std::string& folder) {
    if (!SetCurrentDirectoryW(WideFromUtf8(folder).c_str()))
        throw RuntimeError(errors::PathNotFound);
}

std::string Win32Process::CurrentFolder() {
    const DWORD needed = GetCurrentDirectoryW(0, nullptr);
    if (needed == 0)
        throw RuntimeError(errors::DeviceUnavailable);
    std::wstring folder(needed, L'\0');
    const DWORD length = GetCurrentDirectoryW(needed, folder.data());
    if (length == 0 || length >= needed)
        throw RuntimeError(errors::DeviceUnavailable);
    folder.resize(length);
    return Utf8FromWide(folder);
}

} // namespace zw
