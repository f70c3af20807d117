#include "protect/password_store.h"

#include <vector>

#include "platform/text_codec.h"
#include "protect/settings_keys.h"

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

CryptoBytes HashPassword(std::string_view password, PasswordHasher& hasher) {
    const CryptoBytes salt = hasher.RandomBytes(kSaltBytes);
    if (!salt.bytes) {
        return salt;
    }
    const CryptoBytes key = hasher.DeriveKey(password, *salt.bytes, kPasswordIterations, kKeyBytes);
    if (!key.bytes) {
        return key;
    }
    return CryptoBytes::Of(std::string(kScheme) + "$" + std::to_string(kPasswordIterations) + "$" +
                           ToHex(*salt.bytes) + "$" + ToHex(*key.bytes));
}

namespace {

struct ParsedHash {
    std::uint32_t iterations = 0;
    std::string salt;
    std::string key;
};

std::optional<ParsedHash> ParseOwnHash(std::string_view stored) {
    const auto parts = SplitAtDollars(stored);
    if (parts.size() != 4 || parts[0] != kScheme || parts[1].empty() || parts[1].size() > 7 ||
        parts[1][0] == '0') {
        return std::nullopt;
    }
    ParsedHash parsed;
    for (const char c : parts[1]) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        parsed.iterations = parsed.iterations * 10 + static_cast<std::uint32_t>(c - '0');
    }
    if (parsed.iterations > kMaxPasswordIterations || !FromHex(parts[2], parsed.salt) ||
        !FromHex(parts[3], parsed.key) || parsed.salt.size() != kSaltBytes ||
        parsed.key.size() != kKeyBytes) {
        return std::nullopt;
    }
    return parsed;
}

}  // namespace

bool IsOwnPasswordHash(std::string_view stored) {
    return ParseOwnHash(stored).has_value();
}

bool VerifyPasswordHash(std::string_view password,
                        std::string_view stored,
                        PasswordHasher& hasher) {
    const auto parsed = ParseOwnHash(stored);
    if (!parsed) {
        return false;  // fail closed
    }
    const CryptoBytes key =
        hasher.DeriveKey(password, parsed->salt, parsed->iterations, parsed->key.size());
    return key.bytes && ConstantTimeEquals(*key.bytes, parsed->key);  // fail closed
}

std::optional<std::string> PasswordStore::LegacyPassword() const {
    // Stored as text whose code-page bytes have their top bit flipped.
    const std::string stored = m_settings.Read(settings::kLegacyPassword, "");
    const auto bytes = m_codePage.FromUtf8(stored);
    if (!bytes) {
        return std::nullopt;
    }
    const std::string decoded = ToggleHighBit(*bytes);
    std::string text = m_codePage.ToUtf8(decoded);
    // Bytes the code page has no character for would make a different password, or none.
    if (m_codePage.FromUtf8(text) != decoded) {
        return std::nullopt;
    }
    return text;
}

bool PasswordStore::IsSet() const {
    return !m_settings.Read(settings::kPasswordHash, "").empty() ||
           !m_settings.Read(settings::kLegacyPassword, "").empty();
}

StoredPassword PasswordStore::Condition() const {
    const std::string hash = m_settings.Read(settings::kPasswordHash, "");
    if (!hash.empty()) {
        return IsOwnPasswordHash(hash) ? StoredPassword::Readable : StoredPassword::Damaged;
    }
    if (m_settings.Read(settings::kLegacyPassword, "").empty()) {
        return StoredPassword::None;
    }
    return LegacyPassword() ? StoredPassword::Readable : StoredPassword::Damaged;
}

bool PasswordStore::Matches(std::string_view entered) const {
    const std::string hash = m_settings.Read(settings::kPasswordHash, "");
    if (!hash.empty()) {
        return VerifyPasswordHash(entered, hash, m_hasher);
    }
    if (m_settings.Read(settings::kLegacyPassword, "").empty()) {
        return entered.empty();
    }
    const auto legacy = LegacyPassword();
    return legacy && ConstantTimeEquals(entered, *legacy);
}

PasswordChange PasswordStore::PlanReplace(std::string_view password) const {
    if (password.empty()) {
        return {PasswordChange::Kind::Remove, {}};
    }
    CryptoBytes hash = HashPassword(password, m_hasher);
    if (!hash.bytes) {
        return {PasswordChange::Kind::Failed, {}, std::move(hash.failure)};
    }
    return {PasswordChange::Kind::Store, std::move(*hash.bytes)};
}

PasswordChange PasswordStore::PlanUpgrade() const {
    if (!m_settings.Read(settings::kPasswordHash, "").empty()) {
        return {};
    }
    const auto legacy = LegacyPassword();
    if (!legacy || legacy->empty()) {
        return {};  // an unreadable one is left for the user to reset, never made empty
    }
    return PlanReplace(*legacy);
}

void PasswordStore::Apply(const PasswordChange& change) {
    switch (change.kind) {
        case PasswordChange::Kind::Keep:
        case PasswordChange::Kind::Failed:
            return;
        case PasswordChange::Kind::Remove:
            m_settings.Remove(settings::kPasswordHash);
            break;
        case PasswordChange::Kind::Store:
            m_settings.Write(settings::kPasswordHash, change.hash);
            break;
    }
    m_settings.Remove(settings::kLegacyPassword);
}
