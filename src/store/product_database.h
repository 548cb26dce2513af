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

// Encrypts the product database at path with a new password. With currentPassword, the password it opens
// with, the library re-keys it in place inside one write transaction: other connections wait for it, and a
// crash leaves the journal that puts the old pages back. Without one, path is an unencrypted database made
// by an earlier version: its write-ahead log (if any) is folded in first, an encrypted copy is built beside
// it and moved over it only when complete. Fails with RuntimeError 5 for a password nobody could open the
// database with, and leaves the file as it was on every failure.
void ReencryptProductDatabase(const std::string& path, const std::optional<std::string>& currentPassword,
                              const std::string& newPassword);

// SQLite's own integrity check of every page, index and table; the empty list when all is well.
std::vector<std::string> DatabaseIntegrityProblems(sqlite3* connection, const std::string& name);

} // namespace zw
