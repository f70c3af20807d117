#pragma once
// PBKDF2-HMAC-SHA256 and random bytes from the system's cryptography (CNG).

#include "protect/password_store.h"

class CngPasswordHasher final : public PasswordHasher {
public:
    CryptoBytes RandomBytes(std::size_t count) override;
    CryptoBytes DeriveKey(std::string_view password,
                          std::string_view salt,
                          std::uint32_t iterations,
                          std::size_t keyLength) override;
};
