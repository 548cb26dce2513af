#include "settings_store.h"

#include <sqlite3.h>

#include "host/environment_overrides.h"
#include "host/host_system.h"
#include "sqlite_statement.h"

namespace zw {

std::optional<std::string> ReadStoredSetting(SqliteDatabase& database, const std::string& section,
                                             const std::string& key) {
    sqlite::Statement query(database.Connection(), "SELECT Value FROM Settings WHERE Section = ?1 AND Key = ?2",
                            database.Name());
    query.BindText(1, section);
    query.BindText(2, key);
    if (!query.Step())
        return std::nullopt;
    return query.ColumnText(0);
}

void WriteStoredSetting(SqliteDatabase& database, const std::string& section, const std::string& key,
                        const std::string& value, const std::string& writer) {
    WriteStoredSettings(database, {{section, key, value}}, writer);
}

namespace {

// Keeps the history of one setting within its retention: the newest row always, then newer rows first for
// as long as they number no more than HistoryRowsKept and their values together take no more than
// HistoryBytesKept.
void PruneHistory(sqlite3* connection, const std::string& name, const std::string& section, const std::string& key) {
    // octet_length of a column reads the length from the record's header, not the value from its pages.
    sqlite::Statement rows(connection,
                           "SELECT Id, coalesce(octet_length(OldValue), 0) + coalesce(octet_length(NewValue), 0) "
                           "FROM History WHERE Section = ?1 AND Key = ?2 ORDER BY Id DESC",
                           name);
    rows.BindText(1, section);
    rows.BindText(2, key);
    int64_t count = 0, bytes = 0, firstDropped = 0;
    while (rows.Step()) {
        ++count;
        bytes += rows.ColumnInt(1);
        if (count > 1 && (count > HistoryRowsKept || bytes > HistoryBytesKept)) {
            firstDropped = rows.ColumnInt(0); // and every older row of the setting
            break;
        }
    }
    if (firstDropped == 0)
        return;
    sqlite::Statement prune(connection, "DELETE FROM History WHERE Section = ?1 AND Key = ?2 AND Id <= ?3", name);
    prune.BindText(1, section);
    prune.BindText(2, key);
    prune.BindInt(3, firstDropped);
    prune.Step();
}

} // namespace

void WriteStoredSettings(SqliteDatabase& database, const std::vector<SettingChange>& changes,
                         const std::string& writer) {
    const std::string& name = database.Name();
    const std::string time = host::UtcTimestamp();
    const std::string workstation = StationIdentifier();
    const std::string user = host::UserName();
    database.Write([&](sqlite3* connection) {
        for (const SettingChange& change : changes) {
            // The old value is read inside the transaction that replaces it, so the history names exactly
            // what this write replaced, whatever other workstations wrote before.
            const std::optional<std::string> old = ReadStoredSetting(database, change.section, change.key);
            if (change.value) {
                sqlite::Statement write(
                    connection, "INSERT OR REPLACE INTO Settings(Section, Key, Value) VALUES (?1, ?2, ?3)", name);
                write.BindText(1, change.section);
                write.BindText(2, change.key);
                write.BindText(3, *change.value);
                write.Step();
            } else {
                sqlite::Statement remove(connection, "DELETE FROM Settings WHERE Section = ?1 AND Key = ?2", name);
                remove.BindText(1, change.section);
                remove.BindText(2, change.key);
                remove.Step();
            }
            sqlite::Statement record(connection,
                                     "INSERT INTO History(Time, Workstation, UserName, Writer, Section, Key, "
                                     "OldValue, NewValue) VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8)",
                                     name);
            record.BindText(1, time);
            record.BindText(2, workstation);
            record.BindText(3, user);
            record.BindText(4, writer);
            record.BindText(5, change.section);
            record.BindText(6, change.key);
            old ? record.BindText(7, *old) : record.BindNull(7);
            change.value ? record.BindText(8, *change.value) : record.BindNull(8);
            record.Step();
            PruneHistory(connection, name, change.section, change.key);
        }
    });
}

namespace {

const char* const HistoryColumns = "Id, Time, Workstation, UserName, Writer, Section, Key";

// A row of a query that selects HistoryColumns, then (withValues) OldValue and NewValue.
HistoryRow HistoryRowOf(const sqlite::Statement& query, bool withValues) {
    auto optionalText = [&](int column) {
        return !withValues || query.ColumnType(column) == SQLITE_NULL
                   ? std::nullopt
                   : std::optional<std::string>(query.ColumnText(column));
    };
    return {query.ColumnInt(0),  query.ColumnText(1), query.ColumnText(2), query.ColumnText(3), query.ColumnText(4),
            query.ColumnText(5), query.ColumnText(6), optionalText(7),     optionalText(8)};
}

} // namespace

void ForEachHistoryRow(SqliteDatabase& database, const std::function<void(HistoryRow&&)>& take) {
    sqlite::Statement query(
        database.Connection(),
        (std::string("SELECT ") + HistoryColumns + ", OldValue, NewValue FROM History ORDER BY Id DESC").c_str(),
        database.Name());
    while (query.Step())
        take(HistoryRowOf(query, true));
}

std::vector<HistoryRow> ReadHistory(SqliteDatabase& database) {
    std::vector<HistoryRow> rows;
    ForEachHistoryRow(database, [&](HistoryRow&& row) { rows.push_back(std::move(row)); });
    return rows;
}

std::vector<HistoryRow> NewestHistoryRows(SqliteDatabase& database) {
    sqlite::Statement query(database.Connection(),
                            (std::string("SELECT ") + HistoryColumns +
                             " FROM History WHERE Id IN (SELECT max(Id) FROM History GROUP BY Section, Key) "
                             "ORDER BY Id DESC")
                                .c_str(),
                            database.Name());
    std::vector<HistoryRow> rows;
    while (query.Step())
        rows.push_back(HistoryRowOf(query, false));
    return rows;
}

std::vector<std::string> HistoryDisagreements(SqliteDatabase& database) {
    sqlite::Statement query(database.Connection(),
                            "SELECT h.Section, h.Key FROM History h LEFT JOIN Settings s "
                            "ON s.Section = h.Section AND s.Key = h.Key "
                            "WHERE h.Id = (SELECT max(Id) FROM History WHERE Section = h.Section AND Key = h.Key) "
                            "AND s.Value IS NOT h.NewValue ORDER BY h.Section, h.Key",
                            database.Name());
    std::vector<std::string> problems;
    while (query.Step())
        problems.push_back("the history of " + query.ColumnText(0) + " " + query.ColumnText(1) +
                           " does not end in its current value");
    return problems;
}

std::vector<StoredSetting> ListStoredSettings(SqliteDatabase& database) {
    sqlite::Statement query(database.Connection(), "SELECT Section, Key, Value FROM Settings ORDER BY Section, Key",
                            database.Name());
    std::vector<StoredSetting> settings;
    while (query.Step())
        settings.push_back({query.ColumnText(0), query.ColumnText(1), query.ColumnText(2)});
    return settings;
}

} // namespace zw
