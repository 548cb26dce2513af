#pragma once
// Looking at files on drives and shares that may not answer. Each drive or share gets a worker of its own,
// and all of them together get one time budget: a share that hangs costs that budget once, the other
// drives are answered meanwhile, and what was not answered in time counts as unreachable.
#include <chrono>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "detect_host.h"

namespace zw {

enum class Presence {
    Exists,
    Missing,
    Unreachable, // the drive or share did not answer in time
    NotSet,      // nothing to look for: the registry or the .ini file names no file here
};

// The drive or share a path is on, upper-cased: "C:" or "\\SERVER\SHARE"; empty for a relative path.
std::string RootOf(const std::string& path);

struct CheckResults {
    std::vector<Presence> presence;          // one for each path, in order
    std::map<std::string, DriveInfo> drives; // by RootOf; Unknown when the drive did not tell in time
};

// The host stays alive as long as a worker that did not finish still needs it.
CheckResults CheckPaths(const std::shared_ptr<DetectHost>& host, const std::vector<std::string>& paths,
                        std::chrono::milliseconds budget);

} // namespace zw
