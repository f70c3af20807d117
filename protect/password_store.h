#pragma once
// The program's password. It is kept as a salted, slow hash ("pwhash"), never in a form that
// gives it back; a password saved by an older version in the reversible "crpw" form is still
// accepted until the options dialog replaces it.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "protect/settings_store.h"
#include "vault/code_page.h"

// PBKDF2-HMAC-SHA256 and random bytes, from the platform.
class PasswordHasher {
public:
    virtual ~PasswordHasher() = default;
    virtual std::string RandomBytes(std::size_t count) = 0;
    virtual std::string DeriveKey(std::string_view password,
                                  std::string_view salt,
                                  std::uint32_t iterations,
                                  std::size_t keyLength) = 0;
};

inline constexpr std::uint32_t kPasswordIterations = 100000;

// "pbkdf2-sha256$<iterations>$<salt, hex>$<key, hex>"
std::string HashPassword(std::string_view password, PasswordHasher& hasher);
bool VerifyPasswordHash(std::string_view password, std::string_view stored, PasswordHasher& hasher);
bool ConstantTimeEquals(std::string_view a, std::string_view b);

class PasswordStore {
public:
    PasswordStore(SettingsStore& settings, PasswordHasher& hasher, const CodePage& codePage)
        : m_settings(settings), m_hasher(hasher), m_codePage(codePage) {}

    bool IsSet() const;
    // An empty stored password matches an empty entry.
    bool Matches(std::string_view entered) const;
    // Stores a new password; an empty one removes it.
    void Replace(std::string_view password);
    // A password still in the old reversible form is stored as a hash instead.
    void UpgradeLegacy();

private:
    std::string LegacyPassword() const;

    SettingsStore& m_settings;
    PasswordHasher& m_hasher;
    const CodePage& m_codePage;
};
