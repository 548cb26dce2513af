#pragma once
#include <map>
#include <string>
#include <vector>

#include "store/settings_store.h"

namespace zw::tool {

// A row of the change history seen as a change of a workstation's choice.
struct ChoiceChange {
    std::string station;            // empty for a setting that is no workstation's X-ray or probe value
    std::string what;               // "xray", "probe" or the section and key
    std::vector<std::string> lines; // "+ SCHICK C:\CDR\NCDR.EXE", "− DEXIS", "DI_GENDEX added", ...
};

ChoiceChange DescribeChange(const HistoryRow& row);

// The newest change of each workstation's values: its time and user.
struct LastChange {
    std::string time;
    std::string user;
};
std::map<std::string, LastChange> LastChanges(SqliteDatabase& database);

} // namespace zw::tool
