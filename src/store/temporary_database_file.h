#pragma once
#include <string>

namespace zw {

// The name under which a new product database is built beside its final path: "<path>.new-<process>-<n>".
// The file (and its journal) is removed when the object goes, unless Release() says it was moved into
// place. Making one also removes what earlier builders left behind when they were killed: files of this
// pattern whose process no longer runs.
class TemporaryDatabaseFile {
public:
    explicit TemporaryDatabaseFile(const std::string& finalPath);
    ~TemporaryDatabaseFile();
    TemporaryDatabaseFile(const TemporaryDatabaseFile&) = delete;
    TemporaryDatabaseFile& operator=(const TemporaryDatabaseFile&) = delete;

    const std::string& Name() const { return name_; }
    void Release() { released_ = true; }

private:
    std::string name_;
    bool released_ = false;
};

} // namespace zw
