#pragma once
#include <string>

struct sqlite3;

namespace zw {

// The product database is encrypted page by page with ChaCha20-Poly1305; the page key is derived from the
// database password with PBKDF2-HMAC-SHA-256 and a random salt kept in the file. How much work that
// derivation takes is decided here, from the password alone, never from anything the file says:
// - the product's built-in password ships inside every copy of the program, so making it slow to guess
//   protects nothing; it gets a token count and opening stays instant;
// - a practice's own password is secret, so it gets enough iterations to make guessing it expensive.
constexpr int BuiltInPasswordKdfIterations = 2;
constexpr int PracticePasswordKdfIterations = 256000;

int KeyDerivationIterations(const std::string& password);

// Sets the cipher and the key of a connection just opened, before anything is read through it.
// Throws RuntimeError 3031 for a password that cannot be a database key (empty: it would leave the file
// unencrypted).
void ApplyDatabaseKey(sqlite3* connection, const std::string& password, const std::string& databaseName);

// Why the password cannot protect a new product database, or the empty text when it can. The program
// hands the password on in a connect text (";pwd=..."), which ends it at the first ';'.
std::string NewPasswordProblem(const std::string& password);

// True when the file starts with the header of an unencrypted SQLite database.
bool IsPlainSqliteFile(const std::string& path);

} // namespace zw
