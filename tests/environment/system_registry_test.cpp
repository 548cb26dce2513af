// The real registry reader; only Windows has a registry to read.
#ifdef _WIN32
#include <windows.h>

#include <gtest/gtest.h>

#include "environment/registry_reader.h"
#include "platform/environment_component.h"

namespace zw {
namespace {

const wchar_t* const TestKey = L"SOFTWARE\\ZWEnvironmentTest";
const char* const TestKeyText = "SOFTWARE\\ZWEnvironmentTest";

// Writes the test key into one view of HKEY_LOCAL_MACHINE and removes it again at the end.
class ViewKey {
public:
    explicit ViewKey(REGSAM view) : view_(view) {
        RegCreateKeyExW(HKEY_LOCAL_MACHINE, TestKey, 0, nullptr, 0, KEY_ALL_ACCESS | view_, nullptr, &key_, nullptr);
    }
    ~ViewKey() {
        RegCloseKey(key_);
        RegDeleteKeyExW(HKEY_LOCAL_MACHINE, TestKey, view_, 0);
    }
    bool Ok() const { return key_ != nullptr; }
    void SetText(const wchar_t* name, const std::wstring& text, DWORD type = REG_SZ) {
        RegSetValueExW(key_, name, 0, type, reinterpret_cast<const BYTE*>(text.c_str()),
                       DWORD((text.size() + 1) * sizeof(wchar_t)));
    }
    void SetNumber(const wchar_t* name, DWORD number) {
        RegSetValueExW(key_, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof number);
    }

private:
    REGSAM view_;
    HKEY key_ = nullptr;
};

TEST(EnvSystemRegistry, ReadsTextsAndNumbersFromThe32BitViewFirst) {
    ViewKey view32(KEY_WOW64_32KEY);
    ViewKey view64(KEY_WOW64_64KEY);
    if (!view32.Ok() || !view64.Ok())
        GTEST_SKIP() << "HKEY_LOCAL_MACHINE is not writable here";
    view32.SetText(nullptr, L"C:\\Program Files (x86)\\Schick\\NCDR.EXE");
    view32.SetText(L"Path", L"%ProgramFiles%\\Röntgen", REG_EXPAND_SZ);
    view32.SetNumber(L"Version", 26);
    view64.SetText(nullptr, L"C:\\Program Files\\Schick\\NCDR.EXE");
    view64.SetText(L"Only64", L"found in the 64-bit view");

    auto reader = MakeSystemRegistryReader();
    EXPECT_EQ(reader->ReadString(HKEY_LOCAL_MACHINE_VALUE, TestKeyText, ""),
              "C:\\Program Files (x86)\\Schick\\NCDR.EXE");
    EXPECT_EQ(reader->ReadString(HKEY_LOCAL_MACHINE_VALUE, TestKeyText, "Path"), "%ProgramFiles%\\Röntgen");
    EXPECT_EQ(reader->ReadString(HKEY_LOCAL_MACHINE_VALUE, TestKeyText, "Version"), "26");
    EXPECT_EQ(reader->ReadString(HKEY_LOCAL_MACHINE_VALUE, TestKeyText, "Only64"), "found in the 64-bit view");
    EXPECT_EQ(reader->ReadString(HKEY_LOCAL_MACHINE_VALUE, TestKeyText, "Missing"), "");
    EXPECT_EQ(reader->ReadString(HKEY_LOCAL_MACHINE_VALUE, "SOFTWARE\\ZWNoSuchKey", ""), "");
    EXPECT_EQ(reader->ReadString(HKEY_CLASSES_ROOT_VALUE, TestKeyText, ""), "");
}

} // namespace
} // namespace zw
#endif
