#pragma once
// The program's password. It is kept as a salted, slow hash ("pwhash"), never in a form that
// gives it back; a password saved by an older version in the reversible "crpw" form is still
// accepted until the options dialog replaces it.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "platform/code_page.h"
#include "protect/settings_store.h"

// Bytes from the system's cryptography, or why it could not give them.
struct CryptoBytes {
    std::optional<std::string> bytes;
    std::string failure;  // when there are no bytes

    static CryptoBytes Of(std::string value) { return {std::move(value), {}}; }
    static CryptoBytes Failed(std::string why) { return {std::nullopt, std::move(why)}; }
};

// PBKDF2-HMAC-SHA256 and random bytes, from the platform. A system without them is an ordinary
// failure, answered with a reason, not an exception.
class PasswordHasher {
public:
    virtual ~PasswordHasher() = default;
    virtual CryptoBytes RandomBytes(std::size_t count) = 0;
    virtual CryptoBytes DeriveKey(std::string_view password,
                                  std::string_view salt,
                                  std::uint32_t iterations,
                                  std::size_t keyLength) = 0;
};

inline constexpr std::uint32_t kPasswordIterations = 100000;
// A stored hash asking for more rounds is not the program's own: checking it would hold the
// window for seconds at every try.
inline constexpr std::uint32_t kMaxPasswordIterations = 2 * kPasswordIterations;

enum class StoredPassword {
    None,      // no password set
    Readable,  // a hash in the program's own form, or a legacy password that decodes
    Damaged,   // set, but in no form the program can check: nothing matches it
};

// What the options dialog's Ok writes for the password, worked out (and hashed) before any
// setting is written, so that a failure leaves every setting as it was.
struct PasswordChange {
    // Failed: the password could not be hashed (`failure` says why); nothing may be written.
    enum class Kind { Keep, Remove, Store, Failed } kind = Kind::Keep;
    std::string hash;
    std::string failure = {};
};

// "pbkdf2-sha256$<iterations>$<salt, hex>$<key, hex>", or why it could not be made.
CryptoBytes HashPassword(std::string_view password, PasswordHasher& hasher);
// Whether `stored` is a hash in the program's own form, with a round count within bounds.
bool IsOwnPasswordHash(std::string_view stored);
// False for anything not in the program's own form: a damaged hash never matches.
bool VerifyPasswordHash(std::string_view password, std::string_view stored, PasswordHasher& hasher);
bool ConstantTimeEquals(std::string_view a, std::string_view b);

class PasswordStore {
public:
    PasswordStore(SettingsStore& settings, PasswordHasher& hasher, const CodePage& codePage)
        : m_settings(settings), m_hasher(hasher), m_codePage(codePage) {}

    bool IsSet() const;
    StoredPassword Condition() const;
    // An empty stored password matches an empty entry; a damaged one matches nothing.
    bool Matches(std::string_view entered) const;
    // A new password (an empty one removes it), hashed now. Throws when the platform cannot
    // hash; nothing has been written then.
    PasswordChange PlanReplace(std::string_view password) const;
    // A readable password still in the old reversible form becomes a hash; anything else stays.
    PasswordChange PlanUpgrade() const;
    void Apply(const PasswordChange& change);
    void Replace(std::string_view password) { Apply(PlanReplace(password)); }
    void UpgradeLegacy() { Apply(PlanUpgrade()); }

private:
    // The legacy password, or nothing when its stored bytes do not decode to a text that
    // comes back to the same bytes.
    std::optional<std::string> LegacyPassword() const;

    SettingsStore& m_settings;
    PasswordHasher& m_hasher;
    const CodePage& m_codePage;
};
