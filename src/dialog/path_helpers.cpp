#include "path_helpers.h"

#include "platform/shell.h"

namespace zw {

std::string BrowseForFolder(Shell& shell, const std::string& title) {
    return shell.BrowseForFolder(title, BrowseOnlyFileSystemFolders | BrowseNotBelowDomain);
}

bool FileExists(Shell& shell, const std::string& path) {
    return shell.PathFileExists(path);
}

std::string AppendPath(Shell& shell, std::string folder, const std::string& name) {
    return shell.PathAppend(folder, name);
}

} // namespace zw
