#include "sha256.h"

#include <algorithm>
#include <cstring>

namespace zw::crypto {

namespace {

constexpr std::array<uint32_t, 64> RoundConstants = {
    0x428a2f98, 0x71374491, 0xb5c0fbcf, 0xe9b5dba5, 0x3956c25b, 0x59f111f1, 0x923f82a4, 0xab1c5ed5,
    0xd807aa98, 0x12835b01, 0x243185be, 0x550c7dc3, 0x72be5d74, 0x80deb1fe, 0x9bdc06a7, 0xc19bf174,
    0xe49b69c1, 0xefbe4786, 0x0fc19dc6, 0x240ca1cc, 0x2de92c6f, 0x4a7484aa, 0x5cb0a9dc, 0x76f988da,
    0x983e5152, 0xa831c66d, 0xb00327c8, 0xbf597fc7, 0xc6e00bf3, 0xd5a79147, 0x06ca6351, 0x14292967,
    0x27b70a85, 0x2e1b2138, 0x4d2c6dfc, 0x53380d13, 0x650a7354, 0x766a0abb, 0x81c2c92e, 0x92722c85,
    0xa2bfe8a1, 0xa81a664b, 0xc24b8b70, 0xc76c51a3, 0xd192e819, 0xd6990624, 0xf40e3585, 0x106aa070,
    0x19a4c116, 0x1e376c08, 0x2748774c, 0x34b0bcb5, 0x391c0cb3, 0x4ed8aa4a, 0x5b9cca4f, 0x682e6ff3,
    0x748f82ee, 0x78a5636f, 0x84c87814, 0x8cc70208, 0x90befffa, 0xa4506ceb, 0xbef9a3f7, 0xc67178f2};

constexpr uint32_t RotateRight(uint32_t x, int n) {
    return (x >> n) | (x << (32 - n));
}

constexpr size_t BlockSize = 64;

} // namespace

Sha256::Sha256()
    : state_{0x6a09e667, 0xbb67ae85, 0x3c6ef372, 0xa54ff53a, 0x510e527f, 0x9b05688c, 0x1f83d9ab, 0x5be0cd19} {}

void Sha256::Compress(const uint8_t* block) {
    std::array<uint32_t, 64> w;
    for (int i = 0; i < 16; ++i)
        w[i] = (uint32_t(block[4 * i]) << 24) | (uint32_t(block[4 * i + 1]) << 16) | (uint32_t(block[4 * i + 2]) << 8) |
               uint32_t(block[4 * i + 3]);
    for (int i = 16; i < 64; ++i) {
        const uint32_t s0 = RotateRight(w[i - 15], 7) ^ RotateRight(w[i - 15], 18) ^ (w[i - 15] >> 3);
        const uint32_t s1 = RotateRight(w[i - 2], 17) ^ RotateRight(w[i - 2], 19) ^ (w[i - 2] >> 10);
        w[i] = w[i - 16] + s0 + w[i - 7] + s1;
    }
    uint32_t a = state_[0], b = state_[1], c = state_[2], d = state_[3];
    uint32_t e = state_[4], f = state_[5], g = state_[6], h = state_[7];
    for (int i = 0; i < 64; ++i) {
        const uint32_t s1 = RotateRight(e, 6) ^ RotateRight(e, 11) ^ RotateRight(e, 25);
        const uint32_t choice = (e & f) ^ (~e & g);
        const uint32_t t1 = h + s1 + choice + RoundConstants[i] + w[i];
        const uint32_t s0 = RotateRight(a, 2) ^ RotateRight(a, 13) ^ RotateRight(a, 22);
        const uint32_t majority = (a & b) ^ (a & c) ^ (b & c);
        const uint32_t t2 = s0 + majority;
        h = g;
        g = f;
        f = e;
        e = d + t1;
        d = c;
        c = b;
        b = a;
        a = t1 + t2;
    }
    state_[0] += a;
    state_[1] += b;
    state_[2] += c;
    state_[3] += d;
    state_[4] += e;
    state_[5] += f;
    state_[6] += g;
    state_[7] += h;
}

void Sha256::Update(const uint8_t* data, size_t size) {
    totalBytes_ += size;
    while (size > 0) {
        if (buffered_ == 0 && size >= BlockSize) {
            Compress(data);
            data += BlockSize;
            size -= BlockSize;
            continue;
        }
        const size_t take = std::min(size, BlockSize - buffered_);
        std::memcpy(buffer_.data() + buffered_, data, take);
        buffered_ += take;
        data += take;
        size -= take;
        if (buffered_ == BlockSize) {
            Compress(buffer_.data());
            buffered_ = 0;
        }
    }
}

Digest Sha256::Finish() {
    const uint64_t totalBits = totalBytes_ * 8;
    const uint8_t marker = 0x80;
    Update(&marker, 1);
    const uint8_t zero = 0;
    while (buffered_ != BlockSize - 8)
        Update(&zero, 1);
    uint8_t length[8];
    for (int i = 0; i < 8; ++i)
        length[i] = uint8_t(totalBits >> (56 - 8 * i));
    Update(length, 8);

    Digest digest;
    for (int i = 0; i < 8; ++i) {
        digest[4 * i] = uint8_t(state_[i] >> 24);
        digest[4 * i + 1] = uint8_t(state_[i] >> 16);
        digest[4 * i + 2] = uint8_t(state_[i] >> 8);
        digest[4 * i + 3] = uint8_t(state_[i]);
    }
    return digest;
}

Digest Sha256Of(std::string_view text) {
    Sha256 hash;
    hash.Update(text);
    return hash.Finish();
}

namespace {

// HMAC with the key's padded blocks absorbed once: PBKDF2 then costs two compressions per iteration.
class KeyedHash {
public:
    explicit KeyedHash(std::string_view key) {
        std::array<uint8_t, BlockSize> block{};
        if (key.size() > BlockSize) {
            const Digest shortened = Sha256Of(key);
            std::memcpy(block.data(), shortened.data(), shortened.size());
        } else {
            std::memcpy(block.data(), key.data(), key.size());
        }
        std::array<uint8_t, BlockSize> pad;
        for (size_t i = 0; i < BlockSize; ++i)
            pad[i] = block[i] ^ 0x36;
        inner_.Update(pad.data(), pad.size());
        for (size_t i = 0; i < BlockSize; ++i)
            pad[i] = block[i] ^ 0x5c;
        outer_.Update(pad.data(), pad.size());
    }

