#pragma once
// A machine for the search for installed programs: files given by the test (compared without regard to case,
// as Windows does), drives of any kind, and drives that never answer until the test lets them.
#include <condition_variable>
#include <map>
#include <mutex>
#include <set>

#include "base/strings.h"
#include "detect/bounded_checks.h"
#include "detect/detect_host.h"
#include "fake_platform.h"

namespace zw::test {

class FakeDetectHost : public DetectHost {
public:
    FakeProfile profile;
    std::string programFiles = "C:\\Program Files";
    std::string programFilesX86 = "C:\\Program Files (x86)";
    std::set<std::string> files;             // upper-cased
    std::map<std::string, DriveInfo> drives; // by root; others are local
    std::set<std::string> hanging;           // roots whose calls block until Release()

    void AddFile(const std::string& path) { files.insert(UCase(path)); }
    void Release() {
        std::lock_guard lock(mutex_);
        released_ = true;
        wake_.notify_all();
    }

    WindowsProfile& Profile() override { return profile; }
    std::string ProgramFilesFolder() override { return programFiles; }
    std::string ProgramFilesX86Folder() override { return programFilesX86; }
    bool Exists(const std::string& path) override {
        WaitIfHanging(RootOf(path));
        return files.count(UCase(path)) != 0;
    }
    DriveInfo Drive(const std::string& root) override {
        WaitIfHanging(root);
        const auto drive = drives.find(root);
        return drive == drives.end() ? DriveInfo{DriveKind::Local, ""} : drive->second;
    }

private:
    void WaitIfHanging(const std::string& root) {
        if (hanging.count(root) == 0)
            return;
        std::unique_lock lock(mutex_);
        wake_.wait(lock, [&] { return released_; });
    }

    std::mutex mutex_;
    std::condition_variable wake_;
    bool released_ = false;
};

} // namespace zw::test
