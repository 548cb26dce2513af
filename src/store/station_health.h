#pragma once
#include <map>
#include <string>
#include <vector>

#include "sqlite_database.h"

namespace zw {

// The result of checking one workstation's chosen imaging programs on that workstation, as the settings
// tool records it: when, by whom, and for each program whether the dialog's OK would accept it and, when
// not, where the program was found instead. Only the settings tool writes it; the dialog never reads it.

struct ProgramHealth {
    std::string code;    // the bridge code as stored
    bool ok = true;      //
    std::string problem; // the dialog's messages for the program, one per line; empty when ok
    std::string found;   // where the program is on the workstation now; empty when nowhere or when ok
    bool operator==(const ProgramHealth&) const = default;
};

struct StationHealth {
    std::string station;
    std::string time; // UTC, ISO 8601, as the change history writes it
    std::string user;
    std::vector<ProgramHealth> programs; // in the order of the station's choice
    bool Broken() const;
    bool operator==(const StationHealth&) const = default;
};

// Replaces the station's previous result with this one, in one short transaction that takes the write
// lock at its start (as every other write does); creates the table when the database has none yet.
// RuntimeError when it fails, and then the previous result stays.
void RecordStationHealth(SqliteDatabase& database, const StationHealth& health);

// Every station's recorded result, by station name; empty for a database where nothing was recorded.
std::map<std::string, StationHealth> ReadStationHealth(SqliteDatabase& database);

} // namespace zw
