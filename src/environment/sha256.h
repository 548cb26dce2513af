#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace zw::crypto {

using Digest = std::array<uint8_t, 32>;
using Bytes = std::vector<uint8_t>;

// Incremental SHA-256 (FIPS 180-4). The product carries its own so the database verifier needs no
// third-party library on any platform.
class Sha256 {
public:
    Sha256();
    void Update(const uint8_t* data, size_t size);
    void Update(std::string_view text) { Update(reinterpret_cast<const uint8_t*>(text.data()), text.size()); }
    Digest Finish();

private:
    void Compress(const uint8_t* block);

    std::array<uint32_t, 8> state_;
    std::array<uint8_t, 64> buffer_{};
    size_t buffered_ = 0;
    uint64_t totalBytes_ = 0;
};

Digest Sha256Of(std::string_view text);
Digest HmacSha256(std::string_view key, const uint8_t* message, size_t size);

// PBKDF2 with HMAC-SHA-256 (RFC 8018), producing length bytes.
Bytes Pbkdf2HmacSha256(std::string_view password, const Bytes& salt, uint32_t iterations, size_t length);

// Compares without an early exit, so the time taken says nothing about where two verifiers differ.
bool EqualInConstantTime(const Bytes& a, const Bytes& b);

} // namespace zw::crypto
