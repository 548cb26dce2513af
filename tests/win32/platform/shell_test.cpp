// The shell's joining of a folder and a file name.
#include <gtest/gtest.h>

#include "win32/platform/shell.h"

namespace zw {
namespace {

TEST(Win32Shell, PathAppendJoinsWithOneBackslash) {
    const std::pair<std::string, std::string> cases[] = {
        {"C:\\TIGERS", "C:\\TIGERS\\TIGER1.EXE"},
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
