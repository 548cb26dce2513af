// Away from Windows there is no Windows folder, no Program Files and no drive letters: only the files named by
// the registry table (empty unless a test injects one) can be looked for.
#include <filesystem>

#include "detect_host.h"
#include "host/host_system.h"
#include "host/no_windows_profile.h"

namespace zw {

namespace {

class PosixDetectHost : public DetectHost {
public:
    WindowsProfile& Profile() override { return profile_; }
    std::string ProgramFilesFolder() override { return {}; }
    std::string ProgramFilesX86Folder() override { return {}; }
    bool Exists(const std::string& path) override {
        std::error_code error;
        return std::filesystem::exists(host::PathFromUtf8(path), error);
    }
    DriveInfo Drive(const std::string&) override { return {}; }

private:
    NoWindowsProfile profile_;
};

} // namespace

std::shared_ptr<DetectHost> MakeSystemDetectHost() {
    return std::make_shared<PosixDetectHost>();
}

} // namespace zw
