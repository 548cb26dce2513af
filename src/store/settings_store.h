#pragma once
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "sqlite_database.h"

namespace zw {

// The settings table of a product database. Values are kept byte for byte: CR, LF and any UTF-8 come
// back exactly as written. Section and key match exactly, case included.

std::optional<std::string> ReadStoredSetting(SqliteDatabase& database, const std::string& section,
                                             const std::string& key);

// Replaces one value in one transaction. The write lock is taken at the start, so two workstations
// writing at once queue up (for the busy timeout) instead of failing half-way; a failure leaves the old
// value in place and throws RuntimeError.
void WriteStoredSetting(SqliteDatabase& database, const std::string& section, const std::string& key,
                        const std::string& value, const std::string& writer = "zwsettings set");

// One change of a stored value: the new value, or none to remove the setting.
struct SettingChange {
    std::string section;
    std::string key;
    std::optional<std::string> value;
};

// Applies every change in one transaction, or none of them. writer names what made the changes (the
// dialog, a command of the settings tool) for the change history.
void WriteStoredSettings(SqliteDatabase& database, const std::vector<SettingChange>& changes,
                         const std::string& writer);

struct StoredSetting {
    std::string section;
    std::string key;
    std::string value;
};

// One row of the change history: one value written, when, where, by whom and by what.
struct HistoryRow {
    int64_t id = 0;
    std::string time; // UTC, ISO 8601
    std::string workstation;
    std::string user;
    std::string writer;
    std::string section;
    std::string key;
    std::optional<std::string> oldValue; // none: there was no value
    std::optional<std::string> newValue; // none: the value was removed
};

// How much history every write keeps of the setting it writes: its newest row always, then newer rows
// first while they number at most HistoryRowsKept and their old and new values together take at most
// HistoryBytesKept bytes. Older rows are deleted in the write's own transaction.
constexpr int64_t HistoryRowsKept = 100;
constexpr int64_t HistoryBytesKept = 4 << 20;

// Hands every history row to take, newest first, one at a time: memory does not grow with the history.
void ForEachHistoryRow(SqliteDatabase& database, const std::function<void(HistoryRow&&)>& take);

// The whole history, newest first.
std::vector<HistoryRow> ReadHistory(SqliteDatabase& database);

// The newest row of each setting's history, without its values (they may be large).
std::vector<HistoryRow> NewestHistoryRows(SqliteDatabase& database);

// The settings whose newest history row does not name their current value (a removal names none): empty
// whenever every write went through WriteStoredSettings. Settings older than the history have no row and
// are not counted.
std::vector<std::string> HistoryDisagreements(SqliteDatabase& database);

// Every setting, ordered by section and key.
std::vector<StoredSetting> ListStoredSettings(SqliteDatabase& database);

} // namespace zw
