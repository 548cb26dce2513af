#pragma once
#include <sqlite3.h>

#include <string>

#include "password_verifier.h"

namespace zw {

// Creates a new, empty product database protected by the password: the verifier table and the settings
// table. Fails with RuntimeError 3204 when anything already exists at the path.
void CreateProductDatabase(const std::string& path, const std::string& password,
                           uint32_t iterations = DefaultIterations);

// Checks that an open connection holds a product database that accepts the password: RuntimeError 3343
// when it is not a product database, 3031 when the password does not match.
void CheckProductDatabase(sqlite3* connection, const std::string& name, const std::string& password);

} // namespace zw