    Digest Of(const uint8_t* message, size_t size) const {
        Sha256 inner = inner_;
        inner.Update(message, size);
        const Digest innerDigest = inner.Finish();
        Sha256 outer = outer_;
        outer.Update(innerDigest.data(), innerDigest.size());
        return outer.Finish();
    }

private:
    Sha256 inner_;
    Sha256 outer_;
};

} // namespace

Digest HmacSha256(std::string_view key, const uint8_t* message, size_t size) {
    return KeyedHash(key).Of(message, size);
}

Bytes Pbkdf2HmacSha256(std::string_view password, const Bytes& salt, uint32_t iterations, size_t length) {
    const KeyedHash prf(password);
    Bytes result;
    result.reserve(length);
    for (uint32_t blockIndex = 1; result.size() < length; ++blockIndex) {
        Bytes first = salt;
        first.push_back(uint8_t(blockIndex >> 24));
        first.push_back(uint8_t(blockIndex >> 16));
        first.push_back(uint8_t(blockIndex >> 8));
        first.push_back(uint8_t(blockIndex));
        Digest u = prf.Of(first.data(), first.size());
        Digest t = u;
        for (uint32_t i = 1; i < iterations; ++i) {
            u = prf.Of(u.data(), u.size());
            for (size_t j = 0; j < t.size(); ++j)
                t[j] ^= u[j];
        }
        const size_t take = std::min(t.size(), length - result.size());
        result.insert(result.end(), t.begin(), t.begin() + take);
    }
    return result;
}

bool EqualInConstantTime(const Bytes& a, const Bytes& b) {
    if (a.size() != b.size())
        return false;
    volatile uint8_t difference = 0;
    for (size_t i = 0; i < a.size(); ++i)
        difference = difference | (a[i] ^ b[i]);
    return difference == 0;
}

} // namespace zw::crypto
