#include "detect/bounded_checks.h"

#include <cctype>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <system_error>
#include <thread>

#include "controls/strings.h"

namespace zw {

namespace {

bool IsSeparator(char c) {
    return c == '\\' || c == '/';
}

// What the workers write and the caller reads; shared, because a worker that hangs outlives the call.
struct Answers {
    std::mutex mutex;
    std::condition_variable changed;
    std::vector<std::optional<bool>> exists;
    std::map<std::string, DriveInfo> drives;
    size_t workersLeft = 0;
};

void CheckRoot(const std::shared_ptr<DetectHost>& host, const std::shared_ptr<Answers>& answers,
               const std::string& root, const std::vector<std::pair<size_t, std::string>>& paths) {
    DriveInfo drive;
    try {
        drive = root.empty() ? DriveInfo{} : host->Drive(root);
    } catch (...) {
        drive = {};
    }
    {
        std::lock_guard lock(answers->mutex);
        answers->drives[root] = drive;
    }
    for (const auto& [index, path] : paths) {
        bool exists = false;
        try {
            exists = host->Exists(path);
        } catch (...) {
        }
        std::lock_guard lock(answers->mutex);
        answers->exists[index] = exists;
    }
    std::lock_guard lock(answers->mutex);
    --answers->workersLeft;
    answers->changed.notify_all();
}

} // namespace

std::string RootOf(const std::string& path) {
    if (path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1])) {
        // \\server\share: the root ends before the separator after the share's name.
        size_t end = 2;
        for (int separators = 0; end < path.size(); ++end) {
            if (IsSeparator(path[end]) && ++separators == 2)
                break;
        }
        std::string root = path.substr(0, end);
        for (char& c : root)
            c = IsSeparator(c) ? '\\' : c;
        return UCase(root);
    }
    const unsigned char letter = static_cast<unsigned char>(path.empty() ? 0 : path[0]);
    if (path.size() >= 2 && path[1] == ':' && std::isalpha(letter))
        return UCase(path.substr(0, 2));
    return {};
}

CheckResults CheckPaths(const std::shared_ptr<DetectHost>& host, const std::vector<std::string>& paths,
                        std::chrono::milliseconds budget) {
    std::map<std::string, std::vector<std::pair<size_t, std::string>>> byRoot;
    for (size_t i = 0; i < paths.size(); ++i)
        byRoot[RootOf(paths[i])].emplace_back(i, paths[i]);

    auto answers = std::make_shared<Answers>();
    answers->exists.resize(paths.size());
    answers->workersLeft = byRoot.size();
    const auto deadline = std::chrono::steady_clock::now() + budget;
    for (auto& [root, rootPaths] : byRoot) {
        try {
            std::thread(CheckRoot, host, answers, root, rootPaths).detach();
        } catch (const std::system_error&) {
            // No thread to spare: this root's places stay unanswered, as if it had not answered in time.
            std::lock_guard lock(answers->mutex);
            --answers->workersLeft;
        }
    }

    std::unique_lock lock(answers->mutex);
    answers->changed.wait_until(lock, deadline, [&] { return answers->workersLeft == 0; });
    CheckResults results;
    for (const auto& answer : answers->exists)
        results.presence.push_back(!answer ? Presence::Unreachable : *answer ? Presence::Exists : Presence::Missing);
    for (const auto& [root, rootPaths] : byRoot) {
        const auto told = answers->drives.find(root);
        results.drives[root] = told == answers->drives.end() ? DriveInfo{} : told->second;
    }
    return results;
}

} // namespace zw
