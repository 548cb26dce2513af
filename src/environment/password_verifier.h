#pragma once
#include <cstdint>
#include <string>

#include "sha256.h"

namespace zw {

// What the product database keeps to check a password without keeping the password: a random salt and
// the PBKDF2-HMAC-SHA-256 of the password under that salt.
struct PasswordVerifier {
    crypto::Bytes salt;
    crypto::Bytes verifier;
    uint32_t iterations = 0;
};

constexpr size_t SaltSize = 16;
constexpr size_t VerifierSize = 32;
// Enough work to make guessing slow, little enough that opening the database stays instant.
constexpr uint32_t DefaultIterations = 20000;
// Stored counts outside this range mean a damaged or foreign table, not a real verifier.
constexpr uint32_t MaxIterations = 10000000;

// A fresh verifier with a salt from the system's random source.
PasswordVerifier MakePasswordVerifier(const std::string& password, uint32_t iterations = DefaultIterations);

bool PasswordMatches(const PasswordVerifier& stored, const std::string& password);

} // namespace zw
