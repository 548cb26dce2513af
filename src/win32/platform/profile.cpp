#include "profile.h"

#include <windows.h>

#include <vector>

#include "ansi_text.h"
#include "base/strings.h"
#include "base/text_conversion.h"

namespace zw {

namespace {

// Converts what an ANSI call wrote into the caller's buffer and restates its count in characters as the
// core counts them (UTF-16 units), so that the first count characters are exactly the text written.
unsigned TakeAnsiResult(const std::vector<char>& raw, unsigned count, unsigned bufferSize, std::string& buffer) {
    buffer = win32::FromAnsi(raw.data());
    if (count == 0 || count >= bufferSize)
        return count;
    return static_cast<unsigned>(Len(buffer));
}

} // namespace

unsigned Win32Profile::GetWindowsDirectoryA(std::string& buffer, unsigned bufferSize) {
    std::vector<char> raw(static_cast<size_t>(bufferSize) + 1, '\0');
    const unsigned count = ::GetWindowsDirectoryA(raw.data(), bufferSize);
    return TakeAnsiResult(raw, count, bufferSize, buffer);
}

unsigned Win32Profile::GetPrivateProfileStringA(const std::string& section, const std::string& key,
                                                const std::string& defaultValue, std::string& buffer,
                                                unsigned bufferSize, const std::string& fileName) {
    std::vector<char> raw(static_cast<size_t>(bufferSize) + 1, '\0');
    const std::string ansiSection = win32::ToAnsi(section);
    const std::string ansiKey = win32::ToAnsi(key);
    const std::string ansiDefault = win32::ToAnsi(defaultValue);
    const std::string ansiFile = win32::ToAnsi(fileName);
    const unsigned count = ::GetPrivateProfileStringA(ansiSection.c_str(), ansiKey.c_str(), ansiDefault.c_str(),
                                                      raw.data(), bufferSize, ansiFile.c_str());
    return TakeAnsiResult(raw, count, bufferSize, buffer);
}

bool Win32Profile::FileExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesW(WideFromUtf8(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

} // namespace zw
