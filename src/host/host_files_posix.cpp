#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "base/error_numbers.h"
#include "base/runtime_error.h"
#include "host_system.h"

namespace zw::host {

namespace {

std::string Utf8(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

[[noreturn]] void MoveFailed(const std::filesystem::path& to, int error) {
    throw RuntimeError(dberrors::EngineFailure,
                       "Could not put the new database in place at '" + Utf8(to) + "' (" + std::strerror(error) + ").");
}

// The rename is durable only once the folder that holds both names is on disk.
void SyncFolderOf(const std::filesystem::path& file) {
    std::filesystem::path folder = file.parent_path();
    if (folder.empty())
        folder = ".";
    const int handle = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (handle < 0)
        return;
    ::fsync(handle);
    ::close(handle);
}

} // namespace

uint32_t ProcessId() {
    return uint32_t(::getpid());
}

bool ProcessRunning(uint32_t processId) {
    return ::kill(pid_t(processId), 0) == 0 || errno == EPERM;
}

bool MoveNoReplace(const std::filesystem::path& from, const std::filesystem::path& to) {
    // A hard link fails when the name is taken, so no other file is ever replaced; then the old name goes.
    if (::link(from.c_str(), to.c_str()) != 0) {
        if (errno == EEXIST)
            return false;
        MoveFailed(to, errno);
    }
    ::unlink(from.c_str());
    SyncFolderOf(to);
    return true;
}

void MoveReplacing(const std::filesystem::path& from, const std::filesystem::path& to) {
    if (::rename(from.c_str(), to.c_str()) != 0)
        MoveFailed(to, errno);
    SyncFolderOf(to);
}

bool WritePrivateFile(const std::filesystem::path& path, const std::string& text) {
    std::filesystem::path temporary = path;
    temporary += ".new-" + std::to_string(::getpid());
    const int handle = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (handle < 0)
        return false;
    size_t written = 0;
    while (written < text.size()) {
        const ssize_t n = ::write(handle, text.data() + written, text.size() - written);
        if (n <= 0 && errno != EINTR)
            break;
        written += n > 0 ? size_t(n) : 0;
    }
    // A file that was already there under this name had its own mode: the temporary one is 0600 whatever
    // the umask.
    const bool whole = written == text.size() && ::fchmod(handle, 0600) == 0 && ::fsync(handle) == 0;
    if (::close(handle) != 0 || !whole || ::rename(temporary.c_str(), path.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    SyncFolderOf(path);
    return true;
}

} // namespace zw::host
