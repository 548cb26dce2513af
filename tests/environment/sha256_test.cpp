#include <gtest/gtest.h>

#include <string>

#include "environment/sha256.h"

namespace zw::crypto {
namespace {

template <typename Container> std::string Hex(const Container& bytes) {
    static const char digits[] = "0123456789abcdef";
    std::string text;
    for (uint8_t b : bytes) {
        text += digits[b >> 4];
        text += digits[b & 0x0f];
    }
    return text;
}

struct HashCase {
    std::string message;
    const char* digest;
};

TEST(EnvSha256, KnownDigestsIncludingEveryPaddingBoundary) {
    const HashCase cases[] = {
        {"", "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"},
        {"abc", "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
        {"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
         "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1"},
        // 55 bytes still fit the length into the last block; 56 need one more block; 63 and 64 straddle it.
        {std::string(55, 'x'), "d5e285683cd4efc02d021a5c62014694958901005d6f71e89e0989fac77e4072"},
        {std::string(56, 'x'), "04c26261370ee7541549d16dee320c723e3fd14671e66a099afe0a377c16888e"},
        {std::string(63, 'x'), "75220b47218278e656f2013bb8f0c455a25eaf01e86c64924e9d48d89776d6f2"},
        {std::string(64, 'x'), "7ce100971f64e7001e8fe5a51973ecdfe1ced42befe7ee8d5fd6219506b5393c"},
        {std::string(1000000, 'a'), "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0"},
    };
    for (const HashCase& c : cases)
        EXPECT_EQ(Hex(Sha256Of(c.message)), c.digest) << "message of " << c.message.size() << " bytes";
}

TEST(EnvSha256, PiecewiseUpdatesGiveTheSameDigestAsOneUpdate) {
    std::string message;
    for (int i = 0; i < 300; ++i)
        message += char(i * 7 + 3);
    const Digest whole = Sha256Of(message);
    for (size_t piece : {1u, 3u, 63u, 64u, 65u, 129u}) {
        Sha256 hash;
        for (size_t at = 0; at < message.size(); at += piece)
            hash.Update(std::string_view(message).substr(at, piece));
        EXPECT_EQ(Hex(hash.Finish()), Hex(whole)) << "pieces of " << piece;
    }
}

TEST(EnvSha256, HmacMatchesPublishedVectors) {
    struct Case {
        std::string key;
        std::string message;
        const char* mac;
    };
    const Case cases[] = {
        {std::string(20, '\x0b'), "Hi There", "b0344c61d8db38535ca8afceaf0bf12b881dc200c9833da726e9376c2e32cff7"},
        {"Jefe", "what do ya want for nothing?", "5bdcc146bf60754e6a042426089575c75a003f089d2739839dec58b964ec3843"},
        // A key longer than a block is hashed first.
        {std::string(131, '\xaa'), "Test Using Larger Than Block-Size Key - Hash Key First",
         "60e431591ee0b67f0d8a26aacbf5b77f8e0bc6213728c5140546040f0ee37f54"},
    };
    for (const Case& c : cases) {
        const auto* data = reinterpret_cast<const uint8_t*>(c.message.data());
        EXPECT_EQ(Hex(HmacSha256(c.key, data, c.message.size())), c.mac) << c.message;
    }
}

TEST(EnvSha256, Pbkdf2MatchesPublishedVectors) {
    struct Case {
        std::string password;
        std::string salt;
        uint32_t iterations;
        size_t length;
        const char* key;
    };
    const Case cases[] = {
        {"passwd", "salt", 1, 64,
         "55ac046e56e3089fec1691c22544b605f94185216dde0465e68b9d57c20dacbc"
         "49ca9cccf179b645991664b39d77ef317c71b845b1e30bd509112041d3a19783"},
        {"password", "salt", 4096, 32, "c5e478d59288c841aa530db6845c4c8d962893a001ce4e11a4963873aa98134a"},
    };
    for (const Case& c : cases) {
        const Bytes salt(c.salt.begin(), c.salt.end());
        EXPECT_EQ(Hex(Pbkdf2HmacSha256(c.password, salt, c.iterations, c.length)), c.key) << c.password;
    }
}

TEST(EnvSha256, ConstantTimeComparison) {
    const Bytes a = {1, 2, 3, 4};
    EXPECT_TRUE(EqualInConstantTime(a, Bytes{1, 2, 3, 4}));
    EXPECT_FALSE(EqualInConstantTime(a, Bytes{1, 2, 3, 5}));
    EXPECT_FALSE(EqualInConstantTime(a, Bytes{0, 2, 3, 4}));
    EXPECT_FALSE(EqualInConstantTime(a, Bytes{1, 2, 3}));
    EXPECT_TRUE(EqualInConstantTime(Bytes{}, Bytes{}));
}

} // namespace
} // namespace zw::crypto
