#include "protect/password_store.h"

#include <vector>

#include "protect/settings_keys.h"
#include "vault/text_codec.h"

namespace {

constexpr std::string_view kScheme = "pbkdf2-sha256";
constexpr std::size_t kSaltBytes = 16;
constexpr std::size_t kKeyBytes = 32;

std::string ToHex(std::string_view bytes) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string hex;
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        hex += kDigits[byte >> 4];
        hex += kDigits[byte & 0x0F];
    }
    return hex;
}

bool FromHex(std::string_view hex, std::string& bytes) {
    if (hex.size() % 2 != 0) {
        return false;
    }
    auto nibble = [](char c) -> int {
        if (c >= '0' && c <= '9') {
            return c - '0';
        }
        if (c >= 'a' && c <= 'f') {
            return c - 'a' + 10;
        }
        return -1;
    };
    bytes.clear();
    for (std::size_t i = 0; i < hex.size(); i += 2) {
        const int high = nibble(hex[i]);
        const int low = nibble(hex[i + 1]);
        if (high < 0 || low < 0) {
            return false;
        }
        bytes += static_cast<char>(high * 16 + low);
    }
    return true;
}

std::vector<std::string_view> SplitAtDollars(std::string_view text) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (;;) {
        const auto dollar = text.find('$', start);
        parts.push_back(
            text.substr(start, dollar == std::string_view::npos ? text.npos : dollar - start));
        if (dollar == std::string_view::npos) {
            return parts;
        }
        start = dollar + 1;
    }
}

}  // namespace

bool ConstantTimeEquals(std::string_view a, std::string_view b) {
    // Every byte is looked at, so the time taken does not tell how much of a guess was right.
    unsigned char difference = a.size() == b.size() ? 0 : 1;
    const std::size_t length = a.size() > b.size() ? a.size() : b.size();
    for (std::size_t i = 0; i < length; ++i) {
        const auto x = i < a.size() ? static_cast<unsigned char>(a[i]) : 0;
        const auto y = i < b.size() ? static_cast<unsigned char>(b[i]) : 0;
        difference |= static_cast<unsigned char>(x ^ y);
    }
    return difference == 0;
}

std::string HashPassword(std::string_view password, PasswordHasher& hasher) {
    const std::string salt = hasher.RandomBytes(kSaltBytes);
    const std::string key = hasher.DeriveKey(password, salt, kPasswordIterations, kKeyBytes);
    return std::string(kScheme) + "$" + std::to_string(kPasswordIterations) + "$" + ToHex(salt) +
           "$" + ToHex(key);
}

bool VerifyPasswordHash(std::string_view password,
                        std::string_view stored,
                        PasswordHasher& hasher) {
    const auto parts = SplitAtDollars(stored);
    if (parts.size() != 4 || parts[0] != kScheme) {
        return false;
    }
    std::uint32_t iterations = 0;
    for (const char c : parts[1]) {
        if (c < '0' || c > '9' || iterations > 100000000) {
            return false;
        }
        iterations = iterations * 10 + static_cast<std::uint32_t>(c - '0');
    }
    std::string salt;
    std::string key;
    if (iterations == 0 || !FromHex(parts[2], salt) || !FromHex(parts[3], key) || key.empty()) {
        return false;
    }
    return ConstantTimeEquals(hasher.DeriveKey(password, salt, iterations, key.size()), key);
}

std::string PasswordStore::LegacyPassword() const {
    // Stored as text whose code-page bytes have their top bit flipped.
    const std::string stored = m_settings.Read(settings::kLegacyPassword, "");
    const auto bytes = m_codePage.FromUtf8(stored);
    return bytes ? m_codePage.ToUtf8(ToggleHighBit(*bytes)) : std::string();
}

bool PasswordStore::IsSet() const {
    return !m_settings.Read(settings::kPasswordHash, "").empty() ||
           !m_settings.Read(settings::kLegacyPassword, "").empty();
}

bool PasswordStore::Matches(std::string_view entered) const {
    const std::string hash = m_settings.Read(settings::kPasswordHash, "");
    if (!hash.empty()) {
        return VerifyPasswordHash(entered, hash, m_hasher);
    }
    return ConstantTimeEquals(entered, LegacyPassword());
}

void PasswordStore::Replace(std::string_view password) {
    if (password.empty()) {
        m_settings.Remove(settings::kPasswordHash);
    } else {
        m_settings.Write(settings::kPasswordHash, HashPassword(password, m_hasher));
    }
    m_settings.Remove(settings::kLegacyPassword);
}

void PasswordStore::UpgradeLegacy() {
    if (m_settings.Read(settings::kPasswordHash, "").empty() &&
        !m_settings.Read(settings::kLegacyPassword, "").empty()) {
        Replace(LegacyPassword());
    }
}
