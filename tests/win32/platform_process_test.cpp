// The current drive and folder of the Win32 process layer, and the run-time error numbers of its failures.
#include <gtest/gtest.h>

#include <direct.h>

#include "controls/runtime_error.h"
#include "e2e_harness.h"
#include "win32/platform_process.h"

namespace zw {
namespace {

// Every test here moves the process's current folder; put it back for the tests that follow.
class Win32ProcessFolders : public ::testing::Test {
protected:
    void SetUp() override { saved_ = process.CurrentFolder(); }
    void TearDown() override { SetCurrentDirectoryW(e2e::Widen(saved_).c_str()); }

    Win32Process process;
    // Removed only after the current folder has left it.
    e2e::TempFolder temp;

private:
    std::string saved_;
};

int ErrorNumberOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const RuntimeError& error) {
        return error.Number();
    }
    return 0;
}

TEST_F(Win32ProcessFolders, ChangeFolderMakesTheFolderCurrent) {
    const std::string folder = e2e::Narrow(temp.Path());
    process.ChangeFolder(folder);
    // GetTempPathW may hand out a short or differently cased form; compare as Windows does.
    EXPECT_EQ(CompareStringOrdinal(e2e::Widen(process.CurrentFolder()).c_str(), -1, temp.Path().c_str(), -1, TRUE),
              CSTR_EQUAL)
        << process.CurrentFolder() << " vs " << folder;
}

TEST_F(Win32ProcessFolders, FailuresRaiseTheRunTimeErrorsOfTheirKind) {
    const std::string missing = e2e::Narrow(temp.File(L"no such folder"));
    EXPECT_EQ(ErrorNumberOf([&] { process.ChangeFolder(missing); }), 76);
    // A share has no drive letter; a text without one cannot name a drive.
    EXPECT_EQ(ErrorNumberOf([&] { process.ChangeDrive("\\\\server\\share\\ZELTWIN"); }), 68);
    EXPECT_EQ(ErrorNumberOf([&] { process.ChangeDrive(""); }), 68);
    EXPECT_EQ(ErrorNumberOf([&] { process.ChangeDrive("1:\\"); }), 68);
}

TEST_F(Win32ProcessFolders, ChangeDriveFollowsTheFirstLetterInEitherCase) {
    // Find a drive letter that the prefix does not map, and the one the temporary folder lies on.
    const DWORD drives = GetLogicalDrives();
    char unmapped = 0;
    for (char letter = 'Y'; letter > 'D' && unmapped == 0; --letter)
        if ((drives & (1u << (letter - 'A'))) == 0)
            unmapped = letter;
    ASSERT_NE(unmapped, 0);
    EXPECT_EQ(ErrorNumberOf([&] { process.ChangeDrive(std::string(1, unmapped) + ":\\ZELTWIN"); }), 68);

    const char tempDrive = static_cast<char>(temp.Path()[0]);
    const char other = tempDrive == 'C' || tempDrive == 'c' ? 'Z' : 'C';
    process.ChangeDrive(std::string(1, other) + ":\\");
    EXPECT_EQ(_getdrive(), (other & ~0x20) - 'A' + 1);
    process.ChangeDrive(std::string(1, static_cast<char>(tempDrive | 0x20)) + ":\\whatever");
    EXPECT_EQ(_getdrive(), (tempDrive & ~0x20) - 'A' + 1);
}

} // namespace
} // namespace zw
