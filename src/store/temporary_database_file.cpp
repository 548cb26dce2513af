#include "temporary_database_file.h"

#include <filesystem>
#include <system_error>

#include "host/host_system.h"

namespace zw {

namespace {

std::string Utf8(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

void RemoveWithJournal(const std::string& name) {
    std::error_code ignored;
    std::filesystem::remove(host::PathFromUtf8(name), ignored);
    std::filesystem::remove(host::PathFromUtf8(name + "-journal"), ignored);
}

// "<process>-<n>" after the prefix: the process that was building the file.
bool BuilderIsGone(const std::string& suffix) {
    const size_t dash = suffix.find('-');
    if (dash == 0 || dash == std::string::npos)
        return false;
    uint32_t process = 0;
    for (size_t i = 0; i < dash; ++i) {
        if (suffix[i] < '0' || suffix[i] > '9' || process > 400000000u)
            return false;
        process = process * 10 + uint32_t(suffix[i] - '0');
    }
    return !host::ProcessRunning(process);
}

void RemoveLeftovers(const std::filesystem::path& finalPath) {
    const std::string prefix = Utf8(finalPath.filename()) + ".new-";
    std::filesystem::path folder = finalPath.parent_path();
    if (folder.empty())
        folder = ".";
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        const std::string name = Utf8(entry.path().filename());
        if (name.size() <= prefix.size() || name.compare(0, prefix.size(), prefix) != 0)
            continue;
        std::string suffix = name.substr(prefix.size());
        const std::string journal = "-journal";
        if (suffix.size() > journal.size() && suffix.ends_with(journal))
            suffix.resize(suffix.size() - journal.size());
        if (BuilderIsGone(suffix)) {
            std::error_code ignored;
            std::filesystem::remove(entry.path(), ignored);
        }
    }
}

} // namespace

TemporaryDatabaseFile::TemporaryDatabaseFile(const std::string& finalPath) {
    const std::filesystem::path path = host::PathFromUtf8(finalPath);
    RemoveLeftovers(path);
    uint8_t random[4];
    host::FillRandom(random, sizeof random);
    const uint32_t n =
        uint32_t(random[0]) | uint32_t(random[1]) << 8 | uint32_t(random[2]) << 16 | uint32_t(random[3]) << 24;
    name_ = finalPath + ".new-" + std::to_string(host::ProcessId()) + "-" + std::to_string(n);
}

TemporaryDatabaseFile::~TemporaryDatabaseFile() {
    if (!released_)
        RemoveWithJournal(name_);
}

} // namespace zw
