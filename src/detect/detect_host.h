#pragma once
// What the search for installed programs asks of the machine, beyond the registry. Each call may block for a
// long time on a drive or share that does not answer; the caller bounds that (bounded_checks.h).
#include <memory>
#include <string>

namespace zw {

class WindowsProfile;

enum class DriveKind {
    Local,   // a fixed, removable or optical drive of this machine
    Mapped,  // a drive letter mapped to a network share: a user's mapping, unseen by services
    Share,   // a UNC path (\\server\share)
    NoDrive, // a letter with no drive behind it
    Unknown, // a relative path, or a drive whose kind was not told in time
};

struct DriveInfo {
    DriveKind kind = DriveKind::Unknown;
    std::string unc; // a mapped drive's share, when Windows knows it
};

class DetectHost {
public:
    virtual ~DetectHost() = default;
    // The Windows folder and .ini reading, as the dialog uses them.
    virtual WindowsProfile& Profile() = 0;
    // The folder 64-bit programs install into, and the one 32-bit programs install into on 64-bit Windows; empty
    // where the machine has none.
    virtual std::string ProgramFilesFolder() = 0;
    virtual std::string ProgramFilesX86Folder() = 0;
    // Whether a file or folder exists at the path.
    virtual bool Exists(const std::string& path) = 0;
    // What stands behind a drive root: "C:" or "\\server\share".
    virtual DriveInfo Drive(const std::string& root) = 0;
};

// The machine this program runs on.
std::shared_ptr<DetectHost> MakeSystemDetectHost();

} // namespace zw
