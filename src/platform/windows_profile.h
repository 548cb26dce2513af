#pragma once
#include <string>

namespace zw {

// The Windows folder and .ini reading of kernel32.
class WindowsProfile {
public:
    virtual ~WindowsProfile() = default;
    // GetWindowsDirectoryA into a buffer of bufferSize characters: the returned count and the buffer.
    virtual unsigned GetWindowsDirectoryA(std::string& buffer, unsigned bufferSize) = 0;
    // GetPrivateProfileStringA into a buffer of bufferSize characters: the returned count and the buffer.
    virtual unsigned GetPrivateProfileStringA(const std::string& section, const std::string& key,
                                              const std::string& defaultValue, std::string& buffer, unsigned bufferSize,
                                              const std::string& fileName) = 0;
    // Whether a file of that name exists.
    virtual bool FileExists(const std::string& path) = 0;
};

} // namespace zw
