#include "database_key.h"

#include <sqlite3.h>

#include <cstring>
#include <fstream>

#include "base/error_numbers.h"
#include "base/runtime_error.h"
#include "database_error.h"
#include "host/environment_overrides.h"
#include "host/host_system.h"
#include "sqlite_statement.h"

namespace zw {

int KeyDerivationIterations(const std::string& password) {
    return password == BuiltInDatabasePassword ? BuiltInPasswordKdfIterations : PracticePasswordKdfIterations;
}

void ApplyDatabaseKey(sqlite3* connection, const std::string& password, const std::string& databaseName) {
    if (password.empty())
        throw DatabaseError(dberrors::InvalidPassword, "Not a valid password.");
    const int cipher = sqlite3mc_cipher_index("chacha20");
    if (sqlite3mc_config(connection, "cipher", cipher) != cipher ||
        sqlite3mc_config_cipher(connection, "chacha20", "kdf_iter", KeyDerivationIterations(password)) < 0)
        throw DatabaseError(dberrors::EngineFailure,
                            "The database cipher could not be set up for '" + databaseName + "'.");
    const int rc = sqlite3_key(connection, password.data(), int(password.size()));
    if (rc != SQLITE_OK)
        sqlite::Fail(connection, rc, databaseName);
}

std::string NewPasswordProblem(const std::string& password) {
    if (password.empty())
        return "a database password may not be empty: the database would not be encrypted";
    if (password.find(';') != std::string::npos)
        return "a database password may not contain ';': the program could not pass it on";
    return {};
}

bool IsPlainSqliteFile(const std::string& path) {
    static const char header[16] = {'S', 'Q', 'L', 'i', 't', 'e', ' ', 'f', 'o', 'r', 'm', 'a', 't', ' ', '3', '\0'};
    char start[16] = {};
    std::ifstream file(host::PathFromUtf8(path), std::ios::binary);
    return file.read(start, sizeof start) && std::memcmp(start, header, sizeof header) == 0;
}

} // namespace zw
