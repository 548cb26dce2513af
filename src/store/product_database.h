#pragma once
#include <optional>
#include <string>
#include <vector>

struct sqlite3;

namespace zw {

// Creates a new, empty product database encrypted with the password: the settings table and the change
// history. The database is built beside the path under a temporary name and moved into place only when
// complete, so a crash at any moment leaves either nothing or a whole database there. Fails with
// RuntimeError 3204 when anything already exists at the path, 5 for a password that cannot protect it.
void CreateProductDatabase(const std::string& path, const std::string& password);

// Checks that a keyed connection holds a product database: RuntimeError 3031 when its pages cannot be
// decrypted with the key (a wrong password, or a file that was never a product database: the two cannot be
// told apart), 3343 when it is a database without the product's tables, 3049 when it is shorter than it
// says it is.
void CheckProductDatabase(sqlite3* connection, const std::string& name);

// Rewrites the product database at path under a new password, and moves the result into place only when
// it is complete: the old file stays whole until then. currentPassword is the password it opens with, or
// nothing for an unencrypted database (one made by an earlier version of the program). Nobody may write to
// the database meanwhile: the old database is locked exclusively while it is copied.
void ReencryptProductDatabase(const std::string& path, const std::optional<std::string>& currentPassword,
                              const std::string& newPassword);

// SQLite's own integrity check of every page, index and table; the empty list when all is well.
std::vector<std::string> DatabaseIntegrityProblems(sqlite3* connection, const std::string& name);

} // namespace zw
