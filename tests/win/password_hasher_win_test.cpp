// The system's PBKDF2 and random bytes, through the program's hasher.

#include "protect/password_hasher_win.h"

#include <gtest/gtest.h>

#include <string>

#include "protect/password_store.h"

TEST(CngPasswordHasher, DerivesTheStandardPbkdf2Bytes) {
    CngPasswordHasher hasher;
    struct Case {
        std::string password;
        std::string saltHex;
        std::uint32_t iterations;
        std::string keyHex;
    };
    // Reference values from an independent PBKDF2-HMAC-SHA256 implementation.
    const Case cases[] = {
        {"Secret 1", "00112233445566778899aabbccddeeff", 100000,
         "26bc00fe951a8cfd9b975e3041bff6011f53844f09285313c04c1d82d2cf686c"},
        {"", "0011", 1000, "1801b5fda473e9a9a619910bc03714a175b78c02cbfd59ea755f25fc8ac5715a"},
    };
    auto fromHex = [](const std::string& hex) {
        std::string bytes;
        for (std::size_t i = 0; i < hex.size(); i += 2) {
            bytes += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
        }
        return bytes;
    };
    for (const auto& c : cases) {
        EXPECT_EQ(hasher.DeriveKey(c.password, fromHex(c.saltHex), c.iterations, 32).bytes,
                  fromHex(c.keyHex))
            << c.password;
    }
    const auto a = hasher.RandomBytes(16).bytes;
    const auto b = hasher.RandomBytes(16).bytes;
    ASSERT_TRUE(a && b);
    EXPECT_EQ(a->size(), 16u);
    EXPECT_NE(*a, *b);
    // The stored hash of a real password verifies with the real hasher.
    const CryptoBytes hashed = HashPassword("caf\xC3\xA9", hasher);
    ASSERT_TRUE(hashed.bytes) << hashed.failure;
    const std::string stored = *hashed.bytes;
    EXPECT_TRUE(VerifyPasswordHash("caf\xC3\xA9", stored, hasher));
    EXPECT_FALSE(VerifyPasswordHash("cafe", stored, hasher));
}
