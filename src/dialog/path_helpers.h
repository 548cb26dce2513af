#pragma once
#include <string>

namespace zw {

class Shell;

// Flags of the folder browser: file-system folders only, nothing below the domain level.
constexpr unsigned BrowseOnlyFileSystemFolders = 1;
constexpr unsigned BrowseNotBelowDomain = 2;

// Asks the user for a folder; the folder's path without a trailing backslash (except at a drive root), or
// an empty text when the user cancels or closes the browser.
std::string BrowseForFolder(Shell& shell, const std::string& title);

// True when the path names an existing file or folder.
bool FileExists(Shell& shell, const std::string& path);

// The folder and the name joined by the shell's rules: one backslash between them, whether or not the
// folder already ends in one. The result is only ever tested with FileExists, so a join that the shell
// cannot make (a folder too long for its buffer) needs no report of its own.
std::string AppendPath(Shell& shell, std::string folder, const std::string& name);

} // namespace zw
