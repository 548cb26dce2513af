#pragma once
#include "platform/windows_profile.h"

namespace zw {

// kernel32's Windows folder and .ini reading, in the ANSI forms the dialog calls by name. The buffer comes
// back holding what the call wrote, up to its first NUL; the count is in characters as the core counts them (UTF-16
// units) when the text fit, else the call's own count.
class Win32Profile : public WindowsProfile {
public:
    unsigned GetWindowsDirectoryA(std::string& buffer, unsigned bufferSize) override;
    unsigned GetPrivateProfileStringA(const std::string& section, const std::string& key,
                                      const std::string& defaultValue, std::string& buffer, unsigned bufferSize,
                                      const std::string& fileName) override;
    bool FileExists(const std::string& path) override;
};

} // namespace zw
