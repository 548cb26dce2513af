#include "station_health.h"

#include <sqlite3.h>

#include <algorithm>

#include "sqlite_statement.h"

namespace zw {

namespace {

// One row per program, and one with the empty code that says when the station was checked, so that a
// station without programs has a result too.
const char* const CreateTable = "CREATE TABLE IF NOT EXISTS StationHealth("
                                "Station TEXT NOT NULL, Time TEXT NOT NULL, UserName TEXT NOT NULL, "
                                "Code TEXT NOT NULL, Ok INTEGER NOT NULL, Problem TEXT NOT NULL, "
                                "Found TEXT NOT NULL, Position INTEGER NOT NULL, PRIMARY KEY (Station, Code))";

bool HasTable(SqliteDatabase& database) {
    sqlite::Statement query(database.Connection(),
                            "SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = 'StationHealth'",
                            database.Name());
    return query.Step();
}

} // namespace

bool StationHealth::Broken() const {
    return std::any_of(programs.begin(), programs.end(), [](const ProgramHealth& p) { return !p.ok; });
}

void RecordStationHealth(SqliteDatabase& database, const StationHealth& health) {
    const std::string& name = database.Name();
    database.Write([&](sqlite3* connection) {
        sqlite::Execute(connection, CreateTable, name);
        sqlite::Statement remove(connection, "DELETE FROM StationHealth WHERE Station = ?1", name);
        remove.BindText(1, health.station);
        remove.Step();
        sqlite::Statement insert(connection,
                                 "INSERT INTO StationHealth(Station, Time, UserName, Code, Ok, Problem, Found, "
                                 "Position) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8)",
                                 name);
        insert.BindText(1, health.station);
        insert.BindText(2, health.time);
        insert.BindText(3, health.user);
        for (size_t i = 0; i <= health.programs.size(); ++i) {
            const ProgramHealth program = i == 0 ? ProgramHealth{} : health.programs[i - 1];
            insert.BindText(4, program.code);
            insert.BindInt(5, program.ok ? 1 : 0);
            insert.BindText(6, program.problem);
            insert.BindText(7, program.found);
            insert.BindInt(8, static_cast<int64_t>(i));
            insert.Step();
            insert.Reset();
        }
    });
}

std::map<std::string, StationHealth> ReadStationHealth(SqliteDatabase& database) {
    std::map<std::string, StationHealth> stations;
    if (!HasTable(database))
        return stations;
    sqlite::Statement query(database.Connection(),
                            "SELECT Station, Time, UserName, Code, Ok, Problem, Found FROM StationHealth "
                            "ORDER BY Station, Position",
                            database.Name());
    while (query.Step()) {
        StationHealth& health = stations[query.ColumnText(0)];
        health.station = query.ColumnText(0);
        health.time = query.ColumnText(1);
        health.user = query.ColumnText(2);
        if (!query.ColumnText(3).empty())
            health.programs.push_back(
                {query.ColumnText(3), query.ColumnInt(4) != 0, query.ColumnText(5), query.ColumnText(6)});
    }
    return stations;
}

} // namespace zw
