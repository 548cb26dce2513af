#include <windows.h>

#include <bcrypt.h>

#include <cstdlib>

#include "base/runtime_error.h"
#include "base/text_conversion.h"
#include "host_system.h"

namespace zw::host {

std::string ComputerName() {
    wchar_t name[MAX_COMPUTERNAME_LENGTH + 1] = {};
    DWORD size = MAX_COMPUTERNAME_LENGTH + 1;
    if (!GetComputerNameW(name, &size))
        throw RuntimeError(errors::InvalidProcedureCall, "The computer's name could not be read.");
    return Utf8FromWide(std::wstring(name, size));
}

void FillRandom(uint8_t* buffer, size_t size) {
    while (size > 0) {
        const ULONG chunk = size > 0x10000000 ? 0x10000000 : ULONG(size);
        if (BCryptGenRandom(nullptr, buffer, chunk, BCRYPT_USE_SYSTEM_PREFERRED_RNG) != 0)
            throw RuntimeError(errors::InvalidProcedureCall, "The system's random source failed.");
        buffer += chunk;
        size -= chunk;
    }
}

std::string UserName() {
    wchar_t name[257] = {};
    DWORD size = 257;
    if (!GetUserNameW(name, &size) || size == 0)
        return {};
    return Utf8FromWide(std::wstring(name, size - 1));
}

std::optional<std::string> EnvironmentVariable(const std::string& name) {
    const std::wstring wideName = WideFromUtf8(name);
    // An empty variable also reports a size of 0; only the error code tells it from a missing one.
    SetLastError(ERROR_SUCCESS);
    const DWORD needed = GetEnvironmentVariableW(wideName.c_str(), nullptr, 0);
    if (needed == 0)
        return GetLastError() == ERROR_ENVVAR_NOT_FOUND ? std::nullopt : std::optional<std::string>(std::string());
    std::wstring value(needed, L'\0');
    const DWORD length = GetEnvironmentVariableW(wideName.c_str(), value.data(), needed);
    value.resize(length);
    return Utf8FromWide(value);
}

} // namespace zw::host
