#pragma once
#include <string>

namespace zw {

// The product's own database password, used unless the environment names another.
extern const char* const BuiltInDatabasePassword;

// ZELT_DB_PASSWORD when it is set (even to the empty text), else the built-in password.
std::string ProductDatabasePassword();

// ZELT_STATION when it is set and not empty (terminal servers give every session the same computer name),
// else the computer's name.
std::string StationIdentifier();

} // namespace zw
