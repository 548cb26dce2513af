#pragma once
// Where a Browse button looks first: its row's folder, or for a button whose folder comes from the registry,
// the folder of the program its row's proposal names.
#include <string>

#include "bridge_rows.h"

namespace zw {

// The program an App Paths key registers (the key's last part); empty for another key, whose value is a
// whole command line (a COM server's registration).
std::string AppPathsProgram(const RegistryPlace& place);

// The folder a row's Browse button looks in first, reading the registry where the folder comes from it: the
// first registered proposal place's value without its file name, and C:\ when none is registered.
std::string BrowseDefaultFolder(const BridgeRow& row, const RegistryRead& read);

// The folder of a registered program: the value without its file name when it ends in "\" and that name (in
// any case, blanks around it ignored), else the value whole.
std::string FolderFromValue(const std::string& value, const std::string& program);

} // namespace zw
