#include "bounded_checks.h"

#include <cctype>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <system_error>
#include <thread>

#include "base/strings.h"

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
    std::vector<bool> finished; // by worker
    size_t workersLeft = 0;
};

// Workers still blocked on a drive or share when the budget ran out. They are kept, never detached or joined:
// each ends when its call returns, or with the process. The list itself is never destroyed, so no worker can
// outlive it.
void KeepUnfinished(std::thread worker) {
    static auto* const mutex = new std::mutex;
    static auto* const unfinished = new std::vector<std::thread>;
    std::lock_guard lock(*mutex);
    unfinished->push_back(std::move(worker));
}

void CheckRoot(const std::shared_ptr<DetectHost>& host, const std::shared_ptr<Answers>& answers, size_t worker,
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
    answers->finished[worker] = true;
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
    answers->finished.resize(byRoot.size());
    answers->workersLeft = byRoot.size();
    const auto deadline = std::chrono::steady_clock::now() + budget;
    std::vector<std::thread> workers;
    for (auto& [root, rootPaths] : byRoot) {
        const size_t worker = workers.size();
        try {
            workers.emplace_back(CheckRoot, host, answers, worker, root, rootPaths);
        } catch (const std::system_error&) {
            // No thread to spare: this root's places stay unanswered, as if it had not answered in time.
            workers.emplace_back();
            std::lock_guard lock(answers->mutex);
            --answers->workersLeft;
        }
    }

    CheckResults results;
    std::vector<bool> finished;
    {
        std::unique_lock lock(answers->mutex);
        answers->changed.wait_until(lock, deadline, [&] { return answers->workersLeft == 0; });
        for (const auto& answer : answers->exists)
            results.presence.push_back(!answer   ? Presence::Unreachable
                                       : *answer ? Presence::Exists
                                                 : Presence::Missing);
        for (const auto& [root, rootPaths] : byRoot) {
            const auto told = answers->drives.find(root);
            results.drives[root] = told == answers->drives.end() ? DriveInfo{} : told->second;
        }
        finished = answers->finished;
    }
    // A worker that answered is done but for its return: wait for that. One that did not stays blocked.
    for (size_t worker = 0; worker < workers.size(); ++worker) {
        if (!workers[worker].joinable())
            continue;
        if (finished[worker])
            workers[worker].join();
        else
            KeepUnfinished(std::move(workers[worker]));
    }
    return results;
}

} // namespace zw
