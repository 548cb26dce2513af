#include "password_verifier.h"

#include "host_system.h"

namespace zw {

PasswordVerifier MakePasswordVerifier(const std::string& password, uint32_t iterations) {
    PasswordVerifier result;
    result.salt.resize(SaltSize);
    host::FillRandom(result.salt.data(), result.salt.size());
    result.iterations = iterations;
    result.verifier = crypto::Pbkdf2HmacSha256(password, result.salt, iterations, VerifierSize);
    return result;
}

bool PasswordMatches(const PasswordVerifier& stored, const std::string& password) {
    const crypto::Bytes candidate =
        crypto::Pbkdf2HmacSha256(password, stored.salt, stored.iterations, stored.verifier.size());
    return crypto::EqualInConstantTime(candidate, stored.verifier);
}

} // namespace zw
