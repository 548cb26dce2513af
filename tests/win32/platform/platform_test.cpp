// The Win32 platform layer's own rules: what follows the program's name on the command line, and the shell's
// joining of a folder and a file name.
#include <gtest/gtest.h>

#include "win32/platform/command_line.h"
#include "win32/platform/shell.h"

namespace zw {
namespace {

TEST(Win32CommandTail, DropsTheProgramNameAndTheOneBlankAfterIt) {
    const std::pair<std::wstring, std::wstring> cases[] = {
        {L"ZWInterfaceSetup.exe  MED ", L" MED "},
        {L"ZWInterfaceSetup.exe  FROM_VB", L" FROM_VB"},
        {L"ZWInterfaceSetup.exe", L""},
        {L"ZWInterfaceSetup.exe   ", L"  "},
        {L"\"C:\\Program Files\\ZELT\\ZWInterfaceSetup.exe\" FROM_VB", L"FROM_VB"},
        {L"\"C:\\Program Files\\ZELT\\ZWInterfaceSetup.exe\"", L""},
        {L"ZWInterfaceSetup.exe\tmed", L"med"},
        {L"  ZWInterfaceSetup.exe MED extra", L"MED extra"},
        {L"ZWInterfaceSetup.exe \"a b\"  c ", L"\"a b\"  c "},
        // A quote inside the name does not end it: the name runs to the first blank outside quotes.
        {L"\"C:\\a b\\x.exe\"MED tail", L"tail"},
        {L"", L""},
    };
    for (const auto& [commandLine, tail] : cases)
        EXPECT_EQ(win32::CommandTail(commandLine), tail) << testing::PrintToString(commandLine);
}

TEST(Win32Shell, PathAppendJoinsWithOneBackslash) {
    const std::pair<std::string, std::string> cases[] = {
        {"C:\\TIGERS", "C:\\TIGERS\\TIGER1.EXE"},
        {"C:\\Program Files\\Apteryx\\", "C:\\Program Files\\Apteryx\\TIGER1.EXE"},
        {"C:\\", "C:\\TIGER1.EXE"},
        {"C:\\R\xC3\xB6ntgen", "C:\\R\xC3\xB6ntgen\\TIGER1.EXE"},
        // A folder too long for the shell's buffer names no file at all.
        {"C:\\" + std::string(300, 'a'), ""},
    };
    Win32Shell shell;
    for (const auto& [folder, joined] : cases)
        EXPECT_EQ(shell.PathAppend(folder, "TIGER1.EXE"), joined) << folder;
}

} // namespace
} // namespace zw
