#pragma once
#include "platform/shell.h"

namespace zw {

// The shell's folder browser (ANSI form, as the dialog has always called it) and shlwapi's path functions.
class Win32Shell : public Shell {
public:
    std::string BrowseForFolder(const std::string& title, unsigned flags) override;
    bool PathFileExists(const std::string& path) override;
    // A folder that does not fit the 260-character buffer gives the empty text, which names no file.
    std::string PathAppend(const std::string& folder, const std::string& name) override;
};

} // namespace zw
