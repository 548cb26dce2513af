#pragma once
#include <string>

namespace zw {

// The running program: its command line, its own folder, and the current drive and folder.
class Process {
public:
    virtual ~Process() = default;
    // The command line after the program's name, as the run time's Command function gives it.
    virtual std::string CommandLine() = 0;
    // The folder of the program file: no trailing separator, except at the root of a drive ("C:\").
    virtual std::string ProgramFileFolder() = 0;
    // Each throws RuntimeError when the change or the reading fails.
    virtual void ChangeDrive(const std::string& drive) = 0;
    virtual void ChangeFolder(const std::string& folder) = 0;
    virtual std::string CurrentFolder() = 0;
};

} // namespace zw
