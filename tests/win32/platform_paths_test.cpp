// The Win32 platform layer's texts and paths: command-line splitting, the program's folder, the shell's
// path joining and existence test, the Windows folder and .ini reading.
#include <gtest/gtest.h>

#include <string>

#include "e2e_harness.h"
#include "win32/platform_command_line.h"
#include "win32/platform_process.h"
#include "win32/platform_profile.h"
#include "win32/platform_shell.h"

namespace zw {
namespace {

TEST(Win32CommandTail, DropsTheProgramNameAndTheBlanksAfterIt) {
    struct Case {
        std::wstring commandLine;
        std::wstring tail;
    };
    const Case cases[] = {
        {L"ZWInterfaceSetup.exe  MED ", L"MED "},
        {L"ZWInterfaceSetup.exe", L""},
        {L"ZWInterfaceSetup.exe   ", L""},
        {L"\"C:\\Program Files\\ZELT\\ZWInterfaceSetup.exe\" FROM_VB", L"FROM_VB"},
        {L"\"C:\\Program Files\\ZELT\\ZWInterfaceSetup.exe\"", L""},
        {L"ZWInterfaceSetup.exe\tmed", L"med"},
        {L"  ZWInterfaceSetup.exe MED extra", L"MED extra"},
        {L"ZWInterfaceSetup.exe \"a b\"  c ", L"\"a b\"  c "},
        // A quote inside the name does not end it: the name runs to the first blank outside quotes.
        {L"\"C:\\a b\\x.exe\"MED tail", L"tail"},
        {L"", L""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(win32::CommandTail(c.commandLine), c.tail) << e2e::Narrow(c.commandLine);
}

TEST(Win32FolderOfFile, KeepsTheBackslashOnlyAtADriveRoot) {
    struct Case {
        std::wstring path;
        std::wstring folder;
    };
    const Case cases[] = {
        {L"C:\\ZELTWIN\\ZWInterfaceSetup.exe", L"C:\\ZELTWIN"},
        {L"C:\\ZWInterfaceSetup.exe", L"C:\\"},
        {L"Z:\\tmp\\a b\\x.exe", L"Z:\\tmp\\a b"},
        {L"\\\\server\\share\\x.exe", L"\\\\server\\share"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(win32::FolderOfFile(c.path), c.folder) << e2e::Narrow(c.path);
}

TEST(Win32Process, ProgramFileFolderIsTheFolderOfTheRunningProgram) {
    wchar_t module[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, module, MAX_PATH);
    Win32Process process;
    const std::string folder = process.ProgramFileFolder();
    EXPECT_EQ(folder, e2e::Narrow(win32::FolderOfFile(module)));
    EXPECT_NE(folder.back(), '\\');
}

TEST(Win32Shell, PathAppendJoinsWithOneBackslash) {
    struct Case {
        std::string folder;
        std::string name;
        std::string joined;
    };
    const Case cases[] = {
        {"C:\\TIGERS", "TIGER1.EXE", "C:\\TIGERS\\TIGER1.EXE"},
        {"C:\\Program Files\\Apteryx\\", "CLINIVIEW.EXE", "C:\\Program Files\\Apteryx\\CLINIVIEW.EXE"},
        {"C:\\", "DEXIS.EXE", "C:\\DEXIS.EXE"},
        {"C:\\R\xC3\xB6ntgen", "XRAY.EXE", "C:\\R\xC3\xB6ntgen\\XRAY.EXE"},
    };
    Win32Shell shell;
    for (const auto& c : cases)
        EXPECT_EQ(shell.PathAppend(c.folder, c.name), c.joined) << c.folder;
}

TEST(Win32Shell, PathAppendOfAFolderTooLongForTheBufferNamesNoFile) {
    Win32Shell shell;
    const std::string folder = "C:\\" + std::string(300, 'a');
    const std::string joined = shell.PathAppend(folder, "X.EXE");
    EXPECT_FALSE(shell.PathFileExists(joined));
    EXPECT_EQ(joined.find("X.EXE"), std::string::npos);
}

TEST(Win32FileTests, FilesAndFoldersAsEachTestCountsThem) {
    e2e::TempFolder temp;
    const std::wstring file = temp.File(L"NCDR.EXE");
    e2e::WriteTextFile(file, "x");
    const std::string filePath = e2e::Narrow(file);
    const std::string folderPath = e2e::Narrow(temp.Path());
    const std::string missing = e2e::Narrow(temp.File(L"missing.exe"));

    Win32Shell shell;
    Win32Profile profile;
    // The shell's test counts folders; the profile's test is for files only.
    EXPECT_TRUE(shell.PathFileExists(filePath));
    EXPECT_TRUE(shell.PathFileExists(folderPath));
    EXPECT_FALSE(shell.PathFileExists(missing));
    EXPECT_TRUE(profile.FileExists(filePath));
    EXPECT_FALSE(profile.FileExists(folderPath));
    EXPECT_FALSE(profile.FileExists(missing));
}

TEST(Win32Profile, WindowsDirectoryCountsTheCharactersOfTheBuffer) {
    Win32Profile profile;
    std::string buffer;
    const unsigned count = profile.GetWindowsDirectoryA(buffer, 255);
    EXPECT_EQ(buffer, e2e::Narrow(e2e::WindowsFolder()));
    EXPECT_EQ(count, buffer.size());

    // Too small a buffer: the call reports the size it needs and the caller must not take the text.
    std::string small;
    EXPECT_GT(profile.GetWindowsDirectoryA(small, 3), 3u);
}

TEST(Win32Profile, PrivateProfileStringReadsTheValueOrTheDefault) {
    e2e::TempFolder temp;
    const std::wstring ini = temp.File(L"Dentx.ini");
    e2e::WriteTextFile(ini, "[imagemgt]\r\nMainFile=C:\\ProImage\\Main.exe\r\nEmpty=\r\n");
    const std::string file = e2e::Narrow(ini);

    struct Case {
        std::string section;
        std::string key;
        std::string defaultValue;
        unsigned size;
        std::string value;
    };
    const Case cases[] = {
        {"imagemgt", "MainFile", "", 2048, "C:\\ProImage\\Main.exe"},
        {"IMAGEMGT", "mainfile", "", 2048, "C:\\ProImage\\Main.exe"},
        {"imagemgt", "Empty", "", 2048, ""},
        {"imagemgt", "Missing", "dflt", 2048, "dflt"},
        {"other", "MainFile", "", 2048, ""},
        // The value cut to the buffer, its last character kept for the NUL.
        {"imagemgt", "MainFile", "", 6, "C:\\Pr"},
    };
    Win32Profile profile;
    for (const auto& c : cases) {
        std::string buffer = "garbage";
        const unsigned count = profile.GetPrivateProfileStringA(c.section, c.key, c.defaultValue, buffer, c.size, file);
        EXPECT_EQ(buffer, c.value) << c.section << "/" << c.key;
        EXPECT_EQ(count, c.value.size()) << c.section << "/" << c.key;
    }
}

} // namespace
} // namespace zw
