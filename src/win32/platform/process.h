#pragma once
#include <string>
#include <string_view>

#include "platform/process.h"

namespace zw {

namespace win32 {
// The folder that holds a file given by its full path: no trailing backslash, except at a drive root
// ("C:\"). "C:\ZELTWIN\X.EXE" gives "C:\ZELTWIN"; "C:\X.EXE" gives "C:\".
std::wstring FolderOfFile(std::wstring_view path);
} // namespace win32

// The running process: command line, program file folder, current drive and folder.
class Win32Process : public Process {
public:
    std::string CommandLine() override;
    std::string ProgramFileFolder() override;
    // Makes the drive of the text's first letter current; RuntimeError 68 when the text starts with no
    // drive letter (a share's "\\server\...") or the drive cannot be made current.
    void ChangeDrive(const std::string& drive) override;
    // RuntimeError 76 when the folder cannot be made current.
    void ChangeFolder(const std::string& folder) override;
    std::string CurrentFolder() override;
};

} // namespace zw
