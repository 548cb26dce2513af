#include "settings_store.h"

#include <sqlite3.h>

#include "../controls/runtime_error.h"
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

void WriteStoredSettings(SqliteDatabase& database, const std::vector<SettingChange>& changes,
                         const std::string& /*writer*/) {
    sqlite3* connection = database.Connection();
    sqlite::Execute(connection, "BEGIN IMMEDIATE", database.Name());
    try {
        for (const SettingChange& change : changes) {
            if (change.value) {
                sqlite::Statement write(connection,
                                        "INSERT OR REPLACE INTO Settings(Section, Key, Value) VALUES (?1, ?2, ?3)",
                                        database.Name());
                write.BindText(1, change.section);
                write.BindText(2, change.key);
                write.BindText(3, *change.value);
                write.Step();
            } else {
                sqlite::Statement remove(connection, "DELETE FROM Settings WHERE Section = ?1 AND Key = ?2",
                                         database.Name());
                remove.BindText(1, change.section);
                remove.BindText(2, change.key);
                remove.Step();
            }
        }
        sqlite::Execute(connection, "COMMIT", database.Name());
    } catch (const RuntimeError&) {
        // A commit that failed (readers holding on past the timeout) leaves the transaction open.
        if (sqlite3_get_autocommit(connection) == 0)
            sqlite3_exec(connection, "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
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
