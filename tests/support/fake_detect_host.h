#pragma once
// A machine for the search for installed programs: files given by the test (compared without regard to case,
// as Windows does), local drives, and drives that never answer until the test lets them.
#include <condition_variable>
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
    std::set<std::string> files;   // upper-cased
    std::set<std::string> hanging; // roots whose calls block until Release()

    void AddFile(const std::string& path) { files.insert(UCase(path)); }
    void Release() {
        std::lock_guard lock(mutex_);
        released_ = true;
        wake_.notify_all();
    }

    WindowsProfile& Profile() override { return profile; }
    std::string ProgramFilesFolder() override { return programFiles; }
    std::string ProgramFilesX86Folder() override { return "C:\\Program Files (x86)"; }
    bool Exists(const std::string& path) override {
        WaitIfHanging(RootOf(path));
        return files.count(UCase(path)) != 0;
    }
    DriveInfo Drive(const std::string& root) override {
        WaitIfHanging(root);
        return {DriveKind::Local, ""};
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
