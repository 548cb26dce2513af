#pragma once
#include <string>

#include "platform/windows_profile.h"

namespace zw {

// The Windows folder and its .ini files on a machine that has none (the native build): no folder, no
// file, no value. ProImage is never set up there.
class NoWindowsProfile : public WindowsProfile {
public:
    unsigned GetWindowsDirectoryA(std::string& buffer, unsigned) override {
        buffer.clear();
        return 0;
    }
    unsigned GetPrivateProfileStringA(const std::string&, const std::string&, const std::string&, std::string& buffer,
                                      unsigned, const std::string&) override {
        buffer.clear();
        return 0;
    }
    bool FileExists(const std::string&) override { return false; }
};

} // namespace zw
