// What follows the program's name on the command line.
#include <gtest/gtest.h>

#include "win32/platform/command_line.h"

namespace zw {
namespace {

TEST(Win32CommandTail, DropsTheProgramNameAndTheOneBlankAfterIt) {
    const std::pair<std::wstring, std::wstring> cases[] = {
        {L"ZWInterfaceSetup.exe  MED ", L" MED "},
        {L"ZWInterfaceSetup.exe", L""},
        {L"\"C:\\Program Files\\ZELT\\ZWInterfaceSetup.exe\" FROM_VB", L"FROM_VB"},
        {L"ZWInterfaceSetup.exe\tmed", L"med"},
        {L"  ZWInterfaceSetup.exe MED extra", L"MED extra"},
        // A quote inside the name does not end it: the name runs to the first blank outside quotes.
        {L"\"C:\\a b\\x.exe\"MED tail", L"tail"},
    };
    for (const auto& [commandLine, tail] : cases)
        EXPECT_EQ(win32::CommandTail(commandLine), tail) << testing::PrintToString(commandLine);
}

} // namespace
} // namespace zw
