#pragma once
// Where the dialog looks for each outside program: the registry entries it reads for a row's proposed command
// line and for a Browse button's folder, and each Browse button's names and folders. The dialog and the
// settings tool's search for installed programs both read these tables.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace zw {

// A registry value that names a program's file: the default value of a key under HKEY_LOCAL_MACHINE or
// HKEY_CLASSES_ROOT. program is the file name the value ends in when it names the file alone (App Paths);
// empty for a value that is a whole command line (a COM server registration).
struct RegistryEntry {
    uint32_t root;
    std::string subKey;
    std::string program;
};

// The entries a bridge row's proposed command line is read from (the row's proposal in the choice model),
// in order: the first that is not empty is proposed. Empty for a row that proposes nothing from the registry.
const std::vector<RegistryEntry>& ProposalEntries(int16_t row);

// Reads one entry as the dialog does (through the environment component, or another reader).
using RegistryEntryRead = std::function<std::string(const RegistryEntry&)>;

// The first entry's value, in order, that is not empty, and its index; -1 and empty when none.
std::pair<int, std::string> FirstRegistered(const std::vector<RegistryEntry>& entries, const RegistryEntryRead& read);

// One Browse button: its box, the names it looks for (in order of preference) and the folders it looks in.
// A button whose folder comes from the registry lists those entries: the folder is the first registered one's
// value without its file name, and C:\ when none is registered.
struct BrowseRow {
    int16_t command;
    int16_t text;
    int16_t row; // the CheckBox1 row of the button
    std::vector<std::string> names;
    std::vector<RegistryEntry> folderEntries;
    std::string defaultFolder;
    std::string secondFolder;
};

const std::vector<BrowseRow>& BrowseRows();

// The folder a Browse button looks in first, reading the registry where the button's folder comes from it.
std::string BrowseDefaultFolder(const BrowseRow& row, const RegistryEntryRead& read);

// The folder of a registered program: the value without its file name when it ends in "\" and that name (in
// any case, blanks around it ignored), else the value whole.
std::string FolderFromValue(const std::string& value, const std::string& program);

} // namespace zw
