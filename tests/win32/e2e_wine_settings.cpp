// Settings of the Wine prefix that the tests run in. Under Xvfb there is no window manager, and Wine's
// X11 driver then waits up to two seconds, each time a window it takes for managed goes away, for a
// manager that never answers. Unmanaged windows close at once; nothing the tests look at depends on it.
// The value is written only when running under Wine, into the prefix the tests were given.
#include <gtest/gtest.h>

#include <windows.h>

namespace {

bool RunningUnderWine() {
    HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

class WinePrefixSettings : public ::testing::Environment {
public:
    void SetUp() override {
        if (!RunningUnderWine())
            return;
        HKEY key = nullptr;
        if (RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Wine\\X11 Driver", 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                            &key, nullptr) != ERROR_SUCCESS)
            return;
        const wchar_t value[] = L"N";
        RegSetValueExW(key, L"Managed", 0, REG_SZ, reinterpret_cast<const BYTE*>(value), sizeof value);
        RegCloseKey(key);
    }
};

const ::testing::Environment* const registered = ::testing::AddGlobalTestEnvironment(new WinePrefixSettings);

} // namespace
