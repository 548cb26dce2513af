#include "environment_overrides.h"

#include "host_system.h"

namespace zw {

const char* const BuiltInDatabasePassword = "ZeltWin#Db1";

std::string ProductDatabasePassword() {
    if (auto password = host::EnvironmentVariable("ZELT_DB_PASSWORD"))
        return *password;
    return BuiltInDatabasePassword;
}

std::string StationIdentifier() {
    if (auto station = host::EnvironmentVariable("ZELT_STATION"); station && !station->empty())
        return *station;
    return host::ComputerName();
}

} // namespace zw
