#pragma once
#include <string>

namespace zw {

// The shell's folder browser and path functions.
class Shell {
public:
    virtual ~Shell() = default;
    // SHBrowseForFolder with the given title and flags, owned by the active window, then
    // SHGetPathFromIDList into a 260-character buffer. Empty when the user cancels.
    virtual std::string BrowseForFolder(const std::string& title, unsigned flags) = 0;
    // PathFileExistsW: true for an existing file or folder.
    virtual bool PathFileExists(const std::string& path) = 0;
    // PathAppendW on a 260-character buffer holding folder: the joined text up to the first NUL.
    virtual std::string PathAppend(const std::string& folder, const std::string& name) = 0;
};

} // namespace zw
